#pragma once

#include "core/SystemState.h"

#include <string>
#include <vector>

namespace quintora::reference {

struct ReferenceResult {
    std::vector<Column> columns;
    std::string systemType;
};

// The development done the straightforward way, step by step as the program describes it:
// an odometer over positions, 50 presence flags, every excluded and filter column looped over,
// every candidate compared with every accepted column. Slow, obviously right; the engine
// must give exactly its result.
ReferenceResult develop(const SystemState& state);

} // namespace quintora::reference
