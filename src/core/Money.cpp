#include "core/Money.h"

#include "core/Format.h"

#include <cstdio>

namespace quintora {

namespace {

std::string decimal(Cents amount, bool group) {
    const Cents magnitude = amount < 0 ? -amount : amount;
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ",%02d", static_cast<int>(magnitude % 100));
    const Cents whole = magnitude / 100;
    return (amount < 0 ? "-" : "") +
           (group ? formatCount(static_cast<double>(whole)) : std::to_string(whole)) + fraction;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string formatEuro(Cents amount) {
    return "\xE2\x82\xAC " + decimal(amount, true);
}

std::string formatCentsAsDecimal(Cents amount) {
    return decimal(amount, false);
}

std::optional<Cents> parseEuros(std::string_view text) {
    text = trimBlanks(text);
    Cents whole = 0;
    Cents fraction = 0;
    int decimals = -1; // -1 before the decimal mark
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
            if (decimals < 0) {
                whole = whole * 10 + (c - '0');
                if (whole > MaxPricePerColumn) {
                    return std::nullopt;
                }
            } else if (++decimals > 2) {
                return std::nullopt;
            } else {
                fraction = fraction * 10 + (c - '0');
            }
        } else if ((c == '.' || c == ',') && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    if (decimals == 1) {
        fraction *= 10;
    }
    const Cents cents = whole * 100 + fraction;
    if (cents > MaxPricePerColumn) {
        return std::nullopt;
    }
    return cents;
}

} // namespace quintora
