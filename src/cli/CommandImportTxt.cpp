// quintora-cli import-txt IN.txt --euro A,B -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <iostream>

namespace quintora::cli {

int runImportTxt(const Args& args) {
    const auto& self = commandNamed("import-txt");
    const auto parsed = parseArgs(args, {"-o", "--euro"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1 || !p.has("-o") || !p.has("--euro")) {
        return usageError(self, "an input file, --euro A,B and -o OUT are needed");
    }
    const std::string& in = p.files[0];
    const std::string& out = p.option("-o");
    const std::string& euroText = p.option("--euro");
    const auto comma = euroText.find(',');
    if (comma == std::string::npos || euroText.find(',', comma + 1) != std::string::npos) {
        return usageError(self, "--euro needs two numbers, e.g. --euro 3,8");
    }
    const auto euro = parseEuroAnswers(std::string_view(euroText).substr(0, comma),
                                       std::string_view(euroText).substr(comma + 1));
    if (!euro) {
        return usageError(self, "--euro: " + euro.error().message);
    }

    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
    }
    auto imported = importColumnsFile(in);
    if (!imported) {
        return fail(in + ": " + imported.error().message);
    }
    if (const auto notice = extraPiecesNotice(imported.value())) {
        std::cerr << "quintora-cli: " << in << ": " << *notice << "\n";
    }
    SystemDocument document;
    if (auto adopted =
            document.adoptImportedColumns(std::move(imported.value().columns), euro.value(), in);
        !adopted) {
        return fail(in + ": " + adopted.error().message);
    }
    if (!saveOrReport(document, out)) {
        return ExitFailure;
    }
    const SystemState& state = document.state();
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType
              << " | numeri in gioco " << int{state.header.numbersInPlayCount} << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
