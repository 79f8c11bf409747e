// quintora-cli export-txt IN.qsy OUT.txt
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <iostream>

namespace quintora::cli {

int runExportTxt(const ExportTxtArgs& args) {
    const std::string& in = args.in;
    const std::string& out = args.out;

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
