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

std::string decimal2(double value, bool group) {
    const std::int64_t cents = roundHalfEven(value * 100.0);
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    const std::int64_t whole = magnitude / 100;
    char frac[8];
    std::snprintf(frac, sizeof frac, ",%02d", static_cast<int>(magnitude % 100));
    return (cents < 0 ? "-" : "") + (group ? grouped(whole) : std::to_string(whole)) + frac;
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

std::string formatDecimal2(double value) {
    return decimal2(value, false);
}

std::string formatEuro(double value) {
    return "\xE2\x82\xAC " + decimal2(value, true);
}

std::string twoDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", value);
    return buf;
}

} // namespace quintora
