#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// A day of the calendar, as the matrix headers and the validity checks use it.
struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    auto operator<=>(const CalendarDate&) const = default;
};

// OLE automation dates: days since 30 December 1899, the time of day as the fraction. The day
// is the whole part (towards zero, as the format's own conversions take it); values that are
// not finite or lie outside the years 100..9999 have no date.
std::optional<CalendarDate> dateFromOle(double value);
double oleFromDate(const CalendarDate& date);

// "DD/MM/YYYY" (one or two digits for day and month, four for the year) of a real day.
std::optional<CalendarDate> parseDate(std::string_view text);
// "dd/mm/yyyy"
std::string formatDate(const CalendarDate& date);

// Today in the local time zone.
CalendarDate todayLocal();

} // namespace quintora
