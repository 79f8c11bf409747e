#include "settings/LanguageFile.h"

#include "ScratchFolder.h"
#include "settings/Language.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quintora;

namespace {

const std::string smallFile = "[frmSpoglio]\r\n"
                              "frmSpoglio.Caption=\"Check\"\r\n"
                              "lblCategoria(3).Caption=Third\r\n"
                              "cmdOk.Caption=\r\n"
                              "long.Tag=" +
                              std::string(600, 'x') +
                              "\r\n"
                              "[FRMSPOGLIO]\r\n"
                              "later.Caption=never\r\n"
                              "[Strings]\r\n"
                              "0001=Caff\xE8\r\n";

// Larger than the 64,000 bytes above which a language file once lost its sections.
std::string largeFile() {
    std::string text = "[frmA]\r\n"
                       "shared.Caption=\"from A\"\r\n"
                       "lblX.CaptionLong=\"long first\"\r\n"
                       "lblX.Caption=\"short\"\r\n"
                       "bare.Tag=abc\r\n"
                       "empty.Caption=\r\n";
    for (int i = 0; text.size() <= 64000; ++i) {
        text += "lbl(" + std::to_string(i) + ").Caption=\"Label " + std::to_string(i) + "\"\r\n";
    }
    text += "[frmB]\r\nshared.Caption=\"from B\"\r\nonlyB.Caption=\"B \xE8\"\r\n";
    return text;
}

struct ValueCase {
    const char* section;
    const char* key;
    std::string expected;
};

void expectValues(const std::string& path, const std::vector<ValueCase>& cases) {
    const LanguageFile loaded = LanguageFile::load(path);
    for (const ValueCase& c : cases) {
        EXPECT_EQ(readIniValue(path, c.section, c.key), c.expected) << c.section << " " << c.key;
        EXPECT_EQ(loaded.value(c.section, c.key), c.expected) << c.section << " " << c.key;
    }
}

TEST(LanguageFile, SmallFileFollowsTheIniRules) {
    ScratchFolder folder;
    expectValues(folder.write("it.lng", smallFile),
                 {{"frmSpoglio", "frmSpoglio.Caption", "Check"},
                  {"FRMspoglio", "LBLcategoria(3).caption", "Third"},
                  {"frmSpoglio", "lblCategoria(2).Caption", ""},
                  {"frmSpoglio", "cmdOk.Caption", ""},
                  {"frmSpoglio", "long.Tag", std::string(511, 'x')},
                  {"frmSpoglio", "later.Caption", ""},
                  {"frmAltro", "frmSpoglio.Caption", ""},
                  {"Strings", "0001", "Caff\xC3\xA8"}});
}

TEST(LanguageFile, LargeFileFollowsTheIniRulesToo) {
    ScratchFolder folder;
    expectValues(folder.write("big.lng", largeFile()),
                 {{"frmB", "shared.Caption", "from B"},
                  {"frmA", "shared.Caption", "from A"},
                  {"frmA", "onlyB.Caption", ""}, // another section's key
                  {"frmB", "onlyB.Caption", "B \xC3\xA8"},
                  {"frmA", "lbl(123).Caption", "Label 123"},
                  {"frmA", "lblX.Caption", "short"},
                  {"frmA", "bare.Tag", "abc"},
                  {"frmA", "empty.Caption", ""},
                  {"frmA", "missing.Caption", ""},
                  {"frmA", "", ""}});
}

TEST(LanguageFile, FileOverTheLimitAnswersEmpty) {
    ScratchFolder folder;
    std::string text = "[Strings]\r\n0001=\"first\"\r\n";
    text.resize(LanguageFile::MaxFileBytes + 1, '\n');
    EXPECT_TRUE(LanguageFile::fromBytes(text).empty());
    EXPECT_EQ(readIniValue(folder.write("huge.lng", text), "Strings", "0001"), "");
    text.resize(LanguageFile::MaxFileBytes);
    EXPECT_EQ(LanguageFile::fromBytes(text).value("Strings", "0001"), "first");
}

TEST(LanguageFile, KeysOfASection) {
    const LanguageFile small = LanguageFile::fromBytes(smallFile);
    EXPECT_EQ(small.keys("STRINGS"), std::vector<std::string>{"0001"});
    EXPECT_EQ(small.keys("frmSpoglio"),
              (std::vector<std::string>{"CMDOK.CAPTION", "FRMSPOGLIO.CAPTION",
                                        "LBLCATEGORIA(3).CAPTION", "LONG.TAG"}));
    EXPECT_TRUE(small.keys("none").empty());
    // A large file keeps its sections.
    EXPECT_EQ(LanguageFile::fromBytes(largeFile()).keys("frmB"),
              (std::vector<std::string>{"ONLYB.CAPTION", "SHARED.CAPTION"}));
}

TEST(LanguageFile, MissingOrUnreadableFileAnswersEmpty) {
    ScratchFolder folder;
    EXPECT_EQ(readIniValue(folder.file("none.lng"), "Strings", "0001"), "");
    EXPECT_TRUE(LanguageFile::load(folder.file("none.lng")).empty());
    EXPECT_TRUE(LanguageFile::load(folder.path()).empty()); // a folder, not a file
    EXPECT_TRUE(LanguageFile::fromBytes("").empty());
    EXPECT_EQ(LanguageFile::fromBytes(std::string("\0\xFF[\n=\"", 6)).value("", ""), "");
}

TEST(LanguageFile, PathsAndTheListOfLanguages) {
    EXPECT_EQ(languageFilePath("/data", "english"), "/data/english.lng");
    EXPECT_EQ(languageFilePath("/data/", "english"), "/data/english.lng");

    ScratchFolder folder;
    for (const char* name : {"italiano.lng", "english.lng", "notes.txt", "upper.LNG", ".lng"}) {
        folder.write(name, "");
    }
    std::filesystem::create_directory(folder.file("dir.lng"));
    EXPECT_EQ(availableLanguages(folder.path()), (std::vector<std::string>{"english", "italiano"}));
    EXPECT_TRUE(availableLanguages(folder.file("missing")).empty());
}

TEST(Language, SelectNeedsAnExistingFile) {
    ScratchFolder folder;
    folder.write("english.lng", "");
    Language language(folder.path());
    EXPECT_TRUE(language.select("english"));
    EXPECT_FALSE(language.select("deutsch"));
    EXPECT_FALSE(language.select("../english"));
    EXPECT_FALSE(language.select(""));
    EXPECT_EQ(language.name(), "english");
    EXPECT_EQ(language.filePath(), folder.file("english.lng"));
}

TEST(Language, GetLangStringReadsTheNamedFile) {
    ScratchFolder folder;
    // The name is the settings' business: a settings file beside the languages is not read.
    folder.write("quintora.ini", "[IMPOSTAZIONI]\r\nLINGUA=italiano\r\n");
    folder.write("english.lng", "[Strings]\r\n0001=\"Hello\"\r\n0021=Bye\r\n");
    Language language(folder.path(), "english");
    EXPECT_EQ(language.getLangString(text::IntegralColumns), "Hello");
    EXPECT_EQ(language.name(), "english");
    EXPECT_EQ(language.getLangString(text::GuaranteeAndDistanceExclusiveAgain), "Bye");
    EXPECT_EQ(language.getLangString(TextId{99}), "");
    EXPECT_EQ(language.load().value("strings", "0001"), "Hello");
    // A file replaced while the program runs (a language update) is read again.
    folder.write("english.lng", "[Strings]\r\n0001=\"Hello again\"\r\n");
    EXPECT_EQ(language.getLangString(text::IntegralColumns), "Hello again");

    Language unnamed(folder.path());
    EXPECT_EQ(unnamed.getLangString(text::IntegralColumns), "");
}

// The text table is kept between messages, and built again when the language or its file
// changes, even to a file of the same size.
TEST(Language, TextsFollowTheLanguageAndItsFile) {
    ScratchFolder folder;
    const std::string english = folder.write("english.lng", "[Strings]\r\n0103=\"Quit?\"\r\n");
    folder.write("other.lng", "[Strings]\r\n0103=\"Exit?\"\r\n");
    Language language(folder.path(), "english");
    const Message exit{text::ExitQuestion};
    const Message counted{text::MemoryCapacityColumns, {Message::count(200000)}};
    EXPECT_EQ(language.text(exit), "Quit?");
    EXPECT_EQ(language.text(counted),
              "Capienza memoria 200,000 colonne"); // own text, English digits

    const auto written = std::filesystem::last_write_time(english);
    folder.write("english.lng", "[Strings]\r\n0103=\"Stop?\"\r\n");
    std::filesystem::last_write_time(english, written + std::chrono::seconds(1));
    EXPECT_EQ(language.text(exit), "Stop?");

    ASSERT_TRUE(language.select("other"));
    EXPECT_EQ(language.text(exit), "Exit?");
    EXPECT_EQ(language.text(counted), "Capienza memoria 200.000 colonne");
}

} // namespace
