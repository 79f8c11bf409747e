#pragma once

#include "core/GameModel.h"

#include <string>
#include <vector>

namespace quintora {

// What a development produced: the engine fills it, the system adopts it.
struct DevelopmentResult {
    std::vector<Column> columns; // the accepted columns, in enumeration order
    std::string systemType;
    bool stopped = false;        // by request or by the limit: the name carries " - ***"
    bool limitReached = false;   // MaxColumns accepted: show the limit warning
    double developmentStart = 0; // when it began, seconds since the epoch
};

} // namespace quintora
