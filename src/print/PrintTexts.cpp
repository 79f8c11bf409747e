#include "print/PrintTexts.h"

namespace quintora {

std::string groupedInteger(std::int64_t value, const NumberStyle& style) {
    const bool negative = value < 0;
    const std::string digits = std::to_string(negative ? -value : value);
    std::string out = negative ? "-" : "";
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            out += style.grouping;
        }
    }
    return out;
}

std::string groupedAmount(Cents amount, const NumberStyle& style) {
    const bool negative = amount < 0;
    const Cents a = negative ? -amount : amount;
    const Cents cents = a % 100;
    return (negative ? "-" : "") + groupedInteger(a / 100, style) + style.decimal +
           (cents < 10 ? "0" : "") + std::to_string(cents);
}

std::string creditLine() {
    return "Quintora - Quintora Soft - quintora.example";
}

std::string creditSuffix() {
    return " - Quintora Soft, quintora.example";
}

} // namespace quintora
