#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace quintora {

// A set of small numbers (0..63) kept as bits: the numbers in play, the Euro numbers, the
// fixed numbers, the members of a filter column.
class NumberSet {
public:
    static constexpr int Limit = 64;

    constexpr NumberSet() = default;
    constexpr NumberSet(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            insert(n);
        }
    }
    static constexpr NumberSet fromBits(std::uint64_t bits) {
        NumberSet s;
        s.bits_ = bits;
        return s;
    }
    template <typename Range> static constexpr NumberSet of(const Range& numbers) {
        NumberSet s;
        for (auto n : numbers) {
            s.insert(static_cast<int>(n));
        }
        return s;
    }

    // Numbers outside 0..63 are never members: inserting one does nothing.
    constexpr void insert(int n) {
        if (n >= 0 && n < Limit) {
            bits_ |= std::uint64_t{1} << n;
        }
    }
    constexpr void erase(int n) {
        if (n >= 0 && n < Limit) {
            bits_ &= ~(std::uint64_t{1} << n);
        }
    }
    constexpr bool contains(int n) const { return n >= 0 && n < Limit && ((bits_ >> n) & 1U) != 0; }
    constexpr int size() const { return std::popcount(bits_); }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr std::uint64_t bits() const { return bits_; }

    // The members in ascending order.
    std::vector<int> ascending() const {
        std::vector<int> out;
        out.reserve(static_cast<std::size_t>(size()));
        for (auto b = bits_; b != 0; b &= b - 1) {
            out.push_back(std::countr_zero(b));
        }
        return out;
    }

    constexpr bool operator==(const NumberSet&) const = default;

private:
    std::uint64_t bits_ = 0;
};

// A set of counts 0..5: the accepted even counts, the accepted hit counts of a filter column,
// the accepted lengths of the longest consecutive run.
class CountSet {
public:
    static constexpr int Limit = 6;

    constexpr CountSet() = default;
    constexpr CountSet(std::initializer_list<int> counts) {
        for (int k : counts) {
            insert(k);
        }
    }
    // Bit k of `bits` stands for count k; bits above 5 are dropped.
    static constexpr CountSet fromBits(std::uint32_t bits) {
        CountSet s;
        s.bits_ = static_cast<std::uint8_t>(bits & 0x3FU);
        return s;
    }

    constexpr void insert(int k) {
        if (k >= 0 && k < Limit) {
            bits_ = static_cast<std::uint8_t>(bits_ | 1U << k);
        }
    }
    constexpr void erase(int k) {
        if (k >= 0 && k < Limit) {
            bits_ = static_cast<std::uint8_t>(bits_ & ~(1U << k));
        }
    }
    constexpr void set(int k, bool on) { on ? insert(k) : erase(k); }
    constexpr bool contains(int k) const { return k >= 0 && k < Limit && ((bits_ >> k) & 1U) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr std::uint32_t bits() const { return bits_; }

    constexpr bool operator==(const CountSet&) const = default;

private:
    std::uint8_t bits_ = 0;
};

} // namespace quintora
