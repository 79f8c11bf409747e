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

std::optional<std::string> shrinkProblem(const DrawArchive& held, const DrawArchive& downloaded) {
    if (downloaded.count() < held.count()) {
        return "L'archivio scaricato contiene " + std::to_string(downloaded.count()) +
               " estrazioni, meno delle " + std::to_string(held.count()) +
               " dell'archivio: l'archivio non e' stato cambiato";
    }
    std::unordered_set<std::string> dates;
    for (const auto& d : downloaded.draws) {
        dates.insert(d.drawDate);
    }
    for (const auto& d : held.draws) {
        if (!d.isEmpty() && !dates.contains(d.drawDate)) {
            return "L'archivio scaricato non contiene l'estrazione del " +
                   withoutTrailingBlanks(d.drawDate) + ": l'archivio non e' stato cambiato";
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
