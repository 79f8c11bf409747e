#pragma once

#include "core/SystemState.h"

#include <cstdint>
#include <span>
#include <string>

namespace quintora {

// Paging and editing rules of the filter-column dialog. Panels are numbered 1..1000;
// panel p shows filters[p - 1].

// The panel reached from `panel` by `delta` steps, never below 1 nor beyond 1000.
int movePanel(int panel, int delta);

// Hit counts 0..5 chosen on the presence labels <-> the acceptedHits bit set.
std::int32_t hitsMask(std::span<const bool, 6> hits0to5);
bool hitAccepted(std::int32_t acceptedHits, int hits);

// How many slots are switched on.
int activeFilterCount(std::span<const FilterColumn> filters);

// "###,#00": at least two digits, "." between thousands (5 -> "05", 1000 -> "1.000").
std::string formatFilterCount(int value);

} // namespace quintora
