#include "server/ByteRange.h"

#include "server/HttpText.h"

#include <algorithm>

namespace quintora {

namespace {

constexpr std::size_t MaxDigits = 18; // fits in 64 bits, and in any file offset

std::optional<std::uint64_t> number(std::string_view digits) {
    if (digits.empty() || digits.size() > MaxDigits) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

bool startsWithUnit(std::string_view value) {
    constexpr std::string_view Unit = "bytes=";
    return value.size() >= Unit.size() &&
           std::equal(Unit.begin(), Unit.end(), value.begin(), [](char u, char c) {
               return u == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
           });
}

} // namespace

std::optional<ByteRange> ByteRange::parse(std::string_view value) {
    value = withoutHttpBlanks(value);
    if (!startsWithUnit(value)) {
        return std::nullopt;
    }
    // A comma means a second range (or an empty one): more than the server serves.
    const auto ranges = withoutHttpBlanks(value.substr(6));
    const auto dash = ranges.find('-');
    if (dash == std::string_view::npos || ranges.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    const auto firstText = ranges.substr(0, dash);
    const auto lastText = ranges.substr(dash + 1);
    if (firstText.empty()) {
        const auto suffix = number(lastText);
        return suffix ? std::optional(ByteRange(std::nullopt, *suffix)) : std::nullopt;
    }
    const auto first = number(firstText);
    if (!first) {
        return std::nullopt;
    }
    if (lastText.empty()) {
        ByteRange open(first, 0);
        open.open_ = true;
        return open;
    }
    const auto last = number(lastText);
    if (!last || *last < *first) {
        return std::nullopt;
    }
    return ByteRange(first, *last);
}

std::optional<ByteRange::Slice> ByteRange::within(std::uint64_t size) const {
    if (!first_) {
        if (last_ == 0 || size == 0) {
            return std::nullopt;
        }
        const auto length = std::min(last_, size);
        return Slice{size - length, length};
    }
    if (*first_ >= size) {
        return std::nullopt;
    }
    const auto last = open_ ? size - 1 : std::min(last_, size - 1);
    return Slice{*first_, last - *first_ + 1};
}

std::string ByteRange::text() const {
    if (!first_) {
        return "bytes=-" + std::to_string(last_);
    }
    return "bytes=" + std::to_string(*first_) + "-" + (open_ ? "" : std::to_string(last_));
}

} // namespace quintora
