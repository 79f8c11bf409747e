#pragma once

#include "core/GameRules.h"
#include "core/NumberSet.h"

#include <array>
#include <cstdint>

namespace quintora {

// The Eurojackpot game as the program plays it.
inline constexpr int MainNumberCount = 50; // main numbers 1..50
inline constexpr int NumbersPerColumn = 5; // main numbers in one play
inline constexpr int EuroNumbersPerSystem = 2;
inline constexpr int MaxColumns = 200000;     // capacity of the column table
inline constexpr int MaxExcluded = 1000;      // capacity of the excluded-column table
inline constexpr int MaxFilterColumns = 1000; // slots of the filter-column table
inline constexpr int MaxFixedNumbers = 4;

// One play: five main numbers. Developed columns are ascending; a column read from a
// file is whatever the file holds, so code that indexes by number must check 1..50.
using Column = std::array<std::uint8_t, NumbersPerColumn>;

constexpr bool isMainNumber(int n) {
    return n >= 1 && n <= MainNumberCount;
}

// The numbers of a column that lie in 1..50 (duplicates collapse).
constexpr NumberSet numbersOf(const Column& c) {
    NumberSet s;
    for (auto n : c) {
        if (isMainNumber(n)) {
            s.insert(n);
        }
    }
    return s;
}

// The longest run of consecutive numbers (each the previous plus one) in a set, capped at 5;
// 0 for the empty set. Worked out with shifts, without a data-dependent loop.
constexpr int longestRun(NumberSet s) {
    const NumberSet two = s & s.shiftedDown(1);
    const NumberSet three = two & s.shiftedDown(2);
    const NumberSet four = three & s.shiftedDown(3);
    const NumberSet five = four & s.shiftedDown(4);
    return !s.empty() + !two.empty() + !three.empty() + !four.empty() + !five.empty();
}

// C(n, k), the number of ways to choose k of n; 0 when k < 0 or n < k. Exact while the
// result fits (every count of this game does).
constexpr std::int64_t binomial(int n, int k) {
    if (k < 0 || n < k) {
        return 0;
    }
    std::int64_t r = 1;
    for (int i = 0; i < k; ++i) {
        r = r * (n - i) / (i + 1); // a product of i + 1 consecutive numbers divides by (i + 1)!
    }
    return r;
}

} // namespace quintora
