#pragma once

#include "archive/ArchiveCorrections.h"
#include "archive/Draw.h"
#include "core/Result.h"

#include <optional>
#include <string>

namespace quintora {

// What a new text may do to the archive: a text the user chose replaces it whatever it holds;
// an update from the server may only add draws, or correct held ones with the user's consent,
// so that a bad download never costs an outlet its history.
enum class ArchiveReplacement { Any, OnlyGrowing };

// Why `downloaded` may never take the place of `held` when the archive only grows: it holds
// fewer draws. nullopt when it may.
std::optional<Message> shrinkProblem(const DrawArchive& held, const DrawArchive& downloaded);

// The update of the archive from a downloaded text: LoadArchivioTMP, then the save. Only when
// both succeed does `archive` take the new draws; on any failure the archive in memory and the
// file on disk stay exactly as they were, and the message says why. When only growing, a text
// that changes or drops held draws is applied only when `consent` agrees.
Status updateArchiveFromText(DrawArchive& archive, const std::string& textPath,
                             const std::string& archivePath,
                             ArchiveReplacement replacement = ArchiveReplacement::Any,
                             const CorrectionConsent& consent = {});

} // namespace quintora
