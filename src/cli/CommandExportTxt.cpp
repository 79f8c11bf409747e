// quintora-cli export-txt IN.qsy OUT.txt
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <iostream>

namespace quintora::cli {

int runExportTxt(const Args& args) {
    const auto& self = commandNamed("export-txt");
    if (args.size() != 2 || args[0].empty() || args[0][0] == '-' || args[1].empty() ||
        args[1][0] == '-') {
        return usageError(self, "a system file and a text file are needed");
    }
    const std::string& in = args[0];
    const std::string& out = args[1];

    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
    }
    SystemDocument document;
    if (!openOrReport(document, in)) {
        return ExitFailure;
    }
    const auto& columns = document.state().columns;
    // An empty text file could never be imported again.
    if (columns.empty()) {
        return fail(in + ": il sistema non contiene colonne");
    }
    if (auto saved = document.exportColumns(out); !saved) {
        return fail(out + ": " + saved.error().message);
    }
    std::cout << formatCount(static_cast<double>(columns.size())) << " colonne | " << out << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
