#include "archive/ArchiveCorrections.h"

#include "archive/ArchiveList.h"

#include <map>

namespace quintora {

namespace {

// The first draw of each date: a date given twice counts once, as the list would show it.
std::map<int, const Draw*> byDate(const DrawArchive& archive) {
    std::map<int, const Draw*> dates;
    for (const auto& d : archive.draws) {
        if (!d.isEmpty()) {
            dates.emplace(d.date.key(), &d);
        }
    }
    return dates;
}

} // namespace

ArchiveCorrections archiveCorrections(const DrawArchive& held, const DrawArchive& downloaded) {
    ArchiveCorrections out;
    const auto heldDates = byDate(held);
    const auto newDates = byDate(downloaded);
    for (const auto& [key, draw] : newDates) {
        const auto found = heldDates.find(key);
        if (found == heldDates.end()) {
            out.added.push_back(*draw);
        } else if (!(*found->second == *draw)) {
            out.changed.emplace_back(*found->second, *draw);
        }
    }
    for (const auto& [key, draw] : heldDates) {
        if (!newDates.contains(key)) {
            out.missing.push_back(*draw);
        }
    }
    return out;
}

Message correctionsSummary(const ArchiveCorrections& c) {
    return Message{text::CorrectionsSummary,
                   {std::to_string(c.added.size()), std::to_string(c.changed.size()),
                    std::to_string(c.missing.size())}};
}

std::vector<Message> correctionLines(const ArchiveCorrections& c) {
    std::vector<Message> lines;
    for (const auto& [held, downloaded] : c.changed) {
        lines.push_back(
            Message{text::CorrectionChanged, {drawListLine(held), drawListLine(downloaded)}});
    }
    for (const auto& d : c.missing) {
        lines.push_back(Message{text::CorrectionMissing, {drawListLine(d)}});
    }
    for (const auto& d : c.added) {
        lines.push_back(Message{text::CorrectionAdded, {drawListLine(d)}});
    }
    return lines;
}

} // namespace quintora
