#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace quintora {

// A set of small numbers (0..63) kept as bits: the numbers in play, the Euro numbers, the
// fixed numbers, the members of a filter column, a column's numbers in the development.
// Every operation is a few instructions on one word, so the development's inner loops use the
// set as they would a bare integer.
class NumberSet {
public:
    static constexpr int Limit = 64;

    constexpr NumberSet() = default;
    constexpr NumberSet(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            insert(n);
        }
    }
    // For readers and writers of stored bit words: bit n stands for number n.
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
    // Every number 0..63.
    static constexpr NumberSet all() { return fromBits(~std::uint64_t{0}); }
    // The number n alone; nothing when n lies outside 0..63. Without a jump: the development
    // builds its candidates' sets with it.
    static constexpr NumberSet single(int n) {
        const std::uint64_t inside = static_cast<unsigned>(n) < static_cast<unsigned>(Limit);
        return fromBits(inside << (static_cast<unsigned>(n) & (Limit - 1)));
    }
    // The numbers from..to, both included, of those in 0..63; empty when from > to.
    static constexpr NumberSet range(int from, int to) {
        from = from < 0 ? 0 : from;
        to = to >= Limit ? Limit - 1 : to;
        if (from > to) {
            return {};
        }
        return fromBits((~std::uint64_t{0} >> (Limit - 1 - to)) & (~std::uint64_t{0} << from));
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

    constexpr NumberSet operator&(NumberSet other) const { return fromBits(bits_ & other.bits_); }
    constexpr NumberSet operator|(NumberSet other) const { return fromBits(bits_ | other.bits_); }
    constexpr NumberSet& operator&=(NumberSet other) {
        bits_ &= other.bits_;
        return *this;
    }
    constexpr NumberSet& operator|=(NumberSet other) {
        bits_ |= other.bits_;
        return *this;
    }
    // The members that are not members of `other`.
    constexpr NumberSet without(NumberSet other) const { return fromBits(bits_ & ~other.bits_); }
    // The numbers of 0..63 that are not members.
    constexpr NumberSet complement() const { return fromBits(~bits_); }
    constexpr bool intersects(NumberSet other) const { return (bits_ & other.bits_) != 0; }
    constexpr bool isSubsetOf(NumberSet other) const { return (bits_ & ~other.bits_) == 0; }

    // The members greater than n, for n in 0..63.
    constexpr NumberSet above(int n) const { return fromBits(bits_ & (~std::uint64_t{1} << n)); }
    // Every member less k, for k in 0..63; those that would fall below 0 are dropped.
    constexpr NumberSet shiftedDown(int k) const { return fromBits(bits_ >> k); }

    // The smallest member; Limit for the empty set.
    constexpr int lowest() const { return std::countr_zero(bits_); }
    // The set without its smallest member.
    constexpr NumberSet withoutLowest() const { return fromBits(bits_ & (bits_ - 1)); }

    // Walks the members in ascending order: for (int n : set).
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = int;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = int;

        constexpr Iterator() = default;
        constexpr explicit Iterator(std::uint64_t rest)
            : rest_(rest) {}
        constexpr int operator*() const { return std::countr_zero(rest_); }
        constexpr Iterator& operator++() {
            rest_ &= rest_ - 1;
            return *this;
        }
        constexpr Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        constexpr bool operator==(const Iterator&) const = default;

    private:
        std::uint64_t rest_ = 0;
    };
    constexpr Iterator begin() const { return Iterator{bits_}; }
    constexpr Iterator end() const { return Iterator{}; }

    // The members in ascending order.
    std::vector<int> ascending() const {
        std::vector<int> out;
        out.reserve(static_cast<std::size_t>(size()));
        out.assign(begin(), end());
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
