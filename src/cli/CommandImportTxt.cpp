// quintora-cli import-txt IN.txt --euro A,B [--euro-max 10|12] -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "core/Format.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <iostream>

namespace quintora::cli {

int runImportTxt(const ImportTxtArgs& args) {
    const std::string& in = args.in;
    const std::string& out = args.out;

    // The Euro numbers as the import's questions would take them under the rules.
    const auto euro = parseEuroAnswers(std::to_string(args.euro[0]), std::to_string(args.euro[1]),
                                       rulesOrSettings(args.rules));
    if (!euro) {
        return fail(said(euro.error()));
    }
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }
    auto imported = importColumnsFile(in);
    if (!imported) {
        return fail(in + ": " + said(imported.error()));
    }
    if (const auto notice = extraPiecesNotice(imported.value())) {
        std::cerr << "quintora-cli: " << in << ": " << *notice << "\n";
    }
    SystemDocument document;
    if (auto adopted =
            document.adoptImportedColumns(std::move(imported.value().columns), euro.value(), in);
        !adopted) {
        return fail(in + ": " + said(adopted.error()));
    }
    if (!saveOrReport(document, out)) {
        return ExitFailure;
    }
    const SystemState& state = document.state();
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType
              << " | numeri in gioco " << int{state.header.numberCount()} << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
