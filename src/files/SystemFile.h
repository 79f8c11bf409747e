#pragma once

#include "core/Result.h"
#include "core/SystemState.h"
#include "files/KeptPieces.h"
#include "files/SaveDevice.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The system file (".qsy"): identifier "quintsys002", the header and condition groups, the
// column table, then an optional conditions section of typed blocks.
namespace systemfile {
inline constexpr char Identifier[] = "quintsys002";
inline constexpr std::int32_t ConditionsMarker = 12345;
inline constexpr std::int32_t BlockMinimumDistance = 8;
inline constexpr std::int32_t BlockFilterColumn = 1;
inline constexpr std::int32_t BlockConsecutive = 2;
inline constexpr std::int32_t BlockExcluded = 4;
inline constexpr std::int32_t BlockSecondFilterList = 16; // read over, never written
inline constexpr std::int32_t BlockEnd1 = 100;
inline constexpr std::int32_t BlockEnd2 = 200;
} // namespace systemfile

inline const Message UnreadableFileText{text::FileCannotBeRead};
inline const Message ErrorTitle{text::ErrorTitle};

// The bytes of a system file for `state`.
std::vector<std::uint8_t> encodeSystemFile(const SystemState& state);
// The same, keeping the file's own bytes of every piece whose meaning `state` did not change
// (see KeptPieces): the head's fields one by one, and what follows the columns as a whole.
std::vector<std::uint8_t> encodeSystemFile(const SystemState& state, const KeptPieces& kept);

struct LoadedSystem {
    SystemState state;             // the stored groups; run-time fields at their defaults
    std::vector<Message> warnings; // "Condizione non riconosciuta\r\nID : n", one per block
    KeptPieces kept;               // the file's own bytes, for a save of the same system
};

// Reads the bytes of a system file. A wrong identifier, a file cut inside the head or the
// column table, or counts beyond the tables are refused with a message. Switched-off filter
// columns are dropped: filterCount counts the switched-on ones, in the file's order.
Result<LoadedSystem> decodeSystemFile(std::span<const std::uint8_t> bytes);

// Writes `state` to `path` through the atomic saver (an empty path is an error).
Status saveSystemFile(const std::string& path, const SystemState& state);
// The same through `device` (tests pass one that fails).
Status saveSystemFile(const std::string& path, const SystemState& state, SaveDevice& device);
// Writes `state` keeping the pieces of the file it was read from.
Status saveSystemFile(const std::string& path, const SystemState& state, const KeptPieces& kept);
// Reads a system file; double quotes around or inside the path (a command line's) are removed.
Result<LoadedSystem> readSystemFile(const std::string& path);

} // namespace quintora
