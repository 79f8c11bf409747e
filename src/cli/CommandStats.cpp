// quintora-cli stats --archive ARCHIVE.dat --csv OUT.csv
#include "archive/Statistics.h"
#include "archive/StatisticsCsv.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "document/ArchiveDocument.h"

#include <iostream>

namespace quintora::cli {

int runStats(const StatsArgs& args) {
    ArchiveDocument archives;
    if (!openDrawsOrReport(archives, args.archive)) {
        return ExitFailure;
    }
    const std::string& csv = args.csv;
    if (auto written = saveStatisticsCsv(csv, archives.archive()); !written) {
        // The saver's messages name the file; the request to close it does not.
        const auto& message = said(written.error());
        return fail(written.error().what.id() == text::CloseStatisticsFile ? csv + ": " + message
                                                                           : message);
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
