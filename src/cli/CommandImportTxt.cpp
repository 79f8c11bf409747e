// quintora-cli import-txt IN.txt --euro A,B -o OUT.qsy
#include "cli/CliCommands.h"
#include "core/Format.h"
#include "files/ColumnText.h"
#include "files/SystemFile.h"

#include <iostream>

namespace quintora::cli {

int runImportTxt(const Args& args) {
    const auto& self = commandNamed("import-txt");
    std::string in;
    std::string out;
    std::string euroText;
    bool euroGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output" || args[i] == "--euro") {
            if (i + 1 >= args.size()) {
                return usageError(self, args[i] + " needs a value");
            }
            if (args[i] == "--euro") {
                euroText = args[++i];
                euroGiven = true;
            } else {
                out = args[++i];
            }
        } else if (!args[i].empty() && args[i][0] == '-') {
            return usageError(self, "unknown option " + args[i]);
        } else if (in.empty()) {
            in = args[i];
        } else {
            return usageError(self, "more than one input file");
        }
    }
    if (in.empty() || out.empty() || !euroGiven) {
        return usageError(self, "an input file, --euro A,B and -o OUT are needed");
    }
    const auto comma = euroText.find(',');
    if (comma == std::string::npos || euroText.find(',', comma + 1) != std::string::npos) {
        return usageError(self, "--euro needs two numbers, e.g. --euro 3,8");
    }
    const auto euro = parseEuroAnswers(std::string_view(euroText).substr(0, comma),
                                       std::string_view(euroText).substr(comma + 1));
    if (!euro) {
        return usageError(self, "--euro: " + euro.error().message);
    }

    auto columns = readColumnsText(in);
    if (!columns) {
        return fail(in + ": " + columns.error().message);
    }
    SystemState state;
    applyImportedColumns(state, std::move(columns.value()), euro.value());
    if (auto saved = saveSystemFile(out, state); !saved) {
        return fail(out + ": " + saved.error().message);
    }
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType
              << " | numeri in gioco " << int{state.header.numbersInPlayCount} << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
