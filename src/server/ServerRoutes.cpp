#include "server/ServerRoutes.h"

#include "update/ServerList.h"

#include <vector>

namespace quintora {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The decoded path segments; none when one is empty, "." or not a plain segment.
std::optional<std::vector<std::string>> pathSegments(std::string_view path) {
    if (path.empty() || path.front() != '/') {
        return std::nullopt;
    }
    path.remove_prefix(1);
    std::vector<std::string> segments;
    std::size_t at = 0;
    while (true) {
        const auto slash = path.find('/', at);
        const auto raw = path.substr(at, slash == std::string_view::npos ? path.npos : slash - at);
        auto decoded = percentDecoded(raw, false);
        if (!decoded || !isPlainName(*decoded)) {
            return std::nullopt;
        }
        segments.push_back(std::move(*decoded));
        if (slash == std::string_view::npos) {
            return segments;
        }
        at = slash + 1;
    }
}

// The decoded value of `key` in a query; none when it is missing, repeated or broken.
std::optional<std::string> queryValue(std::string_view query, std::string_view key) {
    std::optional<std::string> found;
    std::size_t at = 0;
    while (at <= query.size()) {
        auto amp = query.find('&', at);
        if (amp == std::string_view::npos) {
            amp = query.size();
        }
        const auto pair = query.substr(at, amp - at);
        at = amp + 1;
        const auto eq = pair.find('=');
        const auto name = percentDecoded(pair.substr(0, eq), true);
        if (!name || *name != key) {
            continue;
        }
        if (found || eq == std::string_view::npos) {
            return std::nullopt;
        }
        found = percentDecoded(pair.substr(eq + 1), true);
        if (!found) {
            return std::nullopt;
        }
    }
    return found;
}

bool is(const std::vector<std::string>& segments, std::initializer_list<std::string_view> want) {
    if (segments.size() != want.size()) {
        return false;
    }
    std::size_t i = 0;
    for (const auto w : want) {
        if (segments[i++] != w) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> percentDecoded(std::string_view text, bool plusIsBlank) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            const int hi = hexValue(text[i + 1]);
            const int lo = hexValue(text[i + 2]);
            if (hi < 0 || lo < 0) {
                return std::nullopt;
            }
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else if (c == '+' && plusIsBlank) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> contentFileFor(std::string_view target) {
    const auto mark = target.find('?');
    const auto path = target.substr(0, mark);
    const auto query =
        mark == std::string_view::npos ? std::string_view{} : target.substr(mark + 1);
    const auto segments = pathSegments(path);
    if (!segments) {
        return std::nullopt;
    }
    if (is(*segments, {"public", "quintora", "ver.asp"})) {
        return "version.txt";
    }
    if (is(*segments, {"quintora", "archivio.asp"})) {
        return "archivio.txt";
    }
    if (is(*segments, {"public", "risorse", "lista.asp"})) {
        if (queryValue(query, "K") == "05") {
            return "matrici/lista.txt";
        }
        return std::nullopt;
    }
    if (is(*segments, {"public", "risorse", "matrici", "download.aspx"})) {
        const auto name = queryValue(query, "file");
        if (name && isPlainName(*name)) {
            return "matrici/" + *name;
        }
        return std::nullopt;
    }
    if (segments->size() == 4 &&
        is({(*segments)[0], (*segments)[1], (*segments)[2]}, {"public", "risorse", "lingue"})) {
        return "lingue/" + (*segments)[3];
    }
    return std::nullopt;
}

} // namespace quintora
