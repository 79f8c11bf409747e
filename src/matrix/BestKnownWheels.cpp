#include "matrix/WheelMaker.h"

#include <array>

namespace quintora {

namespace {

// The fewest 5-number columns any wheel "T se T" on V numbers can have, where the published
// literature settles it (docs/wheels.md names the sources): the Steiner systems S(2,5,V),
// S(3,5,17), S(4,5,11) and S(4,5,23) meet the lower bound, and C(V,5,4) for V up to 12 is
// tabulated.
struct KnownSize {
    int v;
    int t;
    std::uint64_t columns;
};

constexpr std::array<KnownSize, 12> knownSizes{{
    {21, 2, 21},
    {25, 2, 30},
    {41, 2, 82},
    {45, 2, 99},
    {17, 3, 68},
    {7, 4, 9},
    {8, 4, 20},
    {9, 4, 30},
    {10, 4, 51},
    {11, 4, 66},
    {12, 4, 113},
    {23, 4, 1771},
}};

} // namespace

std::optional<std::uint64_t> bestKnownWheelSize(const WheelShape& shape) {
    if (shape.f != 0 || shape.m != shape.t) {
        return std::nullopt;
    }
    for (const auto& known : knownSizes) {
        if (known.v == shape.v && known.t == shape.t) {
            return known.columns;
        }
    }
    return std::nullopt;
}

} // namespace quintora
