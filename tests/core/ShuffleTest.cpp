#include "core/Shuffle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace quintora;

namespace {

std::vector<Column> numberedColumns(int n) {
    std::vector<Column> cols;
    for (int i = 0; i < n; ++i) {
        cols.push_back({static_cast<std::uint8_t>(i % 50 + 1), 2, 3, 4,
                        static_cast<std::uint8_t>(i / 50 + 5)});
    }
    return cols;
}

} // namespace

TEST(Shuffle, MovesWholeColumnsAndKeepsTheSet) {
    const auto before = numberedColumns(1000);
    auto after = before;
    shuffleColumns(after, 42);
    EXPECT_NE(after, before);
    auto a = after;
    auto b = before;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b); // same columns, each intact
}

TEST(Shuffle, SameSeedSameOrderAndOneColumnUnchanged) {
    auto x = numberedColumns(50);
    auto y = numberedColumns(50);
    shuffleColumns(x, 7);
    shuffleColumns(y, 7);
    EXPECT_EQ(x, y);
    std::vector<Column> one{{1, 9, 17, 33, 48}};
    shuffleColumns(one, seedFromClock());
    EXPECT_EQ(one, (std::vector<Column>{{1, 9, 17, 33, 48}}));
}
