#pragma once

// The straightforward check of a system against one draw: presence tables of the drawn
// numbers, five look-ups per column, the category from the prize table. The program's checks
// are compared with it in the tests and measured beside it in the benchmarks.

#include "check/PrizeCategory.h"
#include "core/GameModel.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quintora::reference {

struct CheckOutcome {
    std::array<std::vector<std::int32_t>, PrizeCategoryCount> winners; // 1-based columns
    std::array<std::int32_t, PrizeCategoryCount> counts{};
    int best = NoWinCategory;
};

// Columns and drawn numbers must be valid (distinct numbers of 1..50, Euro numbers 1..10 for
// the system): the presence tables are indexed by them. Euro numbers drawn above 10 are left
// out of the table, so they never match. With keepLists false only the counts are kept.
inline CheckOutcome checkDraw(std::span<const Column> columns,
                              std::span<const std::uint8_t> systemEuro,
                              const std::array<std::uint8_t, 5>& numbers,
                              const std::array<std::uint8_t, 2>& euro, bool keepLists = true) {
    std::array<std::uint8_t, 51> main{};
    std::array<std::uint8_t, 11> euroTable{};
    for (auto n : numbers) {
        main[n] = 1;
    }
    for (auto e : euro) {
        if (e <= 10) {
            euroTable[e] = 1;
        }
    }
    int euroHits = 0;
    for (auto e : systemEuro) {
        euroHits += euroTable[e];
    }
    CheckOutcome out;
    for (std::size_t n = 0; n < columns.size(); ++n) {
        const auto& c = columns[n];
        const int hits = main[c[0]] + main[c[1]] + main[c[2]] + main[c[3]] + main[c[4]];
        const int category = prizeCategoryOf(hits, euroHits);
        if (category < NoWinCategory) {
            ++out.counts[category];
            if (keepLists) {
                out.winners[category].push_back(static_cast<std::int32_t>(n + 1));
            }
            out.best = std::min(out.best, category);
        }
    }
    return out;
}

} // namespace quintora::reference
