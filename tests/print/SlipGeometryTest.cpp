#include "print/SlipGeometry.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

struct MarkCase {
    SlipType type;
    int number;
    bool euro;
    SlipCell cell;
    double x; // with the slip type's default layout
    double y;
};

class MarkPosition : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkPosition, CellAndOriginWithTheDefaultLayout) {
    const MarkCase& c = GetParam();
    const auto cell = cellOf(c.type, c.number, c.euro);
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(*cell, c.cell);
    const PointMm p = cellOrigin(defaultSlipLayout(c.type), 0, *cell);
    EXPECT_NEAR(p.x, c.x, 1e-5);
    EXPECT_NEAR(p.y, c.y, 1e-5);
}

// 1-column: grid at (18, 51.5), numbers upwards from row 10, Euro numbers in column 7.
// 5-column: grid at (12, 33.5), numbers upwards from row 5, Euro numbers in columns 12-13.
INSTANTIATE_TEST_SUITE_P(
    BothSlips, MarkPosition,
    testing::Values(MarkCase{SlipType::OneColumn, 1, false, {10, 1}, 18.0, 92.0},
                    MarkCase{SlipType::OneColumn, 10, false, {1, 1}, 18.0, 51.5},
                    MarkCase{SlipType::OneColumn, 11, false, {10, 2}, 23.0, 92.0},
                    MarkCase{SlipType::OneColumn, 50, false, {1, 5}, 38.0, 51.5},
                    MarkCase{SlipType::OneColumn, 1, true, {10, 7}, 48.0, 92.0},
                    MarkCase{SlipType::OneColumn, 7, true, {4, 7}, 48.0, 65.0},
                    MarkCase{SlipType::OneColumn, 10, true, {1, 7}, 48.0, 51.5},
                    // Euro 11 and 12 one and two pitches above Euro 10.
                    MarkCase{SlipType::OneColumn, 11, true, {0, 7}, 48.0, 47.0},
                    MarkCase{SlipType::OneColumn, 12, true, {-1, 7}, 48.0, 42.5},
                    MarkCase{SlipType::FiveColumns, 1, false, {5, 1}, 12.0, 51.5},
                    MarkCase{SlipType::FiveColumns, 5, false, {1, 1}, 12.0, 33.5},
                    MarkCase{SlipType::FiveColumns, 10, false, {1, 2}, 17.0, 33.5},
                    MarkCase{SlipType::FiveColumns, 11, false, {5, 3}, 22.0, 51.5},
                    MarkCase{SlipType::FiveColumns, 46, false, {5, 10}, 57.0, 51.5},
                    MarkCase{SlipType::FiveColumns, 50, false, {1, 10}, 57.0, 33.5},
                    MarkCase{SlipType::FiveColumns, 1, true, {5, 12}, 67.0, 51.5},
                    MarkCase{SlipType::FiveColumns, 7, true, {4, 13}, 72.0, 47.0},
                    MarkCase{SlipType::FiveColumns, 10, true, {1, 13}, 72.0, 33.5},
                    // Euro 11 and 12 at rows 5 and 4 of a third Euro column.
                    MarkCase{SlipType::FiveColumns, 11, true, {5, 14}, 77.0, 51.5},
                    MarkCase{SlipType::FiveColumns, 12, true, {4, 14}, 77.0, 47.0}));

TEST(SlipGeometry, PanelsOfTheFiveColumnSlipAreSixRowsApart) {
    SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    const SlipCell five{1, 1};
    EXPECT_NEAR(cellOrigin(layout, 1, five).y - cellOrigin(layout, 0, five).y, 27.0, 1e-5);
    EXPECT_NEAR(cellOrigin(layout, 4, five).y, 33.5 + 24 * 4.5, 1e-5);
    EXPECT_NEAR(cellOrigin(layout, 4, five).x, 12.0, 1e-5);
}

TEST(SlipGeometry, NumbersOutsideTheirRangeHaveNoCell) {
    for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
        EXPECT_FALSE(cellOf(type, 0, false));
        EXPECT_FALSE(cellOf(type, 51, false));
        EXPECT_FALSE(cellOf(type, 0, true));
        EXPECT_FALSE(cellOf(type, 13, true));
        EXPECT_FALSE(cellOf(type, 255, false));
    }
}

TEST(SlipGeometry, EveryNumberHasItsOwnCellOnTheGrid) {
    for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
        std::vector<SlipCell> seen;
        for (int euro = 0; euro <= 1; ++euro) {
            for (int n = 1; n <= (euro ? 10 : 50); ++n) {
                const auto cell = cellOf(type, n, euro == 1);
                ASSERT_TRUE(cell);
                EXPECT_GE(cell->row, 1);
                EXPECT_LE(cell->row, gridRows(type));
                EXPECT_GE(cell->column, 1);
                EXPECT_LE(cell->column, gridColumns(type));
                EXPECT_EQ(std::count(seen.begin(), seen.end(), *cell), 0);
                seen.push_back(*cell);
            }
        }
    }
}

TEST(SlipLayoutDefaults, OnlyMeasuresOfZeroTakeTheirDefault) {
    SlipLayout stored;
    stored.gridTop = 40.0F;
    stored.printQuality = QualityNormal;
    const SlipLayout shown = withDefaults(stored, SlipType::FiveColumns);
    EXPECT_FLOAT_EQ(shown.spacingX, 5.0F);
    EXPECT_FLOAT_EQ(shown.spacingY, 4.5F);
    EXPECT_FLOAT_EQ(shown.gridTop, 40.0F);
    EXPECT_FLOAT_EQ(shown.gridLeft, 12.0F);
    EXPECT_FLOAT_EQ(shown.headerY, 200.0F);
    EXPECT_FLOAT_EQ(shown.nameY, 0.1F);
    EXPECT_EQ(shown.printQuality, QualityNormal);
    const SlipLayout one = withDefaults(SlipLayout{}, SlipType::OneColumn);
    EXPECT_FLOAT_EQ(one.gridTop, 51.5F);
    EXPECT_FLOAT_EQ(one.gridLeft, 18.0F);
    EXPECT_FLOAT_EQ(one.headerY, 201.7F);
    EXPECT_FALSE(one.normalQuality());
}

TEST(PrintQualityResolution, NormalNearestTo300LowTheLowestFrom150) {
    const std::vector<int> offered{75, 150, 300, 600, 1200};
    EXPECT_EQ(resolutionForQuality(QualityNormal, offered), 300);
    EXPECT_EQ(resolutionForQuality(QualityLow, offered), 150);
    EXPECT_EQ(resolutionForQuality(0, offered), 150); // unset counts as low
    EXPECT_EQ(resolutionForQuality(QualityNormal, std::vector<int>{600, 1200}), 600);
    EXPECT_EQ(resolutionForQuality(QualityLow, std::vector<int>{600, 1200}), 600);
    EXPECT_EQ(resolutionForQuality(QualityLow, std::vector<int>{72, 100}), 100);
    EXPECT_EQ(resolutionForQuality(QualityNormal, {}), 300);
    EXPECT_EQ(resolutionForQuality(QualityLow, {}), 150);
}

} // namespace
} // namespace quintora
