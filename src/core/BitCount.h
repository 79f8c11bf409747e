#pragma once

#include <cstdint>

namespace quintora {

// How many bits of a mask are set. std::popcount is a library call on the base x86-64 set the
// program is built for, and the development counts bits for every prefix of four numbers: the
// shifts and masks below stay inline, and the processor's own instruction is used where the
// build may count on it.
constexpr int bitCount(std::uint64_t m) {
#if defined(__POPCNT__)
    return __builtin_popcountll(m);
#else
    m = m - ((m >> 1) & 0x5555555555555555ULL);
    m = (m & 0x3333333333333333ULL) + ((m >> 2) & 0x3333333333333333ULL);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((m * 0x0101010101010101ULL) >> 56);
#endif
}

} // namespace quintora
