#include "update/ServerList.h"

#include "update/ServerPaths.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

TEST(PlainName, RefusesWhatCouldLeaveItsFolder) {
    for (const char* good : {"english.txt", "V10T3M3.DAT", "lingua nuova.txt", "a-b_c~1"}) {
        EXPECT_TRUE(isPlainName(good)) << good;
    }
    for (const std::string& bad :
         std::vector<std::string>{"", "../x.txt", "a/b.txt", "a\\b.txt", "..", "x..txt", "C:x.txt",
                                  ".hidden", std::string("a\0b", 3), "a\tb", "a\x7f", "caf\xe9.txt",
                                  "/etc/passwd", std::string(MaxNameLength + 1, 'a')}) {
        EXPECT_FALSE(isPlainName(bad)) << bad;
    }
}

TEST(NameList, SkipsHostileLinesWithAMessageAndKeepsTheRest) {
    const auto list =
        readNameList(" v7t3m3.dat \r\n\r\n../../etc/passwd\nA\\B.DAT\nv8t3m3.dat", true);
    EXPECT_EQ(list.names, (std::vector<std::string>{"V7T3M3.DAT", "V8T3M3.DAT"}));
    ASSERT_EQ(list.skipped.size(), 2u);
    EXPECT_NE(ownLanguageText(list.skipped[0]).find("../../etc/passwd"), std::string::npos);
}

TEST(NameList, LanguageNamesKeepTheirCase) {
    EXPECT_EQ(readNameList("English.txt\n", false).names, std::vector<std::string>{"English.txt"});
}

TEST(StoredLanguageName, TxtBecomesLng) {
    EXPECT_EQ(storedLanguageName("english.txt"), "english.lng");
    EXPECT_EQ(storedLanguageName("Deutsch.TXT"), "Deutsch.lng");
    EXPECT_EQ(storedLanguageName("english.lng"), std::nullopt);
    EXPECT_EQ(storedLanguageName(".txt"), std::nullopt);
}

TEST(ServerPaths, UrlsKeepOneSlashAndEncodeNames) {
    EXPECT_EQ(serverUrl("http://127.0.0.1:8642/", "quintora/archivio.asp"),
              "http://127.0.0.1:8642/quintora/archivio.asp");
    EXPECT_EQ(serverUrl(" http://host", "public/quintora/ver.asp"),
              "http://host/public/quintora/ver.asp");
    EXPECT_EQ(matrixFileUrl("http://h/", "V7 T3.DAT"),
              "http://h/public/risorse/matrici/download.aspx?file=V7%20T3.DAT");
    EXPECT_EQ(languageFileUrl("http://h", "english.txt"),
              "http://h/public/risorse/lingue/english.txt");
    EXPECT_EQ(percentEncoded("a/b?c&d"), "a%2Fb%3Fc%26d");
}

} // namespace
} // namespace quintora
