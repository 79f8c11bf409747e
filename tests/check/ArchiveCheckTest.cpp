// The archive check: its rows, the range of draws, the value filter, the sideways columns.
#include "check/ArchiveCheck.h"

#include "check/ColumnBits.h"
#include "check/GridFilter.h"
#include "support/ReferenceCheck.h"
#include "support/SystemBuilders.h"

#include <gtest/gtest.h>
#include <random>

using namespace quintora;

namespace {

const std::array<std::uint8_t, 2> systemEuro{3, 8};

Draw draw(const char* date, std::array<std::uint8_t, 5> numbers, std::array<std::uint8_t, 2> euro) {
    return Draw{1, parseDate(date).value(), numbers, euro};
}

} // namespace

TEST(ArchiveCheck, HeaderAndTheRowOfADraw) {
    EXPECT_EQ(joinedRow(archiveCheckHeader()),
              "Data \tColonna \tMax\tPt.5+2\tPt.5+1\tPt.5\tPt.4+2\tPt.4+1\tPt.4\tPt.3+2\tPt.3+1\t"
              "Pt.2+2\tPt.3\tPt.1+2\tPt.2+1");
    const std::vector<Column> columns{{5, 12, 23, 34, 45}, {5, 12, 23, 34, 1}, {5, 12, 2, 1, 4}};
    const ArchiveChecker checker(columns, systemEuro);
    const Draw d = draw("23/03/2012", {5, 12, 23, 34, 45}, {3, 8});
    EXPECT_EQ(drawNumbersCell(d), "05-12-23-34-45 J 03-08");
    EXPECT_EQ(joinedRow(checker.row(d)),
              "23/03/2012\t05-12-23-34-45 J 03-08\t5+2\t1\t0\t0\t1\t0\t0\t0\t0\t1\t0\t0\t0");
    const Draw none = draw("30/03/2012", {40, 41, 42, 43, 44}, {1, 2});
    EXPECT_EQ(joinedRow(checker.row(none)),
              "30/03/2012\t40-41-42-43-44 J 01-02\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
}

TEST(ArchiveCheck, AcrossDrawsThreePlusOneRanksAboveTwoPlusTwo) {
    const std::vector<Column> columns{{1, 2, 3, 40, 41}};
    const ArchiveChecker checker(columns, systemEuro);
    EXPECT_EQ(checker.row(draw("01/01/2013", {1, 2, 3, 4, 5}, {3, 1}))[2], "3+1");
    EXPECT_EQ(checker.row(draw("08/01/2013", {1, 2, 9, 4, 5}, {3, 8}))[2], "2+2");
    EXPECT_EQ(checker.counts(draw("01/01/2013", {1, 2, 3, 4, 5}, {3, 1})).best, 7);
    EXPECT_EQ(checker.counts(draw("08/01/2013", {1, 2, 9, 4, 5}, {3, 8})).best, 8);
    // Euro numbers 11 and 12 are drawn but never match.
    EXPECT_EQ(checker.row(draw("15/01/2013", {1, 2, 3, 4, 5}, {11, 12}))[2], "3");
    EXPECT_EQ(checker.counts(Draw{}).best, NoWinCategory);
}

TEST(ArchiveCheck, RangeOfEntries) {
    const DrawArchive a{{draw("01/01/2013", {1, 2, 3, 4, 5}, {1, 2}), Draw{},
                         draw("08/01/2013", {6, 7, 8, 9, 10}, {3, 4}),
                         draw("15/01/2013", {11, 12, 13, 14, 15}, {5, 11})}};
    const std::vector<Column> columns{{1, 2, 3, 4, 5}};
    const ArchiveChecker checker(columns, systemEuro);
    EXPECT_EQ(archiveCheckDates(a).size(), 4u);
    EXPECT_EQ(archiveCheckDates(a)[2], "08/01/2013");

    const auto one = checkArchiveRange(checker, a, 2, 2);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0][0], "08/01/2013");
    EXPECT_TRUE(checkArchiveRange(checker, a, 3, 2).empty());
    const auto all = checkArchiveRange(checker, a, 0, 3); // the empty record is skipped
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0][2], "5");
    EXPECT_EQ(all[2][0], "15/01/2013");
    EXPECT_EQ(checkArchiveRange(checker, a, -5, 99).size(), 3u);
    EXPECT_TRUE(checkArchiveRange(checker, DrawArchive{}, 0, 0).empty());
}

