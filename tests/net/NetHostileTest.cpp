// Downloads from a server that misbehaves on purpose: nothing cut short, slow or oversized is
// ever taken as complete, and whatever was there before stays as it was.
#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"
#include "net/DownloadFile.h"
#include "net/NetFixture.h"
#include "support/HostileServer.h"
#include "update/ServerUpdates.h"

#include <chrono>
#include <sys/resource.h>

namespace quintora {
namespace {

using namespace std::chrono_literals;

const std::string HistoryPath = QUINTORA_SHIPPED_DATA "/eurojackpot-draws.txt";

class HostileDownloadTest : public NetFixture {
protected:
    std::string target() const { return data.file("temp/target.txt"); }
};

TEST_F(HostileDownloadTest, OnlyACompleteBodyIsTaken) {
    const std::string body = data.write("body.txt", std::string(3000, 'x') + "\r\nend\r\n");
    const struct {
        const char* mode;
        bool taken;
    } cases[] = {
        {"whole", true},        {"chunked", true},    {"nolength", false},
        {"cut-reset", false},   {"cut-close", false}, {"short", false},
        {"chunked-cut", false}, {"garbage", false},   {"hang", false},
    };
    for (const auto& c : cases) {
        data.write("temp/target.txt", "old");
        HostileServer hostile(c.mode, body);
        ASSERT_GT(hostile.port(), 0);
        const auto start = std::chrono::steady_clock::now();
        const auto got = downloadFile(hostile.url() + "x", target(), {500ms, 5s, 1u << 20});
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4s) << c.mode;
        EXPECT_EQ(got.ok(), c.taken) << c.mode;
        EXPECT_EQ(data.read("temp/target.txt"), c.taken ? data.read("body.txt") : "old") << c.mode;
        EXPECT_EQ(filesIn(temp()), 1u) << c.mode;
    }
}

TEST_F(HostileDownloadTest, ATricklingServerMeetsTheTotalLimit) {
    HostileServer hostile("trickle", data.write("body.txt", std::string(1000, 'x')));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(downloadFile(hostile.url() + "x", target(), {15s, 700ms, 1u << 20}));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 600ms);
    EXPECT_LT(took, 3s);
    EXPECT_FALSE(std::filesystem::exists(target()));
}

// Peak memory of this process so far, in MiB.
long peakMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

TEST_F(HostileDownloadTest, OversizedBodiesStopAtTheCap) {
    for (const char* mode : {"huge-length", "huge-stream"}) {
        HostileServer hostile(mode);
        const auto start = std::chrono::steady_clock::now();
        const auto got = downloadFile(hostile.url() + "x", target(), {5s, 20s, 8u << 20});
        EXPECT_FALSE(got) << mode;
        if (!got) {
            EXPECT_NE(got.error().message.find("troppo grande"), std::string::npos)
                << got.error().message;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << mode;
        EXPECT_LT(peakMiB(), 100) << mode;
        EXPECT_FALSE(std::filesystem::exists(target())) << mode;
    }
}

} // namespace
} // namespace quintora
