// quintora-cli stats --archive ARCHIVE.dat --csv OUT.csv
#include "archive/Statistics.h"
#include "archive/StatisticsCsv.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "document/ArchiveDocument.h"

#include <iostream>

namespace quintora::cli {

int runStats(const Args& args) {
    const auto& self = commandNamed("stats");
    const auto parsed = parseArgs(args, {"--archive", "--csv"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (!p.files.empty() || !p.has("--archive") || !p.has("--csv")) {
        return usageError(self, "--archive ARCHIVE.dat and --csv OUT.csv are needed");
    }
    ArchiveDocument archives;
    if (!openArchiveOrReport(archives, p.option("--archive"))) {
        return ExitFailure;
    }
    const std::string& csv = p.option("--csv");
    if (auto written = writeStatisticsCsv(csv, archives.archive()); !written) {
        return fail(csv + ": " + written.error().message);
    }
    const auto stats = computeStatistics(archives.archive());
    std::string out;
    for (const auto table : AllStatTables) {
        const auto chart = statisticsChart(stats, table);
        out += chart.title + "\n";
        for (const auto& label : chart.labels) {
            out += label + "\n";
        }
    }
    std::cout << out;
    return ExitSuccess;
}

} // namespace quintora::cli
