#include "document/ArchiveDocument.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveUpdate.h"

namespace quintora {

int ArchiveDocument::addListener(Listener listener) {
    const int id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void ArchiveDocument::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ArchiveDocument::notify(ArchiveChanges what) {
    // A listener may remove itself (a closing dialog): walk a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        listener(what);
    }
}

Result<SkippedRecords> ArchiveDocument::open(const std::string& archivePath) {
    SkippedRecords skipped;
    auto read = readArchiveFile(archivePath, skipped);
    if (!read) {
        return read.error();
    }
    archive_ = std::move(read).value();
    notify(ArchiveChange::Draws);
    return skipped;
}

Status ArchiveDocument::importText(const std::string& textPath, const std::string& archivePath) {
    auto imported = updateArchiveFromText(archive_, textPath, archivePath);
    if (imported) {
        notify(ArchiveChange::Draws);
    }
    return imported;
}

Status ArchiveDocument::updateFromServer(const Download& download, std::string_view server,
                                         const std::string& downloadPath,
                                         const std::string& archivePath,
                                         const CorrectionConsent& consent) {
    auto updated =
        updateArchiveFromServer(download, server, archive_, downloadPath, archivePath, consent);
    notify(updated ? ArchiveChange::Update | ArchiveChange::Draws
                   : ArchiveChanges(ArchiveChange::Update));
    return updated;
}

void ArchiveDocument::setWinningCombination(const WinningCombination& combination) {
    winning_ = combination;
    notify(ArchiveChange::Winning);
}

} // namespace quintora
