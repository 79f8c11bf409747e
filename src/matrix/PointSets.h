#pragma once

#include "core/GameModel.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// Sets of points 0..63 as bit masks, and the colex rank of an r-set, shared by the covering
// search and the constructions.
namespace quintora::pointsets {

using Mask = std::uint64_t;
inline constexpr int MaxSubset = 7; // the largest block or draw the rank table serves

// The points of `mask` in ascending order; returns how many.
inline int pointsOf(Mask mask, std::array<int, 64>& out) {
    int n = 0;
    while (mask != 0) {
        out[static_cast<std::size_t>(n++)] = std::countr_zero(mask);
        mask &= mask - 1;
    }
    return n;
}

// Calls f(mask) for every r-subset of points[0..n), in lexicographic order of the indexes.
template <typename F> void forEachSubset(const std::array<int, 64>& points, int n, int r, F&& f) {
    if (r < 0 || r > n) {
        return;
    }
    if (r == 0) {
        f(Mask{0});
        return;
    }
    std::array<int, MaxSubset + 1> index{};
    for (int i = 0; i < r; ++i) {
        index[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        Mask mask = 0;
        for (int i = 0; i < r; ++i) {
            mask |= Mask{1} << points[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
        }
        f(mask);
        int i = r - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - r + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < r; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// Colex ranks of sets of up to MaxSubset points: the r-sets of 0..v-1 are numbered 0..C(v,r)-1.
class SubsetRanks {
public:
    SubsetRanks() {
        for (int n = 0; n < 64; ++n) {
            for (int r = 0; r <= MaxSubset; ++r) {
                choose_[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] =
                    static_cast<std::uint64_t>(binomial(n, r));
            }
        }
    }

    std::uint64_t rank(Mask set) const {
        std::uint64_t r = 0;
        std::size_t j = 1;
        while (set != 0) {
            r += choose_[static_cast<std::size_t>(std::countr_zero(set))][j++];
            set &= set - 1;
        }
        return r;
    }

private:
    std::array<std::array<std::uint64_t, MaxSubset + 1>, 64> choose_{};
};

// Calls f(mask) for every r-set of 0..v-1 (in no particular order: rank them to index them).
template <typename F> void forEachSet(int v, int r, F&& f) {
    std::array<int, 64> all{};
    for (int i = 0; i < v; ++i) {
        all[static_cast<std::size_t>(i)] = i;
    }
    forEachSubset(all, v, r, f);
}

} // namespace quintora::pointsets
