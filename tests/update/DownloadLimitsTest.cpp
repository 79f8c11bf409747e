// Every download the updates make asks for its own limits: 15 s without data, and a total that
// a trickling server cannot stretch (60 s, 3 s for the version check at start-up).
#include "archive/Draw.h"
#include "files/FileIo.h"
#include "update/ServerUpdates.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace quintora {
namespace {

using namespace std::chrono_literals;

TEST(DownloadLimits, EachUseAsksForItsOwnLimits) {
    const auto temp =
        std::filesystem::temp_directory_path() /
        ("quintora-limits-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(temp);
    const std::map<std::string, std::string> served = {
        {"http://h/public/risorse/lingue/lista.txt", "english.txt\n"},
        {"http://h/public/risorse/lista.asp?K=05", "V7T3M3.DAT\n"},
    };
    std::map<std::string, DownloadLimits> asked;
    const Download download = [&](const std::string& url, const std::string& target,
                                  const DownloadLimits& limits) -> Status {
        asked[url] = limits;
        const auto found = served.find(url);
        if (found == served.end()) {
            return Error{"", "404"};
        }
        return writeFileAtomically(target, found->second);
    };
    DrawArchive archive;
    const std::string t = temp.string();
    (void)checkServerVersion(download, "http://h/", t, "1.0.0");
    (void)updateArchiveFromServer(download, "http://h/", archive, t + "/a.txt", t + "/a.dat");
    (void)updateLanguageFiles(download, "http://h/", t, t);
    (void)updateMatrixFiles(download, "http://h/", t, t);
    (void)downloadLanguageCredits(download, "http://h/", t);
    std::filesystem::remove_all(temp);

    const struct {
        const char* url;
        std::chrono::milliseconds total;
    } uses[] = {
        {"http://h/public/quintora/ver.asp", 3s},
        {"http://h/quintora/archivio.asp", 60s},
        {"http://h/public/risorse/lingue/lista.txt", 60s},
        {"http://h/public/risorse/lingue/english.txt", 60s},
        {"http://h/public/risorse/lista.asp?K=05", 60s},
        {"http://h/public/risorse/matrici/download.aspx?file=V7T3M3.DAT", 60s},
        {"http://h/public/risorse/lingue/thankstolingue.txt", 60s},
    };
    ASSERT_EQ(asked.size(), std::size(uses));
    for (const auto& use : uses) {
        SCOPED_TRACE(use.url);
        ASSERT_TRUE(asked.contains(use.url));
        const DownloadLimits& limits = asked.at(use.url);
        EXPECT_EQ(limits.total, use.total);
        EXPECT_EQ(limits.idle, std::min<std::chrono::milliseconds>(15s, use.total));
        EXPECT_GT(limits.maxBytes, 0u);
        EXPECT_LE(limits.maxBytes, 64u << 20);
    }
}

// A command's deadline shortens each download to the time left, and once none is left the
// downloads fail at once without being tried.
TEST(DownloadLimits, ADeadlineBoundsEveryDownloadOfACommand) {
    std::vector<DownloadLimits> given;
    const Download recording = [&](const std::string&, const std::string&,
                                   const DownloadLimits& limits) -> Status {
        given.push_back(limits);
        return success();
    };
    const auto now = std::chrono::steady_clock::now();
    const Download soon = withDeadline(recording, now + 5s);
    ASSERT_TRUE(soon("http://h/a", "a", downloadlimits::LanguageFile));
    ASSERT_EQ(given.size(), 1u);
    EXPECT_LE(given[0].total, 5s);
    EXPECT_LE(given[0].idle, 5s);
    EXPECT_GT(given[0].total, 0ms);
    EXPECT_EQ(given[0].maxBytes, downloadlimits::LanguageFile.maxBytes);

    const Download late = withDeadline(recording, now + 1h);
    ASSERT_TRUE(late("http://h/a", "a", downloadlimits::LanguageFile));
    EXPECT_EQ(given[1].total, downloadlimits::LanguageFile.total); // its own limits are shorter

    const Download past = withDeadline(recording, now - 1ms);
    const auto refused = past("http://h/b", "b", downloadlimits::LanguageFile);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("il tempo del comando e' scaduto"), std::string::npos)
        << refused.error().message;
    EXPECT_EQ(given.size(), 2u);
}

} // namespace
} // namespace quintora
