#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// A day of the calendar: every date the program reads (draws, matrix validity, command-line
// options) is one of these, checked when it is read.
struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    // yyyymmdd: orders dates as the calendar does.
    constexpr int key() const { return year * 10000 + month * 100 + day; }
    bool operator==(const CalendarDate&) const = default;
};

// Written out rather than defaulted with <=>: Qt's moc reads headers that include this one and
// cannot parse <compare>.
constexpr bool operator<(const CalendarDate& a, const CalendarDate& b) {
    return a.key() < b.key();
}
constexpr bool operator>(const CalendarDate& a, const CalendarDate& b) {
    return b < a;
}
constexpr bool operator<=(const CalendarDate& a, const CalendarDate& b) {
    return !(b < a);
}
constexpr bool operator>=(const CalendarDate& a, const CalendarDate& b) {
    return !(a < b);
}

// A day that exists (month lengths, leap years), in the years 100..9999.
bool isRealDay(const CalendarDate& date);

// "DD/MM/YYYY", one or two digits for day and month, four for the year, of a real day; nothing
// else (no blank, no sign, no other separator).
std::optional<CalendarDate> parseDate(std::string_view text);

// "dd/mm/yyyy": always 10 characters for a real day.
std::string formatDate(const CalendarDate& date);

// Today in the local time zone.
CalendarDate todayLocal();

} // namespace quintora
