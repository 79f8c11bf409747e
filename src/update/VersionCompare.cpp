#include "update/VersionCompare.h"

#include <cstdint>
#include <vector>

namespace quintora {

namespace {

std::vector<std::string_view> splitAtDots(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (true) {
        const auto dot = text.find('.', at);
        if (dot == std::string_view::npos) {
            parts.push_back(text.substr(at));
            return parts;
        }
        parts.push_back(text.substr(at, dot - at));
        at = dot + 1;
    }
}

// The leading number of a part; blanks before it are skipped, huge values saturate.
std::uint64_t leadingNumber(std::string_view part) {
    std::size_t i = 0;
    while (i < part.size() && (part[i] == ' ' || part[i] == '\t')) {
        ++i;
    }
    std::uint64_t value = 0;
    constexpr std::uint64_t cap = 1'000'000'000'000'000'000ULL;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
        value = value >= cap ? cap : value * 10 + static_cast<std::uint64_t>(part[i] - '0');
    }
    return value;
}

} // namespace

std::string localVersionText() {
    return std::to_string(QUINTORA_VERSION_MAJOR) + "." + std::to_string(QUINTORA_VERSION_MINOR) +
           "." + std::to_string(QUINTORA_VERSION_PATCH);
}

std::string firstLine(std::string_view text) {
    const auto end = text.find_first_of("\r\n");
    return std::string(text.substr(0, end));
}

VersionVerdict compareVersions(std::string_view local, std::string_view remote) {
    const auto localParts = splitAtDots(local);
    const auto remoteParts = splitAtDots(remote);
    for (std::size_t i = 0; i < localParts.size(); ++i) {
        if (i >= remoteParts.size()) {
            return VersionVerdict::NotComparable;
        }
        const auto l = leadingNumber(localParts[i]);
        const auto r = leadingNumber(remoteParts[i]);
        if (l > r) {
            return VersionVerdict::Current;
        }
        if (r > l) {
            return VersionVerdict::RemoteNewer;
        }
    }
    return VersionVerdict::Current;
}

std::string versionCheckErrorText() {
    return "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo";
}

} // namespace quintora
