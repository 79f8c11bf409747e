#include "core/CalendarDate.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace quintora {

bool isRealDay(const CalendarDate& d) {
    using namespace std::chrono;
    if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) {
        return false;
    }
    return year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                          day{static_cast<unsigned>(d.day)}}
        .ok();
}

std::optional<CalendarDate> parseDate(std::string_view text) {
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (const char c : text) {
        if (c == '/') {
            if (++part > 2) {
                return std::nullopt;
            }
        } else if (c >= '0' && c <= '9') {
            if (++digits[part] > 4) {
                return std::nullopt;
            }
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 ||
        digits[2] != 4) {
        return std::nullopt;
    }
    const CalendarDate d{parts[2], parts[1], parts[0]};
    if (!isRealDay(d)) {
        return std::nullopt;
    }
    return d;
}

std::string formatDate(const CalendarDate& d) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
    return text;
}

CalendarDate todayLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace quintora
