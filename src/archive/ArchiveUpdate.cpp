#include "archive/ArchiveUpdate.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"

#include <unordered_set>

namespace quintora {

namespace {

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::optional<Message> shrinkProblem(const DrawArchive& held, const DrawArchive& downloaded) {
    if (downloaded.count() < held.count()) {
        return Message{text::DownloadedArchiveShorter,
                       {std::to_string(downloaded.count()), std::to_string(held.count())}};
    }
    std::unordered_set<std::string> dates;
    for (const auto& d : downloaded.draws) {
        dates.insert(d.drawDate);
    }
    for (const auto& d : held.draws) {
        if (!d.isEmpty() && !dates.contains(d.drawDate)) {
            return Message{text::DownloadedArchiveLacksDraw, {withoutTrailingBlanks(d.drawDate)}};
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
