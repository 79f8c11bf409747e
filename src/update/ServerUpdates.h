#pragma once

#include "archive/ArchiveCorrections.h"
#include "archive/Draw.h"
#include "core/Result.h"
#include "update/Download.h"

#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// The version check against the server (NewVersion), without its window.
struct VersionOutcome {
    enum class Kind {
        Unreachable,   // the download failed: nothing is said
        Current,       // same version, or the local one is newer
        RemoteNewer,   // announce the new version, then end
        NotComparable, // the standard error message, then go on
    };
    Kind kind = Kind::Unreachable;
    std::string remote; // the remote version line as read
};
VersionOutcome checkServerVersion(const Download& download, std::string_view server,
                                  const std::string& tempFolder, const std::string& localVersion);

// "Aggiorna": the complete archive text into downloadPath, then parsed and saved. The archive
// in memory and on disk change only when all of it succeeds, and only by growing: a text with
// fewer draws than `archive` is refused, one that changes or drops held draws is applied only
// when `consent` agrees.
Status updateArchiveFromServer(const Download& download, std::string_view server,
                               DrawArchive& archive, const std::string& downloadPath,
                               const std::string& archivePath,
                               const CorrectionConsent& consent = {});

// What a list update stored, and why the other listed files were not.
struct UpdateReport {
    std::vector<std::string> stored; // names as stored ("english.lng", "V7T3M3.mzor")
    std::vector<Message> problems;   // one message per listed file left out
};

// The language list update: every listed "NAME.txt" is stored as "NAME.lng" in dataFolder,
// replacing an older one. A file whose download fails, or that is not a whole language file
// (languageFileProblem), is left out and the old one stays. Fails only when the list cannot be had.
Result<UpdateReport> updateLanguageFiles(const Download& download, std::string_view server,
                                         const std::string& tempFolder,
                                         const std::string& dataFolder);

// The matrix download: every listed name, upper-cased, stored in matrixFolder with ".DAT"
// replaced by ".mzor". Only whole matrix files replace what is there.
Result<UpdateReport> updateMatrixFiles(const Download& download, std::string_view server,
                                       const std::string& tempFolder,
                                       const std::string& matrixFolder);

// The credits of the language files, as UTF-8 text.
Result<std::string> downloadLanguageCredits(const Download& download, std::string_view server,
                                            const std::string& tempFolder);

} // namespace quintora
