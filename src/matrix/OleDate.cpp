#include "matrix/OleDate.h"

#include <chrono>
#include <cmath>

namespace quintora {

namespace {

using namespace std::chrono;

constexpr sys_days oleEpoch = sys_days{year{1899} / December / 30};

bool inRange(const CalendarDate& d) {
    return d.year >= 100 && d.year <= 9999;
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

} // namespace quintora
