#include "update/ServerList.h"

#include "core/Encoding.h"

#include <algorithm>
#include <cctype>

namespace quintora {

bool isPlainName(std::string_view name) {
    if (name.empty() || name.size() > MaxNameLength || name.front() == '.' ||
        name.find("..") != std::string_view::npos) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c >= 0x20 && c < 0x7F && c != '/' && c != '\\' && c != ':';
    });
}

NameList readNameList(std::string_view text, bool upperCase) {
    NameList list;
    std::size_t at = 0;
    while (at < text.size()) {
        auto end = text.find('\n', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        if (line.empty()) {
            continue;
        }
        std::string name(line);
        if (upperCase) {
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        }
        if (isPlainName(name)) {
            list.names.push_back(std::move(name));
        } else {
            // Shown as text even when the line holds control characters or other bytes.
            std::string shown;
            for (const char c : utf8FromWindows1252(line.substr(0, MaxNameLength))) {
                shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
            }
            list.skipped.push_back(Message{text::InvalidFileNameInList, {shown}});
        }
    }
    return list;
}

std::optional<std::string> storedLanguageName(std::string_view listedName) {
    constexpr std::string_view extension = ".txt";
    if (listedName.size() <= extension.size()) {
        return std::nullopt;
    }
    const auto stem = listedName.substr(0, listedName.size() - extension.size());
    std::string tail(listedName.substr(stem.size()));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail != extension) {
        return std::nullopt;
    }
    return std::string(stem) + ".lng";
}

} // namespace quintora
