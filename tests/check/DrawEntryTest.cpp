// The check dialog's fields: their texts, and the validation in its order.
#include "check/DrawEntry.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(DrawEntry, FieldValuesAndTexts) {
    const std::pair<const char*, int> values[] = {{"", 0},   {"07", 7}, {"7", 7},  {"7_", 7},
                                                  {"__", 0}, {" 9", 9}, {"_9", 0}, {"55", 55},
                                                  {"0", 0},  {"x1", 0}};
    for (const auto& [text, value] : values) {
        EXPECT_EQ(entryFieldValue(text), value) << text;
    }
    EXPECT_EQ(entryFieldText(7), "07");
    EXPECT_EQ(entryFieldText(0), "");
    EXPECT_EQ(entryFieldText(42), "42");
}

TEST(DrawEntry, InitShowsTheCombinationAndLeavingAFieldStoresIt) {
    WinningCombination w;
    w.numbers = {5, 12, 0, 34, 45};
    w.euro = {3, 0};
    EXPECT_EQ(entryFieldsOf(w), (EntryFields{"05", "12", "", "34", "45", "03", ""}));

    storeLeftField(w, 2, "23");
    storeLeftField(w, 6, "8");
    storeLeftField(w, 0, "");   // an empty field keeps the stored value
    storeLeftField(w, 1, "00"); // so does 0
    EXPECT_EQ(w.numbers, (std::array<std::uint8_t, 5>{5, 12, 23, 34, 45}));
    EXPECT_EQ(w.euro, (std::array<std::uint8_t, 2>{3, 8}));
}

TEST(DrawEntry, ValidationOrderMessagesAndFocus) {
    struct Case {
        const char* name;
        EntryFields fields;
        const char* title; // nullptr: valid
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"valid", {"1", "2", "3", "4", "7", "7", "3"}, nullptr, nullptr, 0},
        {"Euro equal to a main number",
         {"45", "2", "7", "31", "9", "9", "10"},
         nullptr,
         nullptr,
         0},
        {"duplicate",
         {"5", "12", "5", "34", "45", "3", "8"},
         "Colonna Errata",
         "Duplicazione di numeri",
         0},
        {"duplicate high",
         {"5", "12", "45", "34", "45", "3", "8"},
         "Colonna Errata",
         "Duplicazione di numeri",
         3},
        {"two empty",
         {"5", "", "23", "", "45", "3", "8"},
         "Colonna Errata",
         "Duplicazione di numeri",
         0},
        {"duplicate before equal Euro",
         {"5", "5", "23", "34", "45", "3", "3"},
         "Colonna Errata",
         "Duplicazione di numeri",
         0},
        {"equal Euro",
         {"5", "12", "23", "34", "45", "3", "3"},
         "!!! E R R O R E !!!",
         "Combinazione errata",
         0},
        {"equal Euro values",
         {"5", "12", "23", "34", "45", "07", "7"},
         "!!! E R R O R E !!!",
         "Combinazione errata",
         0},
        {"both Euro empty",
         {"5", "12", "23", "34", "45", "", ""},
         "!!! E R R O R E !!!",
         "Combinazione errata",
         0},
        {"equal Euro before a main 0",
         {"5", "", "23", "34", "45", "3", "3"},
         "!!! E R R O R E !!!",
         "Combinazione errata",
         0},
        {"one empty",
         {"5", "12", "", "34", "45", "3", "8"},
         "Colonna Errata",
         "Valore 0 non ammesso",
         0},
        {"main 51",
         {"51", "12", "23", "34", "45", "3", "8"},
         "Colonna Errata",
         "Valore 51 non ammesso",
         4},
        {"main 55 before Euro 11",
         {"5", "55", "23", "34", "45", "11", "8"},
         "Colonna Errata",
         "Valore 55 non ammesso",
         4},
        {"Euro 11",
         {"5", "12", "23", "34", "45", "11", "8"},
         "Colonna Errata",
         "Valore 11 non ammesso",
         5},
        {"Euro 12 second",
         {"5", "12", "23", "34", "45", "3", "12"},
         "Colonna Errata",
         "Valore 12 non ammesso",
         6},
        {"Euro empty",
         {"5", "12", "23", "34", "45", "3", ""},
         "Colonna Errata",
         "Valore 0 non ammesso",
         6},
    };
    for (const auto& c : cases) {
        const auto check = checkEntry(c.fields);
        if (c.title == nullptr) {
            EXPECT_FALSE(check.problem.has_value())
                << c.name << ": " << ownLanguageText(check.problem->message);
            continue;
        }
        ASSERT_TRUE(check.problem.has_value()) << c.name;
        EXPECT_EQ(ownLanguageText(check.problem->title), c.title) << c.name;
        EXPECT_EQ(ownLanguageText(check.problem->message), c.message) << c.name;
        EXPECT_EQ(check.problem->focusField, c.focus) << c.name;
        // Entries, not sentences: a view in another language says the same.
        EXPECT_EQ(check.problem->title.kind(), Message::Kind::Entry) << c.name;
        EXPECT_EQ(check.problem->message.kind(), Message::Kind::Entry) << c.name;
    }
}

TEST(DrawEntry, MainFieldsAreSortedAlsoWhenALaterStepFails) {
    const auto valid = checkEntry({"45", "5", "34", "12", "23", "8", "3"});
    ASSERT_FALSE(valid.problem.has_value());
    EXPECT_EQ(valid.fields, (EntryFields{"5", "12", "23", "34", "45", "8", "3"}));
    EXPECT_EQ(valid.combination.numbers, (std::array<std::uint8_t, 5>{5, 12, 23, 34, 45}));
    EXPECT_EQ(valid.combination.euro, (std::array<std::uint8_t, 2>{8, 3}));

    const auto failed = checkEntry({"51", "", "07", "3", "20", "1", "2"});
    ASSERT_TRUE(failed.problem.has_value());
    EXPECT_EQ(failed.fields, (EntryFields{"", "3", "07", "20", "51", "1", "2"}));
    EXPECT_EQ(ownLanguageText(failed.problem->message), "Valore 0 non ammesso");
    EXPECT_EQ(failed.combination, WinningCombination{}); // nothing stored on a problem
}

TEST(DrawEntry, AnyOrderGivesTheSameCombination) {
    const EntryFields base{"5", "12", "23", "34", "45", "3", "8"};
    EntryFields fields = base;
    std::sort(fields.begin(), fields.begin() + 5);
    do {
        const auto check = checkEntry(fields);
        ASSERT_FALSE(check.problem.has_value());
        EXPECT_EQ(check.fields, base);
    } while (std::next_permutation(fields.begin(), fields.begin() + 5));
}
