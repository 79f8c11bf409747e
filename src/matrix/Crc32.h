#pragma once

#include <cstdint>
#include <span>

namespace quintora {

// The standard CRC-32 (zlib's, ISO-HDLC): reflected polynomial 0xEDB88320, initial value all
// ones, final complement. The CRC of no bytes is 0.
std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);

// Continues a CRC over more bytes: crc32Update(crc32Of(a), b) == crc32Of(a followed by b).
std::uint32_t crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes);

} // namespace quintora
