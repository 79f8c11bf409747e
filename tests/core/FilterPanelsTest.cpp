#include "core/FilterPanels.h"

#include <climits>
#include <gtest/gtest.h>

namespace quintora {
namespace {

TEST(FilterPanels, MovesAreClamped) {
    struct Move {
        int from, delta, to;
    };
    for (const auto m :
         {Move{4, -10, 1}, Move{995, 10, 1000}, Move{1, -1, 1}, Move{1000, 1, 1000},
          Move{500, 10, 510}, Move{500, -1, 499}, Move{1, INT_MAX, 1000}, Move{1000, INT_MIN, 1}}) {
        EXPECT_EQ(movePanel(m.from, m.delta), m.to) << m.from << " " << m.delta;
    }
}

TEST(FilterPanels, HitsMaskHasBitsZeroToFive) {
    const std::array<bool, 6> hits{true, false, false, true, false, true};
    const auto mask = hitsMask(hits);
    EXPECT_EQ(mask, 1 + 8 + 32);
    EXPECT_TRUE(hitAccepted(mask, 0));
    EXPECT_FALSE(hitAccepted(mask, 1));
    EXPECT_FALSE(hitAccepted(-1, 6));
}

TEST(FilterPanels, CountsAndFormat) {
    std::array<FilterColumn, MaxFilterColumns> table{};
    table[1].setOn(true);
    table[999].setOn(true);
    EXPECT_EQ(activeFilterCount(table), 2);
    EXPECT_EQ(formatFilterCount(0), "00");
    EXPECT_EQ(formatFilterCount(7), "07");
    EXPECT_EQ(formatFilterCount(998), "998");
    EXPECT_EQ(formatFilterCount(1000), "1.000");
}

} // namespace
} // namespace quintora
