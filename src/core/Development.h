#pragma once

#include "core/DevelopmentControl.h"
#include "core/DevelopmentResult.h"
#include "core/Message.h"
#include "core/SystemState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintora {

// Why the numbers of `header` cannot be developed (fewer than 5 numbers in play, not exactly
// 2 Euro numbers), or nullopt when they can. Numbers out of range or repeated never reach the
// state: the system file's reader refuses them.
std::optional<Message> developmentInputError(const SystemHeader& header);

// Whole seconds from `start` (seconds since the epoch) to now.
std::int64_t secondsSince(double start);
double secondsSinceEpoch();

// Develops the numbers in play of `state`, taken in ascending order, through every condition
// of `state`. Reads state only, so it may run on any thread; the result is the same on any
// thread. The combinations are enumerated here;
// the conditions live in ConditionChain, keeping and progress in ColumnAcceptance.
DevelopmentResult develop(const SystemState& state, const ProgressCallback& progress,
                          DevelopmentControl& control);

// The system's name for the conditions of `state`.
std::string developedSystemType(const SystemState& state, bool stopped);

// Stores a result in the system: columns, systemType and when it began.
void adoptDevelopment(SystemState& state, DevelopmentResult&& result);

// The texts shown when the column limit is reached.
inline const Message LimitWarningTitle{text::WarningTitleCapitals};
// "!!! Colonne superiori alla capienza della memoria" CR "Capienza memoria" limit " colonne".
Message limitWarningText(double limit);

} // namespace quintora
