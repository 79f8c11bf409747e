#include "settings/IniFile.h"

#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using quintora::IniFile;

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FollowsTheWindowsRules) {
    const ReadCase& c = GetParam();
    ScratchFolder folder;
    const IniFile ini(folder.write("a.ini", c.text));
    EXPECT_EQ(ini.find(c.section, c.key), c.expected);
    EXPECT_EQ(ini.getProperty(c.section, c.key), c.expected.value_or(""));
    EXPECT_EQ(ini.getProperty(c.section, c.key, "dflt"), c.expected.value_or("dflt"));
    EXPECT_EQ(quintora::IniDocument(c.text).find(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    testing::Values(
        ReadCase{"crlf", "[A]\r\nk=v\r\n", "A", "k", "v"},
        ReadCase{"noFinalLineEnd", "[A]\nk=v", "A", "k", "v"},
        ReadCase{"caseOfNames", "[Impostazioni]\nLingua=it\n", "IMPOSTAZIONI", "LINGUA", "it"},
        ReadCase{"caseOfAccentedNames", "[CITT\xC0]\nk=1\n", "citt\xC3\xA0", "K", "1"},
        ReadCase{"firstSectionWins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
        ReadCase{"onlyFirstSectionRead", "[A]\nk=1\n[a]\nj=3\n", "A", "j", std::nullopt},
        ReadCase{"firstKeyWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        ReadCase{"blanksTrimmed", "[A]\n  k \t=   v w  \t\n", "A", "k", "v w"},
        ReadCase{"sectionBlanks", "  [ A ] ; note\nk=1\n", "A", "k", "1"},
        ReadCase{"doubleQuotes", "[A]\nk= \" v \" \n", "A", "k", " v "},
        ReadCase{"singleQuotes", "[A]\nk='x'\n", "A", "k", "x"},
        ReadCase{"onePairOnly", "[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        ReadCase{"mismatchedQuotesKept", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
        ReadCase{"loneQuoteKept", "[A]\nk=\"\n", "A", "k", "\""},
        ReadCase{"emptyValue", "[A]\nk=\n", "A", "k", ""},
        ReadCase{"equalsInValue", "[A]\nk=a=b\n", "A", "k", "a=b"},
        ReadCase{"cutTo255", "[A]\nk=" + std::string(300, 'a') + "\n", "A", "k",
                 std::string(255, 'a')},
        ReadCase{"cutAfterQuotes", "[A]\nk=\"" + std::string(255, 'b') + "\"\n", "A", "k",
                 std::string(255, 'b')},
        ReadCase{"cutAtNul", std::string("[A]\nk=ab\0cd\n", 12), "A", "k", "ab"},
        ReadCase{"windows1252Value", "[A]\nk=caff\xE8 \x80\n", "A", "k",
                 "caff\xC3\xA8 \xE2\x82\xAC"},
        ReadCase{"loneCrInValue", "[A]\r\nk=a\rb=c\r\nb=d\r\n", "A", "k", "a\rb=c"},
        ReadCase{"loneCrEndsNoLine", "[A]\rk=1\n", "A", "k", std::nullopt},
        ReadCase{"missingKey", "[A]\nk=1\n", "A", "j", std::nullopt},
        ReadCase{"missingSection", "[A]\nk=1\n", "B", "k", std::nullopt},
        ReadCase{"keyOfOtherSection", "[B]\nk=1\n[A]\nj=2\n", "A", "k", std::nullopt},
        ReadCase{"keyBeforeAnySection", "k=1\n[A]\n", "A", "k", std::nullopt},
        ReadCase{"commentNotAKey", "[A]\n;k=1\nk=2\n", "A", "k", "2"},
        ReadCase{"lineWithoutEquals", "[A]\nk\nk=2\n", "A", "k", "2"},
        ReadCase{"garbage", std::string("\xFF\xFE\0[\n=\n[[]]\n", 12), "A", "k", std::nullopt}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(IniFile, MissingFileReadsAsEmpty) {
    ScratchFolder folder;
    const IniFile ini(folder.file("none.ini"));
    EXPECT_EQ(ini.getProperty("A", "k"), "");
    EXPECT_EQ(ini.getProperty("A", "k", "dflt"), "dflt");
    EXPECT_EQ(ini.getInt("A", "k"), -1);
}

TEST(IniFile, GetIntIsMinusOneUnlessAWholeNumber) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12},  {" 7 ", 7},    {"-3", -3},  {"+4", 4}, {"\"5\"", 5},
        {"abc", -1}, {"12abc", -1}, {"1.5", -1}, {"", -1},  {"99999999999", -1},
    };
    ScratchFolder folder;
    for (const auto& [text, expected] : cases) {
        const IniFile ini(folder.write("a.ini", std::string("[A]\nk=") + text + "\n"));
        EXPECT_EQ(ini.getInt("A", "k"), expected) << text;
    }
    EXPECT_EQ(IniFile(folder.file("a.ini")).getInt("A", "missing"), -1);
}

struct WriteCase {
    const char* name;
    std::optional<std::string> before; // nullopt: no file yet
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class IniWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, KeepsEveryOtherLine) {
    const WriteCase& c = GetParam();
    ScratchFolder folder;
    if (c.before) {
        folder.write("a.ini", *c.before);
    }
    IniFile ini(folder.file("a.ini"));
    ASSERT_TRUE(ini.setProperty(c.section, c.key, c.value).ok());
    EXPECT_EQ(folder.read("a.ini"), c.after);
    EXPECT_EQ(ini.getProperty(c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    testing::Values(
        WriteCase{"replaceInPlace", "; top\r\n[A]\r\nk = old\r\n; note\r\nj=2\r\n", "a", "K", "new",
                  "; top\r\n[A]\r\nk = new\r\n; note\r\nj=2\r\n"},
        WriteCase{"lfBecomesCrLf", "[A]\nj=1\n[B]\nk=1", "B", "k", "2",
                  "[A]\r\nj=1\r\n[B]\r\nk=2\r\n"},
        WriteCase{"appendToSection", "[A]\nj=1\n\n[B]\nx=1\n", "A", "k", "v",
                  "[A]\r\nj=1\r\nk=v\r\n\r\n[B]\r\nx=1\r\n"},
        WriteCase{"appendToEmptySection", "[A]\n\n[B]\n", "A", "k", "v",
                  "[A]\r\nk=v\r\n\r\n[B]\r\n"},
        WriteCase{"newSection", "[A]\nj=1", "B", "k", "v", "[A]\r\nj=1\r\n\r\n[B]\r\nk=v\r\n"},
        WriteCase{"newFile", std::nullopt, "A", "k", "v", "[A]\r\nk=v\r\n"},
        WriteCase{"firstOfDuplicateSections", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "3",
                  "[A]\r\nk=3\r\n[a]\r\nk=2\r\n"},
        WriteCase{"emptyValue", "[A]\nk=1\n", "A", "k", "", "[A]\r\nk=\r\n"},
        WriteCase{"outerBlanksQuoted", "", "A", "k", " x ", "[A]\r\nk=\" x \"\r\n"},
        WriteCase{"outerQuotesQuoted", "", "A", "k", "\"q\"", "[A]\r\nk=\"\"q\"\"\r\n"},
        WriteCase{"windows1252OnDisk", "", "A", "k", "caff\xC3\xA8", "[A]\r\nk=caff\xE8\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

// Values as they stand in files written by the program (CR LF, stored form), which a read
// and a save of the same value must leave as they are, byte for byte.
class IniValueRoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(IniValueRoundTrip, AReadValueSavesBackUnchanged) {
    const std::string before = "[A]\r\nk=" + GetParam() + "\r\nj=1\r\n";
    ScratchFolder folder;
    IniFile ini(folder.write("a.ini", before));
    const auto value = ini.find("A", "k");
    ASSERT_TRUE(value.has_value());
    ASSERT_TRUE(ini.setProperty("A", "k", *value).ok());
    EXPECT_EQ(folder.read("a.ini"), before);
    EXPECT_EQ(ini.find("A", "k"), value);
}

INSTANTIATE_TEST_SUITE_P(Values, IniValueRoundTrip,
                         testing::Values("plain", "ab\rcd", "\"x\r\"", "\"\r\"", "\"\rx\"",
                                         "caff\xE8 \x80", "a\x81\x8D\x8F\x90\x9Dz", "\" x \"",
                                         "\"'q'\""));

TEST(IniFile, EveryWindows1252ByteSurvivesAReadAndASave) {
    std::string bytes = "x";
    for (int b = 1; b < 256; ++b) {
        if (b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    bytes += 'x';
    const std::string before = "[A]\r\nk=" + bytes + "\r\n";
    ScratchFolder folder;
    IniFile ini(folder.write("a.ini", before));
    const auto value = ini.find("A", "k", 1000);
    ASSERT_TRUE(value.has_value());
    ASSERT_TRUE(ini.setProperty("A", "k", *value).ok());
    EXPECT_EQ(folder.read("a.ini"), before);
}

TEST(IniFile, ReadOnceAnswersEveryKeyFromMemory) {
    ScratchFolder folder;
    const IniFile ini(folder.write("a.ini", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n"));
    const quintora::IniDocument document = ini.read();
    std::filesystem::remove(ini.path());
    EXPECT_EQ(document.find("a", "K"), "1");
    EXPECT_EQ(document.find("B", "k"), "2");
    EXPECT_EQ(ini.find("A", "k"), std::nullopt);
}

TEST(IniFile, SetIntWritesDecimalText) {
    ScratchFolder folder;
    IniFile ini(folder.file("a.ini"));
    ASSERT_TRUE(ini.setInt("A", "n", -42).ok());
    EXPECT_EQ(folder.read("a.ini"), "[A]\r\nn=-42\r\n");
    EXPECT_EQ(ini.getInt("A", "n"), -42);
}

TEST(IniFile, RefusesNamesAndValuesThatWouldBreakTheFile) {
    const char* const before = "[A]\r\nk=1\r\n";
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"A", "a=b", "1"}, {"A", "", "1"},    {"A", " k", "1"}, {"A", "[k", "1"},
        {"A", ";k", "1"},  {"A]", "k", "1"},  {"", "k", "1"},   {"A", "k", "1\r\nj=2"},
        {"A", "k\n", "1"}, {"A\n", "k", "1"},
    };
    ScratchFolder folder;
    folder.write("a.ini", before);
    IniFile ini(folder.file("a.ini"));
    for (const auto& c : cases) {
        EXPECT_FALSE(ini.setProperty(c.section, c.key, c.value).ok()) << c.section << c.key;
    }
    EXPECT_FALSE(ini.setProperty("A", "k", std::string_view("a\0b", 3)).ok());
    EXPECT_EQ(folder.read("a.ini"), before);
}

TEST(IniFile, NeverOverwritesAFileItCannotRead) {
    ScratchFolder folder;
    const std::string path = folder.write("big.ini", "[A]\r\nk=1\r\n");
    std::filesystem::resize_file(path, IniFile::MaxFileBytes + 1);
    IniFile ini(path);
    EXPECT_EQ(ini.getProperty("A", "k"), "");
    EXPECT_FALSE(ini.setProperty("A", "k", "2").ok());
    EXPECT_EQ(std::filesystem::file_size(path), IniFile::MaxFileBytes + 1);
    EXPECT_EQ(folder.read("big.ini").substr(0, 10), "[A]\r\nk=1\r\n");
}

TEST(IniFile, SetPropertiesWritesAllKeysAtOnce) {
    ScratchFolder folder;
    folder.write("a.ini", "[A]\r\nb=old\r\n");
    IniFile ini(folder.file("a.ini"));
    const std::pair<std::string, std::string> values[] = {{"a", "1"}, {"b", "2"}, {"c", "3"}};
    ASSERT_TRUE(ini.setProperties("A", values).ok());
    EXPECT_EQ(folder.read("a.ini"), "[A]\r\nb=2\r\na=1\r\nc=3\r\n");
    const std::pair<std::string, std::string> bad[] = {{"a", "9"}, {"b=", "9"}};
    EXPECT_FALSE(ini.setProperties("A", bad).ok());
    EXPECT_EQ(ini.getProperty("A", "a"), "1");
}

} // namespace
