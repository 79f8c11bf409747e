#pragma once

#include <array>
#include <cstdint>

namespace quintora {

// The Eurojackpot game as the program plays it.
inline constexpr int MainNumberCount = 50; // main numbers 1..50
inline constexpr int EuroNumberCount = 10; // Euro numbers 1..10
inline constexpr int NumbersPerColumn = 5; // main numbers in one play
inline constexpr int EuroNumbersPerSystem = 2;
inline constexpr int MaxColumns = 200000;     // capacity of the column table
inline constexpr int MaxExcluded = 1000;      // capacity of the excluded-column table
inline constexpr int MaxFilterColumns = 1000; // slots of the filter-column table
inline constexpr int MaxFixedNumbers = 4;

// A flag as stored in system files: 0 = off, -1 = on; any nonzero value reads as on.
using Flag = std::int16_t;
inline constexpr Flag FlagOn = -1;
inline constexpr Flag FlagOff = 0;
constexpr bool isOn(Flag f) {
    return f != 0;
}
constexpr Flag toFlag(bool on) {
    return on ? FlagOn : FlagOff;
}

// One play: five main numbers. Developed columns are ascending; a column read from a
// file is whatever the file holds, so code that indexes by number must check 1..50.
using Column = std::array<std::uint8_t, NumbersPerColumn>;

// A set of main numbers as bits: bit n stands for number n (1..50).
using NumberMask = std::uint64_t;
constexpr NumberMask numberBit(int n) {
    return NumberMask{1} << n;
}

constexpr bool isMainNumber(int n) {
    return n >= 1 && n <= MainNumberCount;
}
constexpr bool isEuroNumber(int n) {
    return n >= 1 && n <= EuroNumberCount;
}

// The numbers of a column that lie in 1..50, as a mask (duplicates collapse).
constexpr NumberMask maskOf(const Column& c) {
    NumberMask m = 0;
    for (auto n : c) {
        if (isMainNumber(n)) {
            m |= NumberMask{1} << n;
        }
    }
    return m;
}

} // namespace quintora
