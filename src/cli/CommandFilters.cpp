// quintora-cli filters IN.qsy --import FILE.txt --hits 0,1,2 -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Development.h"
#include "core/Format.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "filters/FilterImport.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>

namespace quintora::cli {

int runFilters(const FiltersArgs& args) {
    const std::string& in = args.in;
    const std::string& out = args.out;
    const std::string& importPath = args.importPath;

    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }
    const auto opened = openSystem(in);
    if (!opened) {
        return ExitFailure;
    }
    SystemDocument& document = *opened;
    auto table = std::make_unique<std::array<FilterColumn, MaxFilterColumns>>();
    auto imported = loadFileToFilters(*table, importPath, args.hits);
    if (!imported) {
        return fail(importPath + ": " + said(imported.error()));
    }
    const auto& result = imported.value();
    if (result.limitReached) {
        warnLimit(MaxFilterColumns);
    }
    if (result.skippedPieces > 0) {
        std::cerr << "quintora-cli: " << importPath << ": " << result.skippedPieces
                  << (result.skippedPieces == 1 ? " pezzo ignorato" : " pezzi ignorati")
                  << " (non numeri da 1 a 50)\n";
    }
    // The window changes filters only on an editable system: columns developed under the
    // old filters go, as when the system is reopened for changes.
    if (document.hasColumns()) {
        std::cerr << "quintora-cli: " << formatCount(document.state().columnCount())
                  << " colonne sviluppate rimosse: sviluppare di nuovo il sistema\n";
        if (const auto reopened = document.reopenForChanges(); !reopened) {
            return fail(in + ": " + said(reopened.error()));
        }
    }
    if (const auto set = document.setFilters(*table); !set) {
        return fail(in + ": " + said(set.error()));
    }
    if (!saveOrReport(document, out)) {
        return ExitFailure;
    }
    std::cout << formatCount(result.loaded) << " colonne filtro\n";
    return ExitSuccess;
}

} // namespace quintora::cli
