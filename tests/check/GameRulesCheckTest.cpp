// The game rules (Euro 1..10 or 1..12) in the checks: what may be typed, and real draws of
// the shipped history that hold Euro 11 or 12.
#include "archive/ArchiveText.h"
#include "check/ArchiveCheck.h"
#include "check/DrawCheck.h"
#include "check/DrawEntry.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quintora;

namespace {

const std::string historyPath = std::string(QUINTORA_SHIPPED_DATA) + "/eurojackpot-draws.txt";

// The draws since today's game began that hold Euro 11 or 12.
std::vector<Draw> drawsWithElevenOrTwelve() {
    const auto history = readArchiveText(historyPath);
    EXPECT_TRUE(history.ok());
    std::vector<Draw> out;
    for (const Draw& d : history.value().draws) {
        if (d.euro[0] > 10 || d.euro[1] > 10) {
            out.push_back(d);
        }
    }
    return out;
}

EntryFields fieldsOf(const Draw& d) {
    EntryFields f;
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        f[k] = std::to_string(winningCombinationOf(d).field(k));
    }
    return f;
}

} // namespace

TEST(GameRules, RangeAndTheRulesASystemNeeds) {
    EXPECT_EQ(GameRules{}, GameRules::classic());
    EXPECT_EQ(GameRules::classic().euroMax(), 10);
    EXPECT_EQ(GameRules::current().euroMax(), 12);
    EXPECT_EQ(GameRules::withEuroMax(12), GameRules::current());
    for (const int bad : {0, 8, 11, 13}) {
        EXPECT_FALSE(GameRules::withEuroMax(bad)) << bad;
    }
    const struct {
        std::array<std::uint8_t, 2> euro;
        int needed;
    } cases[] = {{{3, 8}, 10}, {{10, 1}, 10}, {{11, 3}, 12}, {{2, 12}, 12}, {{0, 0}, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(GameRules::neededFor(c.euro).euroMax(), c.needed) << int{c.euro[0]};
    }
    EXPECT_TRUE(GameRules::current().covers(GameRules::classic()));
    EXPECT_FALSE(GameRules::classic().covers(GameRules::current()));
}

TEST(GameRules, TypedEuroNumbersFollowTheRules) {
    struct Case {
        int first;
        int second;
        int refusedUnder10; // 0: accepted
        int refusedUnder12;
    };
    const Case cases[] = {
        {1, 10, 0, 0}, {3, 11, 11, 0}, {12, 11, 12, 0}, {10, 13, 13, 13}, {0, 5, 0, 0},
    };
    for (const auto& c : cases) {
        const EntryFields fields{
            "1", "2", "3", "4", "5", std::to_string(c.first), std::to_string(c.second)};
        for (const auto& [rules, refused] : {std::pair{GameRules::classic(), c.refusedUnder10},
                                             std::pair{GameRules::current(), c.refusedUnder12}}) {
            SCOPED_TRACE(std::to_string(c.first) + "," + std::to_string(c.second) + " under " +
                         std::to_string(rules.euroMax()));
            const auto entry = checkEntry(fields, rules);
            if (c.first == 0) { // an empty field is never a Euro number
                ASSERT_TRUE(entry.problem);
                EXPECT_EQ(ownLanguageText(entry.problem->message), "Valore 0 non ammesso");
                continue;
            }
            if (refused == 0) {
                EXPECT_FALSE(entry.problem);
                EXPECT_EQ(entry.combination.euro[1], c.second);
            } else {
                ASSERT_TRUE(entry.problem);
                EXPECT_EQ(ownLanguageText(entry.problem->message),
                          "Valore " + std::to_string(refused) + " non ammesso");
                EXPECT_EQ(entry.problem->focusField, refused == c.first ? 5 : 6);
            }
        }
    }
}

TEST(GameRules, AnArchivedDrawIsCheckedAsItWasDrawnUnderBothRules) {
    const auto draws = drawsWithElevenOrTwelve();
    ASSERT_EQ(draws.size(), 141U); // every one since 25/03/2022
    for (const Draw& d : draws) {
        SCOPED_TRACE(d.dateText());
        for (const GameRules rules : {GameRules::classic(), GameRules::current()}) {
            const auto entry = checkEntry(fieldsOf(d), rules, draws);
            ASSERT_FALSE(entry.problem) << entry.problem->message;
        }
    }
    // The same Euro numbers with another main number are typed, not drawn: refused under 10.
    const Draw& first = draws.front();
    EntryFields typed = fieldsOf(first);
    int other = 1;
    while (std::find(first.numbers.begin(), first.numbers.end(), other) != first.numbers.end()) {
        ++other;
    }
    typed[0] = std::to_string(other);
    const auto entry = checkEntry(typed, GameRules::classic(), draws);
    ASSERT_TRUE(entry.problem);
    EXPECT_EQ(entry.problem->message.id(), text::ValueNotAllowed);
    ASSERT_EQ(entry.problem->message.values().size(), 1U);
    EXPECT_GT(std::stoi(entry.problem->message.values()[0].text()), 10);
    EXPECT_FALSE(checkEntry(typed, GameRules::current(), draws).problem);
}

TEST(GameRules, RealDrawsWithElevenOrTwelveMatchTheSystemsEuroNumbers) {
    const auto draws = drawsWithElevenOrTwelve();
    ASSERT_FALSE(draws.empty());
    for (const Draw& d : draws) {
        SCOPED_TRACE(d.dateText());
        const Column drawn{d.numbers};
        const std::vector<Column> columns{drawn, Column{1, 2, 3, 4, 5}};
        // The draw's own Euro numbers: 5+2, in the single check and in the archive check.
        const auto same = checkColumns(columns, d.euro, winningCombinationOf(d));
        EXPECT_EQ(same.best, 0);
        EXPECT_EQ(same.winners[0], std::vector<std::int32_t>{1});
        const ArchiveChecker checker(columns, d.euro);
        EXPECT_EQ(checker.counts(d).best, 0);
        // A system of Euro 1..10 (one of them drawn, where there is one) scores 5+1 or 5.
        const int low = d.euro[0] <= 10 ? d.euro[0] : d.euro[1] <= 10 ? d.euro[1] : 0;
        const std::array<std::uint8_t, 2> classic{static_cast<std::uint8_t>(low == 0 ? 1 : low),
                                                  static_cast<std::uint8_t>(low == 9 ? 10 : 9)};
        const int expected = low == 0 ? 2 : 1;
        EXPECT_EQ(checkColumns(columns, classic, winningCombinationOf(d)).best, expected);
        EXPECT_EQ(ArchiveChecker(columns, classic).counts(d).best, expected);
    }
}
