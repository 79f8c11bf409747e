#include "core/ExcludedColumns.h"

#include <gtest/gtest.h>
#include <vector>

namespace quintora {
namespace {

TEST(ExcludedText, EachNumberTwoDigitsAndFourBlanks) {
    EXPECT_EQ(excludedColumnText(Column{3, 7, 12, 25, 44}), "03    07    12    25    44    ");
}

TEST(ExcludedText, ReadsBackAnySpacing) {
    const Column want{3, 7, 12, 25, 44};
    EXPECT_EQ(parseExcludedColumnText(excludedColumnText(want)), want);
    EXPECT_EQ(parseExcludedColumnText("  3\t7\r\n12  25 44 99"), want);
    EXPECT_EQ(parseExcludedColumnText("44 25 12 7 3"), (Column{44, 25, 12, 7, 3}));
}

TEST(ExcludedText, RefusesWhatIsNotAColumn) {
    for (const char* bad : {"", "1 2 3 4", "1 2 x 4 5", "1 2 3 4 51", "0 1 2 3 4", "1 2 3 4 5x",
                            "-1 2 3 4 5", "999999999999 1 2 3 4"}) {
        EXPECT_FALSE(parseExcludedColumnText(bad)) << bad;
    }
}

TEST(ExcludedStore, ReplacesTheTableInOrder) {
    ExcludedSet set;
    set.setColumns(std::vector{Column{}, Column{}, Column{9, 9, 9, 9, 9}});
    const std::vector<std::string> items{"01    02    03    04    05    ",
                                         "10    20    30    40    50    "};
    const auto r = storeExcludedColumns(set, items);
    EXPECT_EQ(r.stored, 2);
    EXPECT_EQ(std::vector(set.columns().begin(), set.columns().end()),
              (std::vector{Column{1, 2, 3, 4, 5}, Column{10, 20, 30, 40, 50}}));

    EXPECT_EQ(storeExcludedColumns(set, {}).stored, 0);
    EXPECT_TRUE(set.columns().empty());
}

TEST(ExcludedStore, KeepsTheFirstThousandAndSaysHowManyWereLeftOut) {
    std::vector<std::string> items;
    for (int i = 0; i < MaxExcluded + 7; ++i) {
        items.push_back(
            excludedColumnText(Column{1, 2, 3, 4, static_cast<std::uint8_t>(5 + i % 40)}));
    }
    items.insert(items.begin() + 1, "garbage");
    ExcludedSet set;
    const auto r = storeExcludedColumns(set, items);
    EXPECT_EQ(r.stored, MaxExcluded);
    EXPECT_EQ(r.overLimit, 7);
    EXPECT_EQ(r.unreadable, 1);
    EXPECT_EQ(set.columns().size(), std::size_t{MaxExcluded});
    EXPECT_EQ(set.columns()[1], (Column{1, 2, 3, 4, 6}));
    const auto text = ownLanguageText(excludedRefusedText(r));
    EXPECT_NE(text.find("1.000"), std::string::npos);
    EXPECT_NE(text.find("7 colonne"), std::string::npos);
    EXPECT_NE(text.find("1 colonna non valida"), std::string::npos);
    EXPECT_EQ(ownLanguageText(excludedRefusedText(ExcludedStoreResult{5, 0, 0})), "");
}

} // namespace
} // namespace quintora
