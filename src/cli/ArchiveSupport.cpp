#include "cli/ArchiveSupport.h"

#include "archive/ArchiveFile.h"
#include "cli/CliCommands.h"

#include <filesystem>
#include <system_error>

namespace quintora::cli {

std::optional<DrawArchive> readArchiveOrReport(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(path + ": il file dell'archivio estrazioni non esiste");
        return std::nullopt;
    }
    auto archive = readArchiveFile(path);
    if (!archive) {
        fail(archive.error().message);
        return std::nullopt;
    }
    return std::move(archive.value());
}

} // namespace quintora::cli
