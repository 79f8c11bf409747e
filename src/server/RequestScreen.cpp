#include "server/RequestScreen.h"

#include "server/ByteRange.h"
#include "server/HttpText.h"

#include <algorithm>
#include <optional>

namespace quintora {

namespace {

bool sameName(std::string_view name, std::string_view lowerCase) {
    return name.size() == lowerCase.size() &&
           std::equal(name.begin(), name.end(), lowerCase.begin(), [](char c, char l) {
               return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == l;
           });
}

// Takes the next line off `rest`, without its line end; none when no line end is left.
std::optional<std::string_view> nextLine(std::string_view& rest) {
    const auto end = rest.find('\n');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    auto line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

ScreenedRequest refused(std::string status) {
    return {std::move(status), {}};
}

} // namespace

ScreenedRequest screenRequest(std::string_view received) {
    const auto requestLine = nextLine(received);
    if (!requestLine || requestLine->empty()) {
        return refused("400 Bad Request");
    }
    std::optional<std::string_view> range;
    int ranges = 0;
    bool body = false;
    for (;;) {
        const auto line = nextLine(received);
        if (!line) {
            return refused("400 Bad Request");
        }
        if (line->empty()) {
            break;
        }
        // A folded line or one without a name is no field: refused rather than guessed at.
        const auto colon = line->find(':');
        const auto name = line->substr(0, colon);
        if (colon == std::string_view::npos || name.empty() ||
            name.find_first_of(" \t") != std::string_view::npos) {
            return refused("400 Bad Request");
        }
        const auto value = withoutHttpBlanks(line->substr(colon + 1));
        if (sameName(name, "transfer-encoding") ||
            (sameName(name, "content-length") &&
             (value.empty() || value.find_first_not_of('0') != std::string_view::npos))) {
            body = true;
        } else if (sameName(name, "range")) {
            range = value;
            ++ranges;
        }
    }
    if (body) {
        return refused("413 Payload Too Large");
    }
    std::string head(*requestLine);
    head += "\r\n";
    if (ranges > 0) {
        const auto asked = ranges == 1 ? ByteRange::parse(*range) : std::nullopt;
        if (!asked) {
            return refused("416 Range Not Satisfiable");
        }
        head += "Range: " + asked->text() + "\r\n";
    }
    head += "\r\n";
    return {{}, std::move(head)};
}

} // namespace quintora
