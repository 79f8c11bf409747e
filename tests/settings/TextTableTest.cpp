#include "settings/TextTable.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace quintora;

namespace {

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
        {"a value that is an entry",
         Message{text::AtLine, {"3", Message{text::NotANumber, {"\"x\""}}}},
         "Line 3: \"x\" is not a number", "Riga 3: \"x\" non e' un numero"},
        {"values in the entry's order", Message{TextId{900}, {"a", "b"}}, "b before a",
         "b before a"},
        {"a value holding %2 stays", Message{text::AtLine, {"%2", "x"}}, "Line %2: x",
         "Riga %2: x"},
        {"a missing value keeps its place", Message{text::AtLine, {"3"}}, "Line 3: %2",
         "Riga 3: %2"},
        {"counts grouped by the language", Message{text::NotANumber, {Message::count(200000)}},
         "200,000 is not a number", "200.000 non e' un numero"},
        {"lines keep their break", Message::lines({Message{TextId{901}}, "ID : 7"}, "\r"),
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
    EXPECT_EQ(partial.text(Message{text::WarningTitleCapitals}), "WARNING");
    EXPECT_EQ(partial.text(Message{text::ErrorTitle}), "E R R O R E");
    EXPECT_EQ(TextTable::own().text(Message{text::ErrorTitle}), "E R R O R E");
    EXPECT_EQ(TextTable(LanguageFile{}, ',').text(Message{text::FileCannotBeRead}),
              "Questo file non puo' essere letto");
}

// Every entry of the program's own file is in English with the same values.
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
}

// Every entry the program names is in both files, its values numbered %1..%N without a gap,
// and each language fills every value it is given.
TEST(TextTable, EveryNamedEntryRendersInBothLanguages) {
    const auto italian = LanguageFile::load(SourceRoot + "/data/italiano.lng");
    const auto english = LanguageFile::load(SourceRoot + "/data/english.lng");
    ASSERT_FALSE(italian.empty());
    ASSERT_FALSE(english.empty());
    const TextTable italianTable(italian, '.');
    const TextTable englishTable(english, ',');
    std::map<int, std::string_view> names;
    for (const auto& [name, id] : text::allNamedTexts()) {
        const auto [previous, added] = names.emplace(id.number(), name);
        EXPECT_TRUE(added) << name << " and " << previous->second << " name the same entry "
                           << entryKey(id);
        const std::string key = entryKey(id);
        const auto own = italian.value("Strings", key);
        const auto translated = english.value("Strings", key);
        EXPECT_FALSE(own.empty()) << name << ": entry " << key << " is missing in italiano.lng";
        EXPECT_FALSE(translated.empty())
            << name << ": entry " << key << " is missing in english.lng";
        const auto values = placeholdersOf(own);
        EXPECT_EQ(placeholdersOf(translated), values) << name << " (" << key << ")";
        std::set<std::string> expected;
        std::vector<Message> given;
        for (std::size_t n = 1; n <= values.size(); ++n) {
            expected.insert("%" + std::to_string(n));
            given.emplace_back("<" + std::to_string(n) + ">");
        }
        EXPECT_EQ(values, expected) << name << " (" << key << ") numbers its values with a gap";
        for (const TextTable* table : {&italianTable, &englishTable}) {
            const std::string shown = table->text(Message{id, given});
            EXPECT_TRUE(placeholdersOf(shown).empty()) << name << ": " << shown;
            for (const auto& value : given) {
                EXPECT_NE(shown.find(value.text()), std::string::npos) << name << ": " << shown;
            }
        }
    }
}
