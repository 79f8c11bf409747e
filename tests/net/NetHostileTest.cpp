// Downloads from a server that misbehaves on purpose: nothing cut short, slow or oversized is
// ever taken as complete, and whatever was there before stays as it was.
#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"
#include "cli/CliRunner.h"
#include "net/DownloadFile.h"
#include "net/NetFixture.h"
#include "support/HostileServer.h"
#include "update/ServerUpdates.h"

#include <chrono>
#include <fstream>
#include <iterator>
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

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An outlet's archive of 974 draws, and the server's text of them.
class HostileUpdateTest : public NetFixture {
protected:
    void SetUp() override {
        NetFixture::SetUp();
        history = readFile(HistoryPath);
        archive = parseArchiveText(history).value();
        ASSERT_EQ(archive.count(), 974);
        ASSERT_TRUE(saveArchiveFile(archivePath(), archive));
        before = data.read("quintora.dat");
    }
    std::string archivePath() const { return data.file("quintora.dat"); }
    std::string firstLines(std::size_t n) const {
        std::size_t end = 0;
        for (std::size_t i = 0; i < n; ++i) {
            end = history.find('\n', end) + 1;
        }
        return history.substr(0, end);
    }

    std::string history;
    DrawArchive archive;
    std::string before;
};

// Nothing that a misbehaving server sends costs the archive a draw.
TEST_F(HostileUpdateTest, TheArchiveNeverShrinks) {
    const struct {
        const char* mode;
        std::string body;
        DownloadLimits ceiling;
        const char* saying;
    } cases[] = {
        {"cut-close", history, {}, "lunghezza"},
        {"cut-reset", history, {}, "lunghezza"},
        {"short", history, {}, "non riuscito"},
        {"chunked-cut", history, {}, "non riuscito"},
        {"garbage", history, {}, "non riuscito"},
        {"hang", history, {500ms, 60s, 64u << 20}, "in tempo"},
        {"trickle", history, {15s, 700ms, 64u << 20}, "in tempo"},
        {"huge-stream", history, {}, "troppo grande"},
        {"huge-length", history, {}, "troppo grande"},
        {"whole", firstLines(490), {}, "490 estrazioni, meno delle 974"},
        {"chunked", history.substr(0, history.size() - 5), {}, "riga 974: riga incompleta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        HostileServer hostile(c.mode, data.write("body.txt", c.body));
        const auto start = std::chrono::steady_clock::now();
        const auto status =
            updateArchiveFromServer(makeDownload(c.ceiling), hostile.url(), archive,
                                    data.file("temp/quintora_download.dat"), archivePath());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        ASSERT_FALSE(status);
        EXPECT_NE(status.error().message.find(c.saying), std::string::npos)
            << status.error().message;
        EXPECT_EQ(archive.count(), 974);
        EXPECT_EQ(data.read("quintora.dat"), before);
        EXPECT_EQ(filesIn(temp()), 0u);
    }
    HostileServer grown("whole",
                        data.write("body.txt", history + "975|01/01/2030|1|2|3|4|5|1|2\n"));
    ASSERT_TRUE(updateArchiveFromServer(makeDownload(), grown.url(), archive,
                                        data.file("temp/quintora_download.dat"), archivePath()));
    EXPECT_EQ(archive.count(), 975);
}

// The CLI's update-archive adds to the archive it is given, never takes draws away from it.
TEST_F(HostileUpdateTest, UpdateArchiveRefusesAShorterArchive) {
    HostileServer half("whole", data.write("body.txt", firstLines(490)));
    const auto run =
        runCli("update-archive --server " + half.url() + " -o " + ::quoted(archivePath()));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("490 estrazioni, meno delle 974"), std::string::npos) << run.err;
    EXPECT_EQ(data.read("quintora.dat"), before);
}

TEST_F(NetFixture, ALanguageFileCutShortIsNotStored) {
    const std::string whole = readFile(QUINTORA_SHIPPED_DATA "/italiano.lng");
    data.write("italiano.lng", "old");
    for (const auto& body :
         {whole.substr(0, whole.size() / 2), whole.substr(0, whole.size() - 3)}) {
        HostileServer hostile("whole", data.write("body.txt", body));
        // One server for the list, one for the file: each answers any path.
        HostileServer list("whole", data.write("list.txt", "italiano.txt\r\n"));
        const Download download = [&](const std::string& url, const std::string& target,
                                      const DownloadLimits& limits) {
            const bool isList = url.ends_with("lista.txt");
            return downloadFile((isList ? list.url() : hostile.url()) + "x", target, limits);
        };
        const auto report = updateLanguageFiles(download, "http://127.0.0.1/", temp(), data.path());
        ASSERT_TRUE(report);
        EXPECT_TRUE(report.value().stored.empty());
        ASSERT_EQ(report.value().problems.size(), 1u);
        EXPECT_NE(report.value().problems[0].find("non e' completo"), std::string::npos)
            << report.value().problems[0];
        EXPECT_EQ(data.read("italiano.lng"), "old");
    }
}

// Downloads go to a folder of the run under the data folder's temp; what a killed run left
// there is removed by the next one.
TEST_F(NetFixture, CliDownloadsLeaveNothingInTheTemporaryFolders) {
    const std::string xdg = data.file("xdg");
    const std::string shared = xdg + "/Quintora/temp";
    std::filesystem::create_directories(shared + "/cli-999999999"); // no such process
    std::filesystem::create_directories(shared + "/cli-1");         // init runs: not ours to sweep
    data.write("xdg/Quintora/temp/cli-999999999/quintora_download.dat", "left");
    ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    content.write("archivio.txt", "1|23/03/2012|5|8|21|37|46|6|8\n");
    const auto run =
        runCli("update-archive --server " + server->url() + " -o " + ::quoted(data.file("a.dat")));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(shared)) {
        left.push_back(e.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"cli-1"});
}

} // namespace
} // namespace quintora
