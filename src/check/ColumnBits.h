#pragma once

#include "core/GameModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quintora {

// The columns of a system turned sideways: for every main number one bit per column, set
// when the column holds that number. Counting the hits of every column against a draw then
// reads five rows of bits (a column per bit, 64 at a time) instead of the whole table.
class ColumnBits {
public:
    explicit ColumnBits(std::span<const Column> columns);

    int columnCount() const { return columnCount_; }

    // Entry k: how many columns hold exactly k of the drawn numbers (those in 1..50, each
    // once; at most five are taken), k = 0..5.
    std::array<std::int32_t, NumbersPerColumn + 1>
    hitCounts(std::span<const std::uint8_t> drawn) const;

private:
    const std::uint64_t* row(int number) const;

    int columnCount_ = 0;
    std::size_t words_ = 0;
    std::vector<std::uint64_t> bits_; // row n (0 = none, 1..50) of words_ words
};

} // namespace quintora
