#pragma once

#include "archive/Draw.h"

#include <array>
#include <cstdint>

namespace quintora {

// The one winning combination of the run, shared by the check dialog and the archive
// window; 0 means not set. Fields 0..4 are the main numbers, 5..6 the Euro numbers.
struct WinningCombination {
    std::array<std::uint8_t, NumbersPerColumn> numbers{};
    std::array<std::uint8_t, EuroNumbersPerSystem> euro{};

    static constexpr int FieldCount = NumbersPerColumn + EuroNumbersPerSystem;
    // Field k (0..6); 0 for any other k.
    std::uint8_t field(int k) const;
    // Ignored for any other k.
    void setField(int k, std::uint8_t value);

    bool operator==(const WinningCombination&) const = default;
};

// The double click on an archive line: the draw's numbers and Euro numbers, as they are.
WinningCombination winningCombinationOf(const Draw& draw);

} // namespace quintora
