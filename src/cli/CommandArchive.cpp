// quintora-cli archive-import TEXT -o ARCHIVE.dat
// quintora-cli archive-list ARCHIVE.dat
#include "archive/ArchiveList.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "document/ArchiveDocument.h"
#include "files/FileIo.h"

#include <iostream>

namespace quintora::cli {

int runArchiveImport(const ArchiveImportArgs& args) {
    const std::string& out = args.out;
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }
    ArchiveDocument archives;
    if (auto imported = archives.importText(args.text, out); !imported) {
        return fail(said(imported.error()));
    }
    std::cout << archives.archive().count() << " estrazioni | " << out << "\n";
    return ExitSuccess;
}

int runArchiveList(const ArchiveListArgs& args) {
    ArchiveDocument archives;
    if (!openDrawsOrReport(archives, args.archive)) {
        return ExitFailure;
    }
    std::string out;
    for (const auto& line : archiveListLines(archives.archive())) {
        out += line + "\n";
    }
    std::cout << out;
    return ExitSuccess;
}

} // namespace quintora::cli
