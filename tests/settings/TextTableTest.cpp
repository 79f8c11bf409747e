#include "settings/TextTable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>

using namespace quintora;

namespace {

namespace fs = std::filesystem;

const std::string SourceRoot = QUINTORA_SOURCE_ROOT;

TextTable tableOf(const std::string& strings, char thousands = ',') {
    return TextTable(LanguageFile::fromBytes("[Strings]\r\n" + strings), thousands);
}

std::set<std::string> placeholdersOf(const std::string& entry) {
    std::set<std::string> found;
    static const std::regex placeholder("%[1-9]");
    for (auto it = std::sregex_iterator(entry.begin(), entry.end(), placeholder);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

} // namespace

TEST(TextTable, FillsEntriesInTheirLanguage) {
    const auto english = tableOf("0741=\"Line %1: %2\"\r\n"
                                 "0743=\"%1 is not a number\"\r\n"
                                 "0900=\"%2 before %1\"\r\n"
                                 "0901=\"Two\\nlines\"\r\n");
    struct Case {
        const char* name;
        Message message;
        std::string english;
        std::string italian;
    };
    const Case cases[] = {
        {"a value that is an entry", Message{741, {"3", Message{743, {"\"x\""}}}},
         "Line 3: \"x\" is not a number", "Riga 3: \"x\" non e' un numero"},
        {"values in the entry's order", Message{900, {"a", "b"}}, "b before a", "b before a"},
        {"a value holding %2 stays", Message{741, {"%2", "x"}}, "Line %2: x", "Riga %2: x"},
        {"a missing value keeps its place", Message{741, {"3"}}, "Line 3: %2", "Riga 3: %2"},
        {"counts grouped by the language", Message{743, {Message::count(200000)}},
         "200,000 is not a number", "200.000 non e' un numero"},
        {"lines keep their break", Message::lines({Message{901}, "ID : 7"}, "\r"),
         "Two\nlines\rID : 7", "Two\nlines\rID : 7"},
        {"plain text as it stands", Message{"a%1b"}, "a%1b", "a%1b"},
    };
    // 0900 and 0901 are no entries of the program's own file: the English file's are used.
    const auto own = tableOf("0741=\"Riga %1: %2\"\r\n0743=\"%1 non e' un numero\"\r\n"
                             "0900=\"%2 before %1\"\r\n0901=\"Two\\nlines\"\r\n",
                             '.');
    for (const auto& c : cases) {
        EXPECT_EQ(english.text(c.message), c.english) << c.name;
        EXPECT_EQ(own.text(c.message), c.italian) << c.name;
    }
}

TEST(TextTable, TakesWhatALanguageLacksFromTheProgramsOwn) {
    const auto partial = tableOf("0700=\"WARNING\"\r\n");
    EXPECT_EQ(partial.text(Message{700}), "WARNING");
    EXPECT_EQ(partial.text(Message{701}), "E R R O R E");
    EXPECT_EQ(TextTable::own().text(Message{701}), "E R R O R E");
    EXPECT_EQ(TextTable(LanguageFile{}, ',').text(Message{730}),
              "Questo file non puo' essere letto");
}

// Every entry a message of the program names is in the program's own file, and every entry
// of that file is in English with the same values.
TEST(TextTable, EveryEntryOfTheProgramIsInBothLanguages) {
    const auto italian = LanguageFile::load(SourceRoot + "/data/italiano.lng");
    const auto english = LanguageFile::load(SourceRoot + "/data/english.lng");
    ASSERT_FALSE(italian.empty());
    ASSERT_FALSE(english.empty());
    for (const auto& key : italian.keys("Strings")) {
        const auto own = italian.value("Strings", key);
        const auto translated = english.value("Strings", key);
        EXPECT_FALSE(translated.empty()) << key;
        EXPECT_EQ(placeholdersOf(own), placeholdersOf(translated)) << key;
    }
    for (const int named : {WithFileName, WithReason}) {
        EXPECT_FALSE(TextTable::own().entry(named).empty()) << named;
    }
    static const std::regex named(R"(Message\{(\d{1,4})\b)");
    int seen = 0;
    for (const auto& file : fs::recursive_directory_iterator(SourceRoot + "/src")) {
        const auto ext = file.path().extension();
        if (ext != ".cpp" && ext != ".h") {
            continue;
        }
        std::ifstream in(file.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        for (auto it = std::sregex_iterator(source.begin(), source.end(), named);
             it != std::sregex_iterator(); ++it) {
            const std::string id = (*it)[1].str();
            ++seen;
            EXPECT_FALSE(TextTable::own().entry(std::stoi(id)).empty())
                << file.path().string() << ": entry " << id;
        }
    }
    EXPECT_GT(seen, 0);
}
