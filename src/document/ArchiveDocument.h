#pragma once

#include "archive/ArchiveFile.h"
#include "archive/Draw.h"
#include "check/WinningCombination.h"
#include "core/Result.h"
#include "document/DocumentChanges.h"
#include "update/ServerUpdates.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintora {

// The draw archive of the run and the check's winning combination, and every command that
// changes them. The archive window, the statistics, both checks and quintora-cli change them only
// through here; listeners hear what changed after each command, so the views that show the
// archive never need refreshing by hand. A command that fails leaves both as they were.
class ArchiveDocument {
public:
    using Listener = std::function<void(ArchiveChanges)>;

    ArchiveDocument() = default;
    ArchiveDocument(const ArchiveDocument&) = delete;
    ArchiveDocument& operator=(const ArchiveDocument&) = delete;

    const DrawArchive& archive() const { return archive_; }
    const WinningCombination& winningCombination() const { return winning_; }

    // Returns an id for removeListener.
    int addListener(Listener listener);
    void removeListener(int id);

    // Reads the archive file, keeping every whole, valid record; says how many it skipped.
    Result<SkippedRecords> open(const std::string& archivePath);
    // A downloaded archive text, converted and saved to archivePath; only then it becomes the
    // archive.
    Status importText(const std::string& textPath, const std::string& archivePath);
    // "Aggiorna": the complete archive from the server into downloadPath, converted and saved
    // to archivePath. A download that changes or drops held draws is applied only when
    // `consent` agrees. Listeners hear Update in any case, with Draws when the archive changed.
    Status updateFromServer(const Download& download, std::string_view server,
                            const std::string& downloadPath, const std::string& archivePath,
                            const CorrectionConsent& consent = {});

    // The combination the check dialog shows and checks; a double click on an archive line
    // sets the draw's. Listeners hear it even when the combination was already the same, so an
    // open check dialog shows it afresh.
    // Cannot be refused: any combination may be held, checked when it is used.
    void setWinningCombination(const WinningCombination& combination);

private:
    void notify(ArchiveChanges what);

    DrawArchive archive_;
    WinningCombination winning_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace quintora
