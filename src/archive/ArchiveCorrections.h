#pragma once

#include "archive/Draw.h"
#include "core/Message.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quintora {

// How a downloaded archive differs from the one held, draw by draw, matched by date: draws of
// dates the archive lacks, draws of a held date with another contest or other numbers, and
// held dates the download lacks.
struct ArchiveCorrections {
    std::vector<Draw> added;
    std::vector<std::pair<Draw, Draw>> changed; // held, downloaded
    std::vector<Draw> missing;

    // Whether the download changes or drops draws the archive holds (more than adding).
    bool touchesHeldDraws() const { return !changed.empty() || !missing.empty(); }
};

ArchiveCorrections archiveCorrections(const DrawArchive& held, const DrawArchive& downloaded);

// "added 3, changed 1, missing 0" in the program's words, and one line per difference, each
// with the list line of its draw (a changed one: the held and the downloaded).
Message correctionsSummary(const ArchiveCorrections& corrections);
std::vector<Message> correctionLines(const ArchiveCorrections& corrections);

// Asked before a download that changes or drops held draws replaces the archive: true to
// apply it. An update without one refuses such a download.
using CorrectionConsent = std::function<bool(const ArchiveCorrections&)>;

} // namespace quintora
