#include "cli/ArchiveSupport.h"

#include "cli/CliCommands.h"
#include "document/ArchiveDocument.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace quintora::cli {

bool openArchiveOrReport(ArchiveDocument& archives, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(path + ": il file dell'archivio estrazioni non esiste");
        return false;
    }
    const auto opened = archives.open(path);
    if (!opened) {
        fail(opened.error().message);
        return false;
    }
    if (opened.value().count() > 0) {
        std::cerr << "quintora-cli: " << skippedRecordsText(opened.value()) << " (" << path
                  << ")\n";
    }
    return true;
}

} // namespace quintora::cli
