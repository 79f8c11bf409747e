#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"
#include "net/DownloadFile.h"
#include "net/NetFixture.h"
#include "update/ServerUpdates.h"

#include <chrono>

namespace quintora {
namespace {

using namespace std::chrono_literals;

const char* const ThreeDraws = "1|23/03/2012|5|8|21|37|46|6|8\r\n"
                               "2|30/03/2012|5|7|12|19|26|1|5\r\n"
                               "3|06/04/2012|7|8|34|36|38|4|5\r\n";

class ArchiveUpdateTest : public NetFixture {
protected:
    void SetUp() override {
        NetFixture::SetUp();
        // Held by the outlet: the server's first draw.
        archive = parseArchiveText("1|23/03/2012|5|8|21|37|46|6|8\n").value();
        ASSERT_TRUE(saveArchiveFile(archivePath(), archive));
        before = data.read("quintora.dat");
    }
    std::string archivePath() const { return data.file("quintora.dat"); }
    Status update(const std::string& server, DownloadLimits ceiling = {}) {
        return updateArchiveFromServer(makeDownload(ceiling), server, archive,
                                       data.file("temp/quintora_download.dat"), archivePath());
    }
    void expectUnchanged(const Status& status) {
        EXPECT_FALSE(status);
        if (!status) {
            EXPECT_FALSE(status.error().message.empty());
        }
        EXPECT_EQ(archive.count(), 1);
        EXPECT_EQ(archive.draws.front(), (Draw{1, {2012, 3, 23}, {5, 8, 21, 37, 46}, {6, 8}}));
        EXPECT_EQ(data.read("quintora.dat"), before);
        EXPECT_EQ(filesIn(temp()), 0u);
    }

