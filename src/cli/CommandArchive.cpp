// quintora-cli archive-import TEXT -o ARCHIVE.dat
// quintora-cli archive-list ARCHIVE.dat
#include "archive/ArchiveList.h"
#include "archive/ArchiveUpdate.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "files/FileIo.h"

#include <iostream>

namespace quintora::cli {

int runArchiveImport(const ArchiveImportArgs& args) {
    const std::string& out = args.out;
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
    }
    DrawArchive archive;
    if (auto imported = updateArchiveFromText(archive, args.text, out); !imported) {
        return fail(imported.error().message);
    }
    std::cout << archive.count() << " estrazioni | " << out << "\n";
    return ExitSuccess;
}

int runArchiveList(const ArchiveListArgs& args) {
    const auto archive = readArchiveOrReport(args.archive);
    if (!archive) {
        return ExitFailure;
    }
    std::string out;
    for (const auto& line : archiveListLines(*archive)) {
        out += line + "\n";
    }
    std::cout << out;
    return ExitSuccess;
}

} // namespace quintora::cli
