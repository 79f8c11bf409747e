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

int runArchiveImport(const Args& args) {
    const auto& self = commandNamed("archive-import");
    const auto parsed = parseArgs(args, {"-o"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1 || !p.has("-o")) {
        return usageError(self, "a downloaded archive text and -o ARCHIVE.dat are needed");
    }
    const std::string& out = p.option("-o");
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
    }
    ArchiveDocument archives;
    if (auto imported = archives.importText(p.files[0], out); !imported) {
        return fail(imported.error().message);
    }
    std::cout << archives.archive().count() << " estrazioni | " << out << "\n";
    return ExitSuccess;
}

int runArchiveList(const Args& args) {
    const auto& self = commandNamed("archive-list");
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        return usageError(self, "one archive file is needed");
    }
    ArchiveDocument archives;
    if (!openArchiveOrReport(archives, args[0])) {
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
