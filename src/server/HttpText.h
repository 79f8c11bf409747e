#pragma once

#include <string_view>

namespace quintora {

// A field value without the blanks HTTP allows around it (spaces and tabs only: any other
// control byte stays and is refused by whoever reads the value).
inline std::string_view withoutHttpBlanks(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace quintora
