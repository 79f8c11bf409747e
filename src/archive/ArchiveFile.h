#pragma once

#include "archive/Draw.h"
#include "core/Result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The archive file ("archivio/quintora.dat"): 19-byte records one after the other, nothing
// before, between or after them: contest (int16), date (10 characters), 5 numbers, 2 Euro
// numbers, one byte each.
inline constexpr std::size_t DrawRecordSize = 19;
inline constexpr std::size_t MaxArchiveFileBytes = DrawRecordSize * MaxDraws;

// The bytes of the archive file for `archive`.
std::vector<std::uint8_t> encodeArchive(const DrawArchive& archive);

// Reads archive bytes. Records whose first number is 0 are dropped; a length that is not a
// whole number of records, more records than the archive holds, or a record that is not a
// real draw are refused with a message.
Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes);

// LoadArchivioEstrazioni: a missing file reads as an empty archive. A folder, a device or a
// file larger than the archive can be is refused before anything is read.
Result<DrawArchive> readArchiveFile(const std::string& path);

// SaveArchivioEstrazioni: writes every draw atomically, so a failure keeps the old file.
Status saveArchiveFile(const std::string& path, const DrawArchive& archive);

} // namespace quintora
