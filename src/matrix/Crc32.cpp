#include "matrix/Crc32.h"

#include <algorithm>
#include <zlib.h>

namespace quintora {

std::uint32_t crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes) {
    // zlib takes at most a uInt of bytes per call.
    constexpr std::size_t chunk = 1u << 30;
    uLong value = crc;
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        const auto n = std::min(chunk, bytes.size() - at);
        value = ::crc32(value, bytes.data() + at, static_cast<uInt>(n));
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
    return crc32Update(0, bytes);
}

} // namespace quintora
