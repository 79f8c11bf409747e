#pragma once

#include <type_traits>

namespace quintora {

// A set of the flags of one enum whose values are single bits: what a change of a document
// touched, for the listeners to redraw only that.
template <typename Flag> class FlagSet {
    static_assert(std::is_enum_v<Flag>);
    using Bits = std::underlying_type_t<Flag>;

public:
    constexpr FlagSet() = default;
    constexpr FlagSet(Flag flag)
        : bits_(static_cast<Bits>(flag)) {}
    // Every flag, those added later too.
    static constexpr FlagSet all() { return fromBits(static_cast<Bits>(~Bits{0})); }

    constexpr FlagSet operator|(FlagSet other) const { return fromBits(bits_ | other.bits_); }
    constexpr bool has(Flag flag) const { return (bits_ & static_cast<Bits>(flag)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr bool operator==(const FlagSet&) const = default;

private:
    static constexpr FlagSet fromBits(Bits bits) {
        FlagSet set;
        set.bits_ = bits;
        return set;
    }
    Bits bits_ = 0;
};

// Which enums are flags: `Change::Numbers | Change::Columns` is a FlagSet for them only.
template <typename Flag> inline constexpr bool IsFlag = false;

template <typename Flag>
requires IsFlag<Flag>
constexpr FlagSet<Flag> operator|(Flag a, Flag b) {
    return FlagSet<Flag>(a) | FlagSet<Flag>(b);
}

} // namespace quintora
