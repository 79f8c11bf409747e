#pragma once

#include "core/Result.h"
#include "files/KeptPieces.h"
#include "print/SlipLayout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The calibration file of a slip type: ten records of 128 bytes, each value at the start of
// its own record (eight float measures, the quality tagged as a 16-bit integer, the printer
// name with a 16-bit length in Windows-1252); the file ends after the name.
inline constexpr std::size_t CalibrationRecordSize = 128;
// The longest file a name of 65535 bytes gives.
inline constexpr std::size_t MaxCalibrationFileSize = 9 * CalibrationRecordSize + 2 + 65535;

// The calibration file of a slip type in a data folder, and in the user's data folder (the
// folder of the settings file).
std::string calibrationPath(const std::string& dataFolder, SlipType type);
std::string standardCalibrationPath(SlipType type);

std::vector<std::uint8_t> encodeCalibration(const SlipLayout& layout);
// The same, keeping the file's own bytes of every record whose value `layout` did not change
// (the bytes behind a value, a file that ends early): see KeptPieces.
std::vector<std::uint8_t> encodeCalibration(const SlipLayout& layout, const KeptPieces& kept);

// A calibration file as read: the layout and the file's own bytes of each record.
struct StoredCalibration {
    SlipLayout layout;
    KeptPieces kept;
};

// A file that ends early gives 0 for every measure not present, an unset quality and an
// empty printer name. Refused with a message: a measure that is not a number or lies outside
// 0..300 mm, a quality record with another type code, bytes after the printer name.
Result<SlipLayout> decodeCalibration(std::span<const std::uint8_t> bytes);
Result<StoredCalibration> decodeStoredCalibration(std::span<const std::uint8_t> bytes);

// Reads `path`; a missing file is an all-zero layout. With applyDefaults every measure of 0
// takes its default (the calibration dialog); without it the values are used as stored.
// Anything that is not a regular file, or larger than a calibration file can be, is refused.
Result<SlipLayout> loadSlipLayout(const std::string& path, SlipType type, bool applyDefaults);
Result<StoredCalibration> loadStoredCalibration(const std::string& path, SlipType type,
                                                bool applyDefaults);

// Writes the ten records atomically.
Status saveSlipLayout(const std::string& path, const SlipLayout& layout);
Status saveSlipLayout(const std::string& path, const SlipLayout& layout, const KeptPieces& kept);

} // namespace quintora