TEST(ArchiveCheck, TotalsPerCategoryOverTheDrawsChecked) {
    // Two columns; the empty record counts nothing, not even as a draw checked.
    const std::vector<Column> columns{{1, 2, 3, 4, 5}, {1, 2, 3, 40, 41}};
    const DrawArchive a{{draw("01/01/2013", {1, 2, 3, 4, 5}, {3, 8}), Draw{},
                         draw("08/01/2013", {1, 2, 3, 4, 9}, {3, 1}),
                         draw("15/01/2013", {20, 21, 22, 23, 24}, {5, 6}),
                         draw("22/01/2013", {1, 2, 3, 40, 9}, {1, 2})}};
    const ArchiveChecker checker(columns, systemEuro);
    const struct {
        const char* what;
        int from, to;
        std::array<std::int64_t, PrizeCategoryCount> totals;
        int best, checked, won;
        std::vector<bool> rowsWon;
    } cases[] = {
        // 5+2 and 3+2; then 4+1 and 3+1; nothing; 4 and 3.
        {"every draw",
         0,
         4,
         {1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 0, 0},
         0,
         4,
         3,
         {true, true, false, true}},
        {"from the second",
         2,
         4,
         {0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0, 0},
         4,
         3,
         2,
         {true, false, true}},
        {"a draw without a win", 3, 3, {}, NoWinCategory, 1, 0, {false}},
        {"the wrong way round", 4, 0, {}, NoWinCategory, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const auto result = checkArchive(checker, a, c.from, c.to);
        EXPECT_EQ(result.totals, c.totals) << c.what;
        EXPECT_EQ(result.best, c.best) << c.what;
        EXPECT_EQ(result.drawsChecked(), c.checked) << c.what;
        EXPECT_EQ(result.drawsWon, c.won) << c.what;
        EXPECT_EQ(result.won, c.rowsWon) << c.what;
        EXPECT_EQ(result.rows, checkArchiveRange(checker, a, c.from, c.to)) << c.what;
    }
}

TEST(ArchiveCheck, SameCountsAsThePresenceTableLoop) {
    std::mt19937 random(99);
    for (int round = 0; round < 30; ++round) {
        std::vector<Column> columns(random() % 700);
        for (auto& c : columns) {
            c = builders::randomColumn(random);
        }
        const std::array<std::uint8_t, 2> sys{static_cast<std::uint8_t>(random() % 5 + 1),
                                              static_cast<std::uint8_t>(random() % 5 + 6)};
        const ArchiveChecker checker(columns, sys);
        for (int k = 0; k < 20; ++k) {
            const Column numbers = !columns.empty() && random() % 2
                                       ? columns[random() % columns.size()]
                                       : builders::randomColumn(random);
            const std::array<std::uint8_t, 2> euro{static_cast<std::uint8_t>(random() % 12 + 1),
                                                   static_cast<std::uint8_t>(random() % 12 + 1)};
            const auto expected = reference::checkDraw(columns, sys, numbers, euro, false);
            const auto got = checker.counts(Draw{1, {}, numbers, euro});
            ASSERT_EQ(got.perCategory, expected.counts) << round << "/" << k;
            ASSERT_EQ(got.best, expected.best) << round << "/" << k;
        }
    }
}

TEST(ColumnBits, HitCountsAtEveryWordBoundary) {
    std::mt19937 random(5);
    for (const std::size_t size : {0, 1, 63, 64, 65, 128, 1000}) {
        std::vector<Column> columns(size);
        for (auto& c : columns) {
            c = builders::randomColumn(random);
        }
        if (size > 3) {
            columns[1] = {7, 7, 7, 7, 7};    // from a file: each number once
            columns[2] = {0, 51, 255, 7, 8}; // numbers outside 1..50 never hit
        }
        const ColumnBits bits(columns);
        const std::array<std::uint8_t, 5> drawnSets[] = {
            {7, 8, 9, 10, 11}, {7, 7, 0, 60, 8}, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 5}};
        for (const auto& drawn : drawnSets) {
            std::array<std::int32_t, 6> expected{};
            for (const auto& c : columns) {
                ++expected[(numbersOf(c) & numbersOf(drawn)).size()];
            }
            EXPECT_EQ(bits.hitCounts(drawn), expected) << size;
        }
    }
}

TEST(GridFilter, EntriesAndTheRowsThatStay) {
    std::vector<DrawCheckRow> rows(4);
    const char* max[] = {"5+1", "0", "5+1", "3"};
    const char* first[] = {"1", "0", "2", "0"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].fill("0");
        rows[i][0] = "d" + std::to_string(i);
        rows[i][2] = max[i];
        rows[i][3] = first[i];
    }
    EXPECT_EQ(filterEntries(rows, 2), (std::vector<std::string>{"*", "5+1", "0", "3"}));
    EXPECT_EQ(filterEntries(rows, 4), (std::vector<std::string>{"*", "0"}));
    EXPECT_TRUE(filterEntries(rows, 15).empty());

    auto choice = unfilteredChoice();
    EXPECT_EQ(rowsShown(rows, choice), (std::vector<bool>{true, true, true, true}));
    choice[2] = "5+1";
    EXPECT_EQ(rowsShown(rows, choice), (std::vector<bool>{true, false, true, false}));
    choice[3] = "2"; // every column's condition must hold
    EXPECT_EQ(rowsShown(rows, choice), (std::vector<bool>{false, false, true, false}));
    choice[2] = "*";
    choice[3] = "*";
    EXPECT_EQ(rowsShown(rows, choice), (std::vector<bool>{true, true, true, true}));
}
