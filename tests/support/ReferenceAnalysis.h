#pragma once

// The straightforward odds of a system: every column against every main draw, the best
// category of each outcome taken as the best of every column's own category (as the check
// reports it), each Euro pair visited one by one. The analysis is compared with it in the
// tests and measured beside it in the benchmark.

#include "check/PrizeCategory.h"
#include "core/GameModel.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quintora::reference {

inline std::array<std::int64_t, PrizeCategoryCount + 1>
systemOdds(std::span<const Column> columns, std::span<const std::uint8_t> systemEuro, int euroMax) {
    // Per Euro pair, its hits; pairs with the same hits weigh alike.
    std::array<std::int64_t, 3> pairs{};
    for (int a = 1; a <= euroMax; ++a) {
        for (int b = a + 1; b <= euroMax; ++b) {
            int hits = 0;
            for (int e : {a, b}) {
                hits += std::find(systemEuro.begin(), systemEuro.end(), e) != systemEuro.end();
            }
            ++pairs[static_cast<std::size_t>(hits)];
        }
    }
    std::vector<NumberSet> played;
    for (const auto& c : columns) {
        played.push_back(numbersOf(c));
    }
    std::array<std::int64_t, PrizeCategoryCount + 1> out{};
    int n[5];
    for (n[0] = 1; n[0] <= 46; ++n[0])
        for (n[1] = n[0] + 1; n[1] <= 47; ++n[1])
            for (n[2] = n[1] + 1; n[2] <= 48; ++n[2])
                for (n[3] = n[2] + 1; n[3] <= 49; ++n[3])
                    for (n[4] = n[3] + 1; n[4] <= 50; ++n[4]) {
                        NumberSet draw;
                        for (int k : n) {
                            draw.insert(k);
                        }
                        for (int euro = 0; euro <= 2; ++euro) {
                            int best = NoWinCategory;
                            for (auto column : played) {
                                best =
                                    std::min(best, prizeCategoryOf((column & draw).size(), euro));
                            }
                            out[static_cast<std::size_t>(best)] +=
                                pairs[static_cast<std::size_t>(euro)];
                        }
                    }
    return out;
}

} // namespace quintora::reference
