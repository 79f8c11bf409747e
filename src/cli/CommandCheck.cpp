// quintora-cli check IN.qsy --draw 1,2,3,4,5+6,7
// quintora-cli archive-check IN.qsy --archive ARCHIVE.dat [--from DD/MM/YYYY --to DD/MM/YYYY]
#include "check/ArchiveCheck.h"
#include "check/DrawCheck.h"
#include "check/DrawEntry.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "document/ArchiveDocument.h"

#include <iostream>

namespace quintora::cli {

namespace {

// "1,2,3,4,5+6,7" as the dialog's seven fields: each at most two digits, empty allowed.
std::optional<EntryFields> drawFields(const std::string& text) {
    const auto plus = text.find('+');
    if (plus == std::string::npos || text.find('+', plus + 1) != std::string::npos) {
        return std::nullopt;
    }
    EntryFields fields;
    std::size_t k = 0;
    const auto split = [&](std::string part, std::size_t count) {
        part += ',';
        std::size_t n = 0;
        for (std::size_t start = 0, comma; (comma = part.find(',', start)) != std::string::npos;
             start = comma + 1) {
            const auto piece = part.substr(start, comma - start);
            if (n == count || piece.size() > 2 ||
                piece.find_first_not_of("0123456789") != std::string::npos) {
                return false;
            }
            fields[k++] = piece;
            ++n;
        }
        return n == count;
    };
    if (!split(text.substr(0, plus), NumbersPerColumn) ||
        !split(text.substr(plus + 1), EuroNumbersPerSystem)) {
        return std::nullopt;
    }
    return fields;
}

// A system with columns, read through a document as the window opens it.
std::optional<SystemState> readCheckedSystem(const std::string& path) {
    SystemDocument document;
    if (!openOrReport(document, path)) {
        return std::nullopt;
    }
    if (!document.hasColumns()) {
        fail(path + ": il sistema non contiene colonne");
        return std::nullopt;
    }
    return document.state();
}

} // namespace

int runCheck(const Args& args) {
    const auto& self = commandNamed("check");
    const auto parsed = parseArgs(args, {"--draw"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1 || !p.has("--draw")) {
        return usageError(self, "a system file and --draw are needed");
    }
    const auto fields = drawFields(p.option("--draw"));
    if (!fields) {
        return usageError(self, "--draw needs five numbers, '+' and two Euro numbers of at "
                                "most two digits, e.g. --draw 1,2,3,4,5+6,7");
    }
    const auto entry = checkEntry(*fields);
    if (entry.problem) {
        return fail(entry.problem->message);
    }
    const auto system = readCheckedSystem(p.files[0]);
    if (!system) {
        return ExitFailure;
    }
    ArchiveDocument archives; // the combination the check dialog would hold
    (void)archives.setWinningCombination(entry.combination);
    const auto result = checkColumns(system->columns, euroNumbers(system->header),
                                     archives.winningCombination());
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

int runArchiveCheck(const Args& args) {
    const auto& self = commandNamed("archive-check");
    const auto parsed = parseArgs(args, {"--archive", "--from", "--to"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1 || !p.has("--archive")) {
        return usageError(self, "a system file and --archive ARCHIVE.dat are needed");
    }
    std::optional<int> fromDay, toDay;
    for (const char* name : {"--from", "--to"}) {
        if (p.has(name)) {
            const auto day = dayNumber(p.option(name));
            if (!day) {
                return usageError(self, std::string(name) + " needs a date DD/MM/YYYY");
            }
            (std::string(name) == "--from" ? fromDay : toDay) = day;
        }
    }
    const auto system = readCheckedSystem(p.files[0]);
    if (!system) {
        return ExitFailure;
    }
    ArchiveDocument archives;
    if (!openArchiveOrReport(archives, p.option("--archive"))) {
        return ExitFailure;
    }
    const DrawArchive& archive = archives.archive();
    // The drop-downs' entries: the first draw on or after --from, the last on or before --to.
    const auto& draws = archive.draws;
    int from = fromDay ? archive.count() : 0;
    int to = toDay ? -1 : archive.count() - 1;
    for (int i = 0; i < archive.count(); ++i) {
        const auto day = dayNumber(draws[i].drawDate);
        if (fromDay && from == archive.count() && day && *day >= *fromDay) {
            from = i;
        }
        if (toDay && day && *day <= *toDay) {
            to = i;
        }
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
