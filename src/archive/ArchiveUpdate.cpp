#include "archive/ArchiveUpdate.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"

namespace quintora {

Status updateArchiveFromText(DrawArchive& archive, const std::string& textPath,
                             const std::string& archivePath) {
    auto downloaded = readArchiveText(textPath);
    if (!downloaded) {
        return downloaded.error();
    }
    if (auto saved = saveArchiveFile(archivePath, downloaded.value()); !saved) {
        return saved.error();
    }
    archive = std::move(downloaded.value());
    return success();
}

} // namespace quintora
