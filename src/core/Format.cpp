#include "core/Format.h"

#include <cmath>
#include <cstdio>

namespace quintora {

namespace {

std::string grouped(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        out += digits[i];
        const int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            out += '.';
        }
    }
    return out;
}

} // namespace

std::int64_t roundHalfEven(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::string formatCount(double value) {
    return grouped(roundHalfEven(value));
}

std::string formatDevelopmentCount(double value) {
    return " " + formatCount(value);
}

std::string twoDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", value);
    return buf;
}

} // namespace quintora
