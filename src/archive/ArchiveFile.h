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

// What a reader of the archive file left out: records holding a number out of range, and
// bytes at the end too few for a whole record (counted as one record).
struct SkippedRecords {
    int invalid = 0;
    std::size_t strayBytes = 0;

    int count() const { return invalid + (strayBytes > 0 ? 1 : 0); }
};

// Reads archive bytes. Records whose first number is 0 are dropped; every other whole, valid
// record is kept, and the rest is skipped and counted in `skipped`. More records than the
// archive holds are refused with a message.
Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes, SkippedRecords& skipped);
Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes);

// LoadArchivioEstrazioni: a missing file reads as an empty archive. A folder, a device or a
// file larger than the archive can be is refused before anything is read.
Result<DrawArchive> readArchiveFile(const std::string& path, SkippedRecords& skipped);
Result<DrawArchive> readArchiveFile(const std::string& path);

// What the user is told of the records a reader skipped.
std::string skippedRecordsText(const SkippedRecords& skipped);

// SaveArchivioEstrazioni: writes every draw atomically, so a failure keeps the old file.
Status saveArchiveFile(const std::string& path, const DrawArchive& archive);

} // namespace quintora
