#include "archive/ArchiveUpdate.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"

#include <set>

namespace quintora {

std::optional<Message> shrinkProblem(const DrawArchive& held, const DrawArchive& downloaded) {
    if (downloaded.count() < held.count()) {
        return Message{1902, {std::to_string(downloaded.count()), std::to_string(held.count())}};
    }
    std::set<CalendarDate> dates;
    for (const auto& d : downloaded.draws) {
        dates.insert(d.date);
    }
    for (const auto& d : held.draws) {
        if (!d.isEmpty() && !dates.contains(d.date)) {
            return Message{1903, {d.dateText()}};
        }
    }
    return std::nullopt;
}

Status updateArchiveFromText(DrawArchive& archive, const std::string& textPath,
                             const std::string& archivePath, ArchiveReplacement replacement) {
    auto downloaded = readArchiveText(textPath);
    if (!downloaded) {
        return downloaded.error();
    }
    if (replacement == ArchiveReplacement::OnlyGrowing) {
        if (const auto problem = shrinkProblem(archive, downloaded.value())) {
            return Error{"", *problem};
        }
    }
    if (auto saved = saveArchiveFile(archivePath, downloaded.value()); !saved) {
        return saved.error();
    }
    archive = std::move(downloaded.value());
    return success();
}

} // namespace quintora
