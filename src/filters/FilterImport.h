#pragma once

#include "core/GameModel.h"
#include "core/Result.h"
#include "core/SystemState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quintora {

// Filter columns from text: one filter column per non-empty line, its members listed as
// numbers separated by any mix of blanks, tabs, "-", ",", ";" and ".".

inline constexpr std::size_t MaxFilterTextBytes = 16u * 1024u * 1024u;

struct FilterImportResult {
    std::int32_t loaded = 0;        // filter columns written to slots 0..loaded-1
    std::int32_t skippedPieces = 0; // pieces that were not numbers 1..50, left out
    bool limitReached = false;      // MaxFilterColumns loaded: show limitWarningText(1000)
};

// Zeroes every slot, then loads at most MaxFilterColumns lines, each switched on with
// `acceptedHits`; later lines are ignored. The loaded columns fill the first slots, so
// filterCount is `loaded`.
FilterImportResult loadTextToFilters(std::array<FilterColumn, MaxFilterColumns>& table,
                                     std::string_view text, std::int32_t acceptedHits);

// The same from a file; a file that cannot be read (or is larger than MaxFilterTextBytes)
// leaves the table untouched.
Result<FilterImportResult> loadFileToFilters(std::array<FilterColumn, MaxFilterColumns>& table,
                                             const std::string& path, std::int32_t acceptedHits);

// Accepted hit counts written as a list, "0,1,2" -> bits 0, 1 and 2; an empty list accepts
// no hit count. Counts outside 0..5 are refused.
Result<std::int32_t> parseAcceptedHits(std::string_view list);

} // namespace quintora