    DrawArchive archive;
    std::string before;
};

TEST_F(ArchiveUpdateTest, ReplacesTheArchiveInMemoryAndOnDisk) {
    content.write("archivio.txt", ThreeDraws);
    const auto status = update(server->url());
    ASSERT_TRUE(status) << status.error().message;
    EXPECT_EQ(archive.count(), 3);
    EXPECT_EQ(archive.draws.back().contest, 3);
    EXPECT_EQ(data.read("quintora.dat").size(), 3u * 19u);
    EXPECT_EQ(filesIn(temp()), 0u);
}

TEST_F(ArchiveUpdateTest, ServerErrorKeepsTheArchive) {
    std::filesystem::create_directories(content.file("archivio.txt")); // the server answers 500
    expectUnchanged(update(server->url()));
}

TEST_F(ArchiveUpdateTest, NotFoundKeepsTheArchive) {
    const auto status = update(server->url());
    expectUnchanged(status);
    EXPECT_NE(status.error().message.find("404"), std::string::npos) << status.error().message;
}

TEST_F(ArchiveUpdateTest, BadBodiesKeepTheArchive) {
    for (const char* body : {"", "<html>garbage</html>\n", "1|23/03/2012|5|8|x|37|46|6|8\n",
                             "1|23/03/2012|5|8|21|37|46|6|8|9\n"}) {
        content.write("archivio.txt", body);
        expectUnchanged(update(server->url()));
    }
}

TEST_F(ArchiveUpdateTest, ServerDownFailsAtOnceAndKeepsTheArchive) {
    const auto start = std::chrono::steady_clock::now();
    expectUnchanged(update(refusedUrl()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(ArchiveUpdateTest, SilentServerTimesOutAndKeepsTheArchive) {
    SilentSocket silent;
    const auto start = std::chrono::steady_clock::now();
    const auto status = update(silent.url(), {300ms, 10s, 1u << 20});
    expectUnchanged(status);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(ArchiveUpdateTest, TotalLimitEndsADownloadThatNeverEnds) {
    SilentSocket silent;
    const auto start = std::chrono::steady_clock::now();
    expectUnchanged(update(silent.url(), {10s, 300ms, 1u << 20}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(NetFixture, OversizedBodyLeavesTheTargetAsItWas) {
    content.write("version.txt", std::string(5000, '1'));
    const std::string target = data.write("temp/v.txt", "old");
    EXPECT_FALSE(downloadFile(server->url() + "public/quintora/ver.asp", target,
                              downloadlimits::VersionCheck));
    EXPECT_EQ(data.read("temp/v.txt"), "old");
    EXPECT_EQ(filesIn(temp()), 1u);
}

TEST_F(NetFixture, RedirectsAreFollowedOnTheSameHostOnly) {
    const std::string target = data.write("temp/v.txt", "old");
    const auto redirect = [](const std::string& location) {
        return "HTTP/1.1 302 Found\r\nLocation: " + location +
               "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    };
    const std::string ok = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n1.2.3";
    {
        CannedServer same({redirect("/other"), ok});
        EXPECT_TRUE(downloadFile(same.url() + "public/quintora/ver.asp", target, {}));
        EXPECT_EQ(data.read("temp/v.txt"), "1.2.3");
    }
    {
        // Another port is another origin, as another host would be.
        CannedServer elsewhere({redirect(server->url() + "public/quintora/ver.asp")});
        content.write("version.txt", "9.9.9");
        EXPECT_FALSE(downloadFile(elsewhere.url() + "public/quintora/ver.asp", target, {}));
        EXPECT_EQ(data.read("temp/v.txt"), "1.2.3");
    }
}

TEST_F(NetFixture, VersionCheckReadsTheFirstLineAndRemovesTheFile) {
    content.write("version.txt", "1.3.0\r\n");
    const auto download = makeDownload();
    auto outcome = checkServerVersion(download, server->url(), temp(), "1.2.15");
    EXPECT_EQ(outcome.kind, VersionOutcome::Kind::RemoteNewer);
    EXPECT_EQ(outcome.remote, "1.3.0");
    EXPECT_EQ(filesIn(temp()), 0u);
    EXPECT_EQ(checkServerVersion(download, server->url(), temp(), "1.3.0").kind,
              VersionOutcome::Kind::Current);
    EXPECT_EQ(checkServerVersion(download, server->url(), temp(), "1.3.0.1").kind,
              VersionOutcome::Kind::NotComparable);
    EXPECT_EQ(checkServerVersion(download, refusedUrl(), temp(), "1.3.0").kind,
              VersionOutcome::Kind::Unreachable);
}

TEST_F(NetFixture, LanguageUpdateStoresTxtAsLngAndKeepsWhatFails) {
    content.write("lingue/lista.txt",
                  "english.txt\r\n../evil.txt\r\nsub/x.txt\r\nmissing.txt\r\nbroken.txt\r\n");
    content.write("lingue/english.txt", "[frmMAIN]\r\nfrmMAIN.Caption=Quintora\r\n[Strings]\r\n");
    content.write("lingue/broken.txt", "<html>not a language file</html>");
    content.write("evil.txt", "[x]\r\n");
    data.write("english.lng", "old english");
    data.write("broken.lng", "old broken");

    const auto report = updateLanguageFiles(makeDownload(), server->url(), temp(), data.path());
    ASSERT_TRUE(report);
    EXPECT_EQ(report.value().stored, std::vector<std::string>{"english.lng"});
    EXPECT_EQ(report.value().problems.size(), 4u); // two hostile names, one missing, one broken
    EXPECT_EQ(data.read("english.lng"), "[frmMAIN]\r\nfrmMAIN.Caption=Quintora\r\n[Strings]\r\n");
    EXPECT_EQ(data.read("broken.lng"), "old broken");
    EXPECT_FALSE(std::filesystem::exists(data.file("evil.lng")));
    EXPECT_FALSE(std::filesystem::exists(content.path() + "/../evil.lng"));
    EXPECT_EQ(filesIn(temp()), 0u);
}

TEST_F(NetFixture, LanguageUpdateWithoutListChangesNothing) {
    data.write("english.lng", "old english");
    EXPECT_FALSE(updateLanguageFiles(makeDownload(), server->url(), temp(), data.path()));
    EXPECT_EQ(data.read("english.lng"), "old english");
}

TEST_F(NetFixture, MatrixDownloadStoresWholeMatricesOnly) {
    std::filesystem::copy_file(QUINTORA_SHIPPED_MATRICES "/V7T3M3.DAT",
                               content.file("matrici/V7T3M3.DAT"));
    content.write("matrici/lista.txt", "v7t3m3.dat\nbroken.dat\n..\\x.dat\n");
    content.write("matrici/BROKEN.DAT", "garbage");
    std::filesystem::create_directories(data.file("matrici"));
    data.write("matrici/BROKEN.mzor", "old");

    const auto report =
        updateMatrixFiles(makeDownload(), server->url(), temp(), data.file("matrici"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report.value().stored, std::vector<std::string>{"V7T3M3.mzor"});
    EXPECT_EQ(report.value().problems.size(), 2u);
    EXPECT_EQ(data.read("matrici/V7T3M3.mzor"), content.read("matrici/V7T3M3.DAT"));
    EXPECT_EQ(data.read("matrici/BROKEN.mzor"), "old");
    EXPECT_EQ(filesIn(temp()), 0u);
}

} // namespace
} // namespace quintora
