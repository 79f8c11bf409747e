#include "check/PrizeCategory.h"

namespace quintora {

namespace {

// [mainHits][euroHits] -> category, built from the table so the two never disagree.
constexpr std::array<std::array<int, 3>, 6> categoryTable() {
    std::array<std::array<int, 3>, 6> t{};
    for (auto& row : t) {
        row = {NoWinCategory, NoWinCategory, NoWinCategory};
    }
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        t[PrizeCategories[c].mainHits][PrizeCategories[c].euroHits] = c;
    }
    return t;
}

constexpr auto CategoryTable = categoryTable();

} // namespace

int prizeCategoryOf(int mainHits, int euroHits) {
    if (mainHits < 0 || mainHits > 5 || euroHits < 0 || euroHits > 2) {
        return NoWinCategory;
    }
    return CategoryTable[mainHits][euroHits];
}

std::string prizeCategoryLabel(int category) {
    return category >= 0 && category < PrizeCategoryCount ? PrizeCategories[category].label : "0";
}

} // namespace quintora
