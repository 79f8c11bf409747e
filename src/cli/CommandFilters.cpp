// quintora-cli filters IN.qsy --import FILE.txt --hits 0,1,2 -o OUT.qsy
#include "cli/CliCommands.h"
#include "core/Development.h"
#include "core/Format.h"
#include "files/SystemFile.h"
#include "filters/FilterImport.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

int runFilters(const Args& args) {
    const auto& self = commandNamed("filters");
    std::string in;
    std::string out;
    std::string importPath;
    std::string hitsText;
    bool hitsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output" || a == "--import" || a == "--hits") {
            if (i + 1 >= args.size()) {
                return usageError(self, a + " needs a value");
            }
            const std::string& value = args[++i];
            if (a == "--import") {
                importPath = value;
            } else if (a == "--hits") {
                hitsText = value;
                hitsGiven = true;
            } else {
                out = value;
            }
        } else if (!a.empty() && a[0] == '-') {
            return usageError(self, "unknown option " + a);
        } else if (in.empty()) {
            in = a;
        } else {
            return usageError(self, "more than one input file");
        }
    }
    if (in.empty() || out.empty() || importPath.empty() || !hitsGiven) {
        return usageError(self, "an input file, --import FILE, --hits LIST and -o OUT are needed");
    }
    const auto hits = parseAcceptedHits(hitsText);
    if (!hits) {
        return usageError(self, "--hits: " + hits.error().message);
    }

    auto loaded = readSystemFile(in);
    if (!loaded) {
        return fail(in + ": " + loaded.error().message);
    }
    for (const auto& w : loaded.value().warnings) {
        std::cerr << "quintora-cli: " << in << ": " << w << "\n";
    }
    SystemState state = std::move(loaded.value().state);

    auto imported = loadFileToFilters(state.filters, importPath, hits.value());
    if (!imported) {
        return fail(importPath + ": " + imported.error().message);
    }
    const auto& result = imported.value();
    state.filterCount = result.loaded;
    if (result.limitReached) {
        auto text = limitWarningText(MaxFilterColumns);
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::cerr << "quintora-cli: " << LimitWarningTitle << ": " << text << "\n";
    }
    if (result.skippedPieces > 0) {
        std::cerr << "quintora-cli: " << importPath << ": " << result.skippedPieces
                  << (result.skippedPieces == 1 ? " pezzo ignorato" : " pezzi ignorati")
                  << " (non numeri da 1 a 50)\n";
    }
    // The window changes filters only on an editable system: columns developed under the
    // old filters go, as when the system is reopened for changes.
    if (!state.columns.empty()) {
        std::cerr << "quintora-cli: " << formatCount(state.columnCount())
                  << " colonne sviluppate rimosse: sviluppare di nuovo il sistema\n";
        state.columns.clear();
        state.header.systemType.clear();
    }
    if (auto saved = saveSystemFile(out, state); !saved) {
        return fail(out + ": " + saved.error().message);
    }
    std::cout << formatCount(result.loaded) << " colonne filtro\n";
    return ExitSuccess;
}

} // namespace quintora::cli
