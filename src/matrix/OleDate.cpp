#include "matrix/OleDate.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace quintora {

namespace {

using namespace std::chrono;

constexpr sys_days oleEpoch = sys_days{year{1899} / December / 30};

bool inRange(const CalendarDate& d) {
    return d.year >= 100 && d.year <= 9999;
}

bool isRealDay(const CalendarDate& d) {
    return year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                          day{static_cast<unsigned>(d.day)}}
        .ok();
}

} // namespace

std::optional<CalendarDate> dateFromOle(double value) {
    // Years 100..9999 lie well inside +-3.0e6 days; anything beyond is refused before the
    // conversion to an integer could overflow.
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) {
        return std::nullopt;
    }
    const auto days_ = static_cast<int>(std::trunc(value));
    const year_month_day ymd{oleEpoch + days{days_}};
    const CalendarDate d{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                         static_cast<int>(unsigned(ymd.day()))};
    if (!inRange(d)) {
        return std::nullopt;
    }
    return d;
}

double oleFromDate(const CalendarDate& d) {
    const sys_days at{year{d.year} / month{static_cast<unsigned>(d.month)} /
                      day{static_cast<unsigned>(d.day)}};
    return static_cast<double>((at - oleEpoch).count());
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
    if (!inRange(d) || !isRealDay(d)) {
        return std::nullopt;
    }
    return d;
}

std::string formatDate(const CalendarDate& d) {
    char text[16];
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
