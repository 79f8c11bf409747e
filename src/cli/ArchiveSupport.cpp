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
        fail(said(opened.error()));
        return false;
    }
    if (opened.value().count() > 0) {
        std::cerr << "quintora-cli: " << said(skippedRecordsText(opened.value())) << " (" << path
                  << ")\n";
    }
    return true;
}

bool openDrawsOrReport(ArchiveDocument& archives, const std::string& path) {
    if (!openArchiveOrReport(archives, path)) {
        return false;
    }
    if (archives.archive().draws.empty()) {
        fail(said(Message{text::ArchiveHoldsNoValidDraw, {path}}));
        return false;
    }
    return true;
}

} // namespace quintora::cli
