#pragma once

#include "check/ArchiveCheck.h"

#include <span>
#include <string>
#include <vector>

namespace quintora {

// The value filter of the archive check's grid: one drop-down per column.
inline constexpr const char* AnyCellText = "*";

// What every drop-down shows; all "*" when the filter is switched on.
using GridFilterChoice = std::array<std::string, DrawCheckCellCount>;
GridFilterChoice unfilteredChoice();

// A column's drop-down: "*", then every distinct text of the column in order of first
// appearance. Empty for a column outside the grid.
std::vector<std::string> filterEntries(std::span<const DrawCheckRow> rows, int column);

// Per row, whether it stays shown: its cell equals the chosen text in every column whose
// choice is not "*" (exact texts, all columns combined).
std::vector<bool> rowsShown(std::span<const DrawCheckRow> rows, const GridFilterChoice& choice);

} // namespace quintora
