#include "cli/ArchiveSupport.h"

#include "cli/CliCommands.h"
#include "document/ArchiveDocument.h"

#include <filesystem>
#include <system_error>

namespace quintora::cli {

bool openArchiveOrReport(ArchiveDocument& archives, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(path + ": il file dell'archivio estrazioni non esiste");
        return false;
    }
    if (auto opened = archives.open(path); !opened) {
        fail(opened.error().message);
        return false;
    }
    return true;
}

} // namespace quintora::cli
