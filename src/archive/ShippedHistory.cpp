#include "archive/ShippedHistory.h"

#include "archive/ArchiveUpdate.h"

namespace quintora {

Result<DrawArchive> buildArchiveFromHistory(const std::string& historyPath,
                                            const std::string& archivePath) {
    DrawArchive archive;
    if (auto built = updateArchiveFromText(archive, historyPath, archivePath); !built) {
        return built.error();
    }
    return archive;
}

} // namespace quintora
