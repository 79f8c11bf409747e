#pragma once

#include "cli/CliSupport.h"
#include "matrix/OleDate.h"

#include <optional>

namespace quintora::cli {

// The day the matrix commands check validity on: --today DD/MM/YYYY, else today; nullopt when
// --today is not a date.
inline std::optional<CalendarDate> todayOption(const ParsedArgs& p) {
    return p.has("--today") ? parseDate(p.option("--today")) : std::optional(todayLocal());
}

} // namespace quintora::cli
