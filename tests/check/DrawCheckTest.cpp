// Prize categories and the check of a system against one winning combination.
#include "check/DrawCheck.h"

#include "support/ReferenceCheck.h"
#include "support/SystemBuilders.h"

#include <gtest/gtest.h>
#include <random>

using namespace quintora;

namespace {

WinningCombination winning(std::array<std::uint8_t, 5> numbers, std::array<std::uint8_t, 2> euro) {
    return {numbers, euro};
}

const std::array<std::uint8_t, 2> systemEuro{3, 8};

} // namespace

TEST(PrizeCategory, EveryPairOfHits) {
    // Rows: main hits 0..5; columns: Euro hits 0..2.
    const int expected[6][3] = {
        {12, 12, 12}, {12, 12, 10}, {12, 11, 8}, {9, 7, 6}, {5, 4, 3}, {2, 1, 0},
    };
    for (int m = 0; m <= 5; ++m) {
        for (int e = 0; e <= 2; ++e) {
            EXPECT_EQ(prizeCategoryOf(m, e), expected[m][e]) << m << "+" << e;
        }
    }
    EXPECT_EQ(prizeCategoryOf(6, 0), NoWinCategory);
    EXPECT_EQ(prizeCategoryOf(3, -1), NoWinCategory);
    // "3+1" ranks above "2+2", and "3" below both.
    EXPECT_LT(prizeCategoryOf(3, 1), prizeCategoryOf(2, 2));
    EXPECT_LT(prizeCategoryOf(2, 2), prizeCategoryOf(3, 0));
    std::vector<std::string> labels;
    for (int c = 0; c <= NoWinCategory; ++c) {
        labels.push_back(prizeCategoryLabel(c));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"5+2", "5+1", "5", "4+2", "4+1", "4", "3+2", "3+1",
                                                "2+2", "3", "1+2", "2+1", "0"}));
    EXPECT_STREQ(PrizeCategories[7].caption, "Punti 3+1");
    EXPECT_STREQ(PrizeCategories[8].header, "Pt.2+2");
}

TEST(DrawCheck, BothEuroNumbersMatch) {
    const std::vector<Column> columns{
        {1, 2, 40, 41, 42}, {1, 30, 40, 41, 42}, {30, 31, 32, 33, 34}};
    const auto r = checkColumns(columns, systemEuro, winning({1, 2, 3, 4, 5}, {8, 3}));
    EXPECT_EQ(r.winners[8], std::vector<std::int32_t>{1});  // 2+2
    EXPECT_EQ(r.winners[10], std::vector<std::int32_t>{2}); // 1+2
    EXPECT_EQ(r.best, 8);
    EXPECT_EQ(checkResultText(r.best), "Massimo punteggio raggiunto 2+2");
}

TEST(DrawCheck, ThreePlusOneIsReportedAboveTwoPlusTwo) {
    // A system whose second Euro number is drawn once: 3+1 for the first, 2+1 for the second.
    const std::vector<Column> columns{{9, 2, 1, 40, 41}, {1, 2, 30, 40, 41}, {1, 2, 4, 9, 6}};
    const auto r = checkColumns(columns, systemEuro, winning({1, 2, 9, 4, 5}, {8, 10}));
    EXPECT_EQ(r.winners[7], std::vector<std::int32_t>{1});
    EXPECT_EQ(r.winners[11], std::vector<std::int32_t>{2});
    EXPECT_EQ(r.winners[4], std::vector<std::int32_t>{3}); // 1, 2, 4 and 9: 4+1
    EXPECT_EQ(checkResultText(r.best), "Massimo punteggio raggiunto 4+1");

    const std::vector<Column> two{{1, 2, 30, 40, 41}, {1, 2, 9, 40, 41}};
    const auto both = checkColumns(two, systemEuro, winning({1, 2, 9, 4, 5}, {8, 3}));
    const auto one = checkColumns(two, systemEuro, winning({1, 2, 9, 4, 5}, {8, 10}));
    EXPECT_EQ(both.best, 6); // 3+2
    EXPECT_EQ(one.best, 7);  // 3+1 beats 2+1
    EXPECT_EQ(checkResultText(one.best), "Massimo punteggio raggiunto 3+1");
}

