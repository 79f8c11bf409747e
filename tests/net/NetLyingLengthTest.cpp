// A server whose length header lies: a body whose end cannot be told is never stored, by the
// CLI's update commands as by the downloader itself.
#include "cli/CliRunner.h"
#include "net/DownloadFile.h"
#include "net/NetFixture.h"
#include "support/HostileServer.h"

#include <chrono>

namespace quintora {
namespace {

using namespace std::chrono_literals;

// Each sends the body's first lines under a length that is not one plain number, or under two
// lengths that disagree.
const char* const LyingModes[] = {"length-word", "length-negative", "length-split", "length-twice",
                                  "length-list"};

std::string shipped(const std::string& name) {
    return ::readText(std::string(QUINTORA_SHIPPED_DATA) + "/" + name);
}

TEST_F(NetFixture, ALyingLengthIsNeverTaken) {
    const std::string body = data.write("body.txt", "first line\r\nsecond line\r\nthird\r\n");
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        data.write("temp/target.txt", "old");
        HostileServer hostile(mode, body);
        const auto got =
            downloadFile(hostile.url() + "x", data.file("temp/target.txt"), {2s, 5s, 1u << 20});
        EXPECT_FALSE(got);
        EXPECT_EQ(data.read("temp/target.txt"), "old");
        EXPECT_EQ(filesIn(temp()), 1u);
    }
}

TEST_F(NetFixture, UpdateArchiveStoresNothingUnderALyingLength) {
    const std::string body = data.write("body.txt", shipped("eurojackpot-draws.txt"));
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        HostileServer hostile(mode, body);
        const std::string out = data.file(std::string(mode) + ".dat");
        const auto run =
            runCli("update-archive --server " + hostile.url() + " -o " + ::quoted(out));
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_FALSE(std::filesystem::exists(out) && std::filesystem::file_size(out) > 0)
            << std::filesystem::file_size(out) / 19 << " draws stored";
    }
}

TEST_F(NetFixture, UpdateLanguagesStoresNothingUnderALyingLength) {
    const std::string served = data.file("served");
    std::filesystem::create_directories(served);
    data.write("served/lista.txt", "italiano.txt\r\n");
    data.write("served/italiano.txt", shipped("italiano.lng"));
    std::filesystem::create_directories(data.file("lang"));
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        data.write("lang/italiano.lng", "old");
        HostileServer hostile(mode, served);
        const auto run =
            runCli("update-languages --server " + hostile.url() + " --dir " + data.file("lang"));
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("italiano.txt"), std::string::npos) << run.err;
        EXPECT_EQ(data.read("lang/italiano.lng"), "old");
    }
}

} // namespace
} // namespace quintora
