#pragma once

#include "archive/Draw.h"
#include "core/Result.h"

#include <string>

namespace quintora {

// The real draw history that comes with the program, in the downloaded-archive text form.
inline constexpr const char* ShippedHistoryFileName = "eurojackpot-draws.txt";

// For a first start without an archive file: reads the history text and saves it as the
// archive file at `archivePath` (its folder must exist). Returns the archive it wrote; on a
// failure nothing is written. The caller decides that the archive file is missing.
Result<DrawArchive> buildArchiveFromHistory(const std::string& historyPath,
                                            const std::string& archivePath);

} // namespace quintora