TEST(DrawCheck, NoWinningColumn) {
    const std::vector<Column> columns{{1, 2, 40, 41, 42}, {10, 20, 30, 40, 50}};
    const auto r = checkColumns(columns, systemEuro, winning({1, 2, 3, 4, 5}, {1, 2}));
    EXPECT_EQ(r.best, NoWinCategory);
    EXPECT_EQ(checkResultText(r.best), "Nessuna Vincita");
    for (const auto& list : r.winners) {
        EXPECT_TRUE(list.empty());
    }
    EXPECT_EQ(winnerLine(17), "C. 17");
}

TEST(DrawCheck, EuroElevenAndTwelveMatchLikeAnyOther) {
    const std::vector<Column> columns{{1, 2, 3, 4, 5}};
    // Any Euro number the game draws can be a system's; a byte beyond them never matches.
    const std::array<std::uint8_t, 2> today{11, 12};
    const auto r = checkColumns(columns, today, winning({1, 2, 3, 4, 5}, {11, 12}));
    EXPECT_EQ(r.best, 0); // 5+2
    EXPECT_EQ(systemEuros(today), (NumberSet{11, 12}));
    const std::array<std::uint8_t, 2> beyond{13, 200};
    EXPECT_TRUE(systemEuros(beyond).empty());
    EXPECT_EQ(euroHits(systemEuros(systemEuro), drawnEuros(winning({}, {3, 11}))), 1);
    // A system with one Euro number, or the same twice, counts it once.
    const std::array<std::uint8_t, 2> same{3, 3};
    EXPECT_EQ(checkColumns(columns, same, winning({1, 2, 3, 4, 5}, {3, 7})).best, 1);
    EXPECT_EQ(
        checkColumns(columns, std::span(systemEuro).first(1), winning({1, 2, 3, 4, 5}, {3, 8}))
            .best,
        1);
}

TEST(DrawCheck, ColumnsFromAFileCountEachNumberOnce) {
    const std::vector<Column> columns{{7, 7, 7, 7, 7}, {0, 51, 255, 1, 2}, {1, 1, 2, 2, 3}};
    const auto r = checkColumns(columns, systemEuro, winning({7, 1, 2, 3, 4}, {3, 8}));
    EXPECT_EQ(r.winners[10], std::vector<std::int32_t>{1}); // 1+2
    EXPECT_EQ(r.winners[8], std::vector<std::int32_t>{2});  // 2+2
    EXPECT_EQ(r.winners[6], std::vector<std::int32_t>{3});  // 3+2
}

TEST(DrawCheck, SameListsAsThePresenceTableLoop) {
    std::mt19937 random(2024);
    for (int round = 0; round < 40; ++round) {
        std::vector<Column> columns(1 + random() % 3000);
        for (auto& c : columns) {
            c = builders::randomColumn(random);
        }
        // Draws near the columns, so that every category turns up.
        const Column drawn =
            random() % 2 ? columns[random() % columns.size()] : builders::randomColumn(random);
        const std::array<std::uint8_t, 2> euro{static_cast<std::uint8_t>(random() % 10 + 1),
                                               static_cast<std::uint8_t>(random() % 12 + 1)};
        const std::array<std::uint8_t, 2> sys{static_cast<std::uint8_t>(random() % 5 + 1),
                                              static_cast<std::uint8_t>(random() % 5 + 6)};
        const auto expected = reference::checkDraw(columns, sys, drawn, euro);
        const auto r = checkColumns(columns, sys, winning(drawn, euro));
        EXPECT_EQ(r.winners, expected.winners) << round;
        EXPECT_EQ(r.best, expected.best) << round;
        std::size_t listed = 0;
        for (const auto& list : r.winners) {
            listed += list.size();
        }
        std::size_t total = 0;
        for (auto n : expected.counts) {
            total += static_cast<std::size_t>(n);
        }
        EXPECT_EQ(listed, total);
    }
}
