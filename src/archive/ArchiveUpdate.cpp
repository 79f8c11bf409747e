#include "archive/ArchiveUpdate.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"

namespace quintora {

std::optional<Message> shrinkProblem(const DrawArchive& held, const DrawArchive& downloaded) {
    if (downloaded.count() < held.count()) {
        return Message{text::DownloadedArchiveShorter,
                       {std::to_string(downloaded.count()), std::to_string(held.count())}};
    }
    return std::nullopt;
}

Status updateArchiveFromText(DrawArchive& archive, const std::string& textPath,
                             const std::string& archivePath, ArchiveReplacement replacement,
                             const CorrectionConsent& consent) {
    auto downloaded = readArchiveText(textPath);
    if (!downloaded) {
        return downloaded.error();
    }
    if (replacement == ArchiveReplacement::OnlyGrowing) {
        if (const auto problem = shrinkProblem(archive, downloaded.value())) {
            return Error{"", *problem};
        }
        const auto corrections = archiveCorrections(archive, downloaded.value());
        if (corrections.touchesHeldDraws() && !(consent && consent(corrections))) {
            return Error{"", Message{text::CorrectionsRefused, {correctionsSummary(corrections)}}};
        }
    }
    if (auto saved = saveArchiveFile(archivePath, downloaded.value()); !saved) {
        return saved.error();
    }
    archive = std::move(downloaded.value());
    return success();
}

} // namespace quintora
