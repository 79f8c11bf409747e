#pragma once

#include "core/GameModel.h"

#include <cstdint>
#include <span>

namespace quintora {

// Puts the columns in a random order, moving whole columns: for i = 1..n a random r in 1..n
// is drawn and the columns named by idx[i] and idx[r] are exchanged, as are idx[i] and idx[r].
void shuffleColumns(std::span<Column> columns, std::uint64_t seed);

// A seed from the time of day.
std::uint64_t seedFromClock();

} // namespace quintora
