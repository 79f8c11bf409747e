// quintora-cli check IN.qsy --draw 1,2,3,4,5+6,7
// quintora-cli archive-check IN.qsy --archive ARCHIVE.dat [--from DD/MM/YYYY --to DD/MM/YYYY]
#include "check/ArchiveCheck.h"
#include "check/DrawCheck.h"
#include "check/DrawEntry.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "document/ArchiveDocument.h"
#include "matrix/OleDate.h"

#include <iostream>

namespace quintora::cli {

namespace {

// A system with columns, read through a document as the window opens it.
std::optional<SystemState> readCheckedSystem(const std::string& path) {
    const auto document = openSystem(path, SystemNeed::Columns);
    if (!document) {
        return std::nullopt;
    }
    return document->state();
}

} // namespace

int runCheck(const CheckArgs& args) {
    const auto entry = checkEntry(args.draw, rulesOrSettings(args.rules));
    if (entry.problem) {
        return fail(ownLanguageText(entry.problem->message)); // in every language, as before
    }
    const auto system = readCheckedSystem(args.in);
    if (!system) {
        return ExitFailure;
    }
    ArchiveDocument archives; // the combination the check dialog would hold
    archives.setWinningCombination(entry.combination);
    const auto result =
        checkColumns(system->columns, euroNumbers(system->header), archives.winningCombination());
    std::string out;
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        const auto& winners = result.winners[c];
        out += std::string(PrizeCategories[c].label) + "\t" + std::to_string(winners.size()) + "\t";
        for (std::size_t i = 0; i < winners.size(); ++i) {
            out += (i == 0 ? "" : " ") + std::to_string(winners[i]);
        }
        out += "\n";
    }
    out += checkResultText(result.best) + "\n";
    std::cout << out;
    return ExitSuccess;
}

int runArchiveCheck(const ArchiveCheckArgs& args) {
    const auto system = readCheckedSystem(args.in);
    if (!system) {
        return ExitFailure;
    }
    ArchiveDocument archives;
    if (!openArchiveOrReport(archives, args.archive)) {
        return ExitFailure;
    }
    const DrawArchive& archive = archives.archive();
    // The drop-downs' entries: the first draw on or after --from, the last on or before --to.
    const auto& draws = archive.draws;
    int from = args.from ? archive.count() : 0;
    int to = args.to ? -1 : archive.count() - 1;
    for (int i = 0; i < archive.count(); ++i) {
        const CalendarDate day = draws[i].date;
        if (args.from && from == archive.count() && day >= *args.from) {
            from = i;
        }
        if (args.to && day <= *args.to) {
            to = i;
        }
    }
    if (args.from && args.to && *args.from > *args.to) {
        std::cerr << "quintora-cli: --from " << formatDate(*args.from) << " lies after --to "
                  << formatDate(*args.to) << ": no draw is checked\n";
    } else if (from > to && (args.from || args.to)) {
        std::cerr << "quintora-cli: no draw of the archive lies in the dates given\n";
    }
    const ArchiveChecker checker(system->columns, euroNumbers(system->header));
    std::string out = joinedRow(archiveCheckHeader()) + "\n";
    for (const auto& row : checkArchiveRange(checker, archive, from, to)) {
        out += joinedRow(row) + "\n";
    }
    std::cout << out;
    return ExitSuccess;
}

} // namespace quintora::cli
