#include "settings/IniSyntax.h"

#include <cstdint>

namespace quintora::ini {

namespace {

char foldByte(char c) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 0x20);
    }
    // à..þ except ÷, and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ of the 0x80 row.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A);
    case 0x9C:
        return static_cast<char>(0x8C);
    case 0x9E:
        return static_cast<char>(0x8E);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

} // namespace

Line classify(std::string_view line) {
    const std::string_view text = trim(line);
    if (text.empty() || text.front() == ';') {
        return {};
    }
    if (text.front() == '[') {
        const auto close = text.rfind(']');
        const std::string_view name =
            close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        return {LineKind::Section, trim(name), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view key = trim(text.substr(0, equals));
    if (key.empty()) {
        return {};
    }
    return {LineKind::Entry, key, text.substr(equals + 1)};
}

std::string foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = foldByte(c);
    }
    return folded;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldByte(a[i]) != foldByte(b[i])) {
            return false;
        }
    }
    return true;
}

std::string cleanValue(std::string_view raw, std::size_t maxChars) {
    raw = trim(raw.substr(0, raw.find('\0')));
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
        raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return std::string(raw.substr(0, maxChars));
}

} // namespace quintora::ini
