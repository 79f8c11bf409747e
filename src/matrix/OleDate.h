#pragma once

#include "core/CalendarDate.h"

#include <optional>

namespace quintora {

// OLE automation dates: days since 30 December 1899, the time of day as the fraction. The day
// is the whole part (towards zero, as the format's own conversions take it); values that are
// not finite or lie outside the years 100..9999 have no date.
std::optional<CalendarDate> dateFromOle(double value);
double oleFromDate(const CalendarDate& date);

} // namespace quintora
