#include "core/Encoding.h"

#include <array>
#include <cstdint>

namespace quintora {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined,
// which stand for the control characters of the same value (U+0081, U+008D, U+008F, U+0090,
// U+009D) both ways, as Windows converts them, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePoint(std::uint8_t b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char32_t c = high[b - 0x80];
        return c == 0 ? char32_t{b} : c;
    }
    return b;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (codePoint(static_cast<std::uint8_t>(0x80 + i)) == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        appendUtf8(out, codePoint(static_cast<std::uint8_t>(ch)));
    }
    return out;
}

std::string windows1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        char32_t c = 0;
        std::size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            len = 4;
        } else {
            out += '?'; // a stray continuation byte
            ++i;
            continue;
        }
        if (i + len > text.size()) {
            out += '?';
            break;
        }
        bool valid = true;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cb = static_cast<std::uint8_t>(text[i + k]);
            valid = valid && (cb & 0xC0) == 0x80;
            c = (c << 6) | (cb & 0x3F);
        }
        out += valid ? windows1252Byte(c) : '?';
        i += valid ? len : 1;
    }
    return out;
}

} // namespace quintora
