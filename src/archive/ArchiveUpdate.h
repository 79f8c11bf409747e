#pragma once

#include "archive/Draw.h"
#include "core/Result.h"

#include <string>

namespace quintora {

// The update of the archive from a downloaded text: LoadArchivioTMP, then the save. Only when
// both succeed does `archive` take the new draws; on any failure the archive in memory and the
// file on disk stay exactly as they were, and the message says why.
Status updateArchiveFromText(DrawArchive& archive, const std::string& textPath,
                             const std::string& archivePath);

} // namespace quintora
