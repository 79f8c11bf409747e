#include "check/ColumnBits.h"

#include "check/PopcountClones.h"

#include <bit>

namespace quintora {

namespace {

// The counts of five rows of bits, summed bit by bit with carry-save adders: per column a
// 3-bit count (ones, twos, fours) of the rows that have its bit set.
QUINTORA_POPCOUNT_CLONES
void countRows(const std::array<const std::uint64_t*, 5>& r, std::size_t words,
               std::array<std::int64_t, 5>& out) {
    std::int64_t ones = 0, twos = 0, fours = 0, three = 0, five = 0;
    for (std::size_t w = 0; w < words; ++w) {
        const std::uint64_t a = r[0][w], b = r[1][w], c = r[2][w], d = r[3][w], e = r[4][w];
        const std::uint64_t abx = a ^ b;
        const std::uint64_t s1 = abx ^ c;
        const std::uint64_t c1 = (a & b) | (c & abx);
        const std::uint64_t s1d = s1 ^ d;
        const std::uint64_t s = s1d ^ e;
        const std::uint64_t c2 = (s1 & d) | (e & s1d);
        const std::uint64_t t = c1 ^ c2; // weight 2
        const std::uint64_t u = c1 & c2; // weight 4
        ones += std::popcount(s);
        twos += std::popcount(t);
        fours += std::popcount(u);
        three += std::popcount(s & t);
        five += std::popcount(s & u);
    }
    out = {ones, twos, fours, three, five};
}

} // namespace

ColumnBits::ColumnBits(std::span<const Column> columns)
    : columnCount_(static_cast<int>(columns.size()))
    , words_((columns.size() + 63) / 64)
    , bits_((MainNumberCount + 1) * words_, 0) {
    for (std::size_t n = 0; n < columns.size(); ++n) {
        const std::uint64_t bit = std::uint64_t{1} << (n % 64);
        for (const int number : columns[n]) {
            if (isMainNumber(number)) {
                bits_[static_cast<std::size_t>(number) * words_ + n / 64] |= bit;
            }
        }
    }
}

const std::uint64_t* ColumnBits::row(int number) const {
    return bits_.data() + static_cast<std::size_t>(number) * words_;
}

std::array<std::int32_t, NumbersPerColumn + 1>
ColumnBits::hitCounts(std::span<const std::uint8_t> drawn) const {
    // Row 0 stays empty: it stands in for numbers missing from the draw.
    std::array<const std::uint64_t*, 5> rows{row(0), row(0), row(0), row(0), row(0)};
    NumberSet seen;
    std::size_t used = 0;
    for (const int n : drawn) {
        if (used < rows.size() && isMainNumber(n) && !seen.contains(n)) {
            seen.insert(n);
            rows[used++] = row(n);
        }
    }
    std::array<std::int64_t, 5> sums{};
    countRows(rows, words_, sums);
    const auto [ones, twos, fours, three, five] = sums;
    // ones = n1 + n3 + n5, twos = n2 + n3, fours = n4 + n5, three = n3, five = n5.
    std::array<std::int32_t, NumbersPerColumn + 1> counts{};
    counts[5] = static_cast<std::int32_t>(five);
    counts[4] = static_cast<std::int32_t>(fours - five);
    counts[3] = static_cast<std::int32_t>(three);
    counts[2] = static_cast<std::int32_t>(twos - three);
    counts[1] = static_cast<std::int32_t>(ones - three - five);
    counts[0] = columnCount_ - counts[1] - counts[2] - counts[3] - counts[4] - counts[5];
    return counts;
}

} // namespace quintora
