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
        return fail(said(usable.error())); // refused before any work is done
    }
    // An empty text file could never be imported again.
    const auto opened = openSystem(in, SystemNeed::Columns);
    if (!opened) {
        return ExitFailure;
    }
    SystemDocument& document = *opened;
    const auto& columns = document.state().columns;
    if (auto saved = document.exportColumns(out); !saved) {
        return fail(out + ": " + said(saved.error()));
    }
    std::cout << formatCount(static_cast<double>(columns.size())) << " colonne | " << out << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
