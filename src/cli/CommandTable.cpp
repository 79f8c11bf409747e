// The commands of quintora-cli: names, synopses and summaries, and the messages they share.
#include "cli/CliCommands.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

namespace {

constexpr CommandInfo commands[] = {
    {"develop", "quintora-cli develop IN.qsy -o OUT.qsy",
     "develops the system stored in IN and saves the developed system to OUT"},
    {"info", "quintora-cli info FILE.qsy [--price EUROS]",
     "prints the numbers, Euro numbers, conditions, columns, amount and type of a system "
     "(the amount at the settings file's column price, or at --price, e.g. 2,10) and the "
     "Euro numbers it needs (Euro: 1-12 when it plays 11 or 12)"},
    {"export-txt", "quintora-cli export-txt IN.qsy OUT.txt",
     "writes the columns of the system stored in IN as a column text file"},
    {"import-txt", "quintora-cli import-txt IN.txt --euro A,B [--euro-max 10|12] -o OUT.qsy",
     "makes a system of the columns in a text file with the Euro numbers A and B (1..10, or "
     "1..--euro-max; by default the settings file's Euro numbers)"},
    {"filters", "quintora-cli filters IN.qsy --import FILE.txt --hits 0,1,2 -o OUT.qsy",
     "replaces the filter columns of a system by those of a text file"},
    {"archive-import", "quintora-cli archive-import TEXT -o ARCHIVE.dat",
     "makes an archive file of a downloaded archive text"},
    {"archive-list", "quintora-cli archive-list ARCHIVE.dat",
     "prints the draws of an archive file, latest first, as the archive window lists them"},
    {"check", "quintora-cli check IN.qsy --draw 1,2,3,4,5+6,7 [--euro-max 10|12]",
     "checks the columns of a system against one draw: the winning columns of each category "
     "(Euro numbers 1..10, or 1..--euro-max; by default the settings file's)"},
    {"archive-check",
     "quintora-cli archive-check IN.qsy --archive ARCHIVE.dat [--from DD/MM/YYYY --to DD/MM/YYYY]",
     "checks a system against every draw of an archive (or of the dates given), one row a draw"},
    {"analyse", "quintora-cli analyse IN.qsy [--euro-max 10|12]",
     "the exact odds of each prize category in one draw and the guarantee of a system "
     "(Euro numbers 1..12 when the system plays 11 or 12, else 1..--euro-max; by default the "
     "settings file's, 10 without one)"},
    {"delays", "quintora-cli delays --archive ARCHIVE.dat",
     "the current and the longest delay and the count of every main number, then of the Euro "
     "numbers of the latest draw's era"},
    {"stats", "quintora-cli stats --archive ARCHIVE.dat --csv OUT.csv",
     "writes the statistics CSV of an archive and prints its six tables"},
    {"matrix-list", "quintora-cli matrix-list DIR [--v V] [--today DD/MM/YYYY]",
     "lists the matrix files of a folder with their headers and flags"},
    {"adapt", "quintora-cli adapt IN.qsy MATRIX.mzor [--fixed a,b] [--today DD/MM/YYYY] -o OUT.qsy",
     "adapts a matrix to the numbers in play of the system stored in IN"},
    {"matrix-make",
     "quintora-cli matrix-make V T M [--fixed F] [--author A] [--description D] "
     "[--valid-from DD/MM/YYYY] [--valid-to DD/MM/YYYY] [--seconds S] [--steps N] [--seed N] "
     "-o FILE.mzor",
     "makes a matrix of 5-number columns over V numbers with T hits whenever M are drawn"},
    {"print-slips",
     "quintora-cli print-slips IN.qsy [IN2.qsy ...] --type 1|5 [--calibration FILE.cfg] "
     "[--from N --to N] (--pdf OUT.pdf | --printer NAME)",
     "prints the columns on 1-column or 5-column play slips, one page per slip, where the "
     "slip type's calibration puts them; several systems one after the other in one run"},
    {"calibration-test",
     "quintora-cli calibration-test --type 1|5 [--calibration FILE.cfg] [--euro-max 10|12] "
     "(--pdf OUT.pdf | --printer NAME)",
     "prints the calibration test page of a slip type (defaults for measures stored as 0; "
     "with Euro 1-12 the cells of Euro 11 and 12 too)"},
    {"listing",
     "quintora-cli listing IN.qsy [--no-forecast] [--no-columns] [--copies N] "
     "(--pdf OUT.pdf | --printer NAME)",
     "prints the listing of a system; each copy is its own print job"},
    {"update-archive", "quintora-cli update-archive [--server URL] -o ARCHIVE.dat",
     "downloads the complete draw archive from the server and saves it (\"Aggiorna\")"},
    {"version-check", "quintora-cli version-check [--server URL] [--local X.Y.Z]",
     "compares the server's version with the local one: newer, none, error or unreachable"},
    {"update-languages", "quintora-cli update-languages [--server URL] --dir DIR",
     "downloads the server's language files into DIR (NAME.txt stored as NAME.lng)"},
    {"update-matrices", "quintora-cli update-matrices [--server URL] --dir DIR",
     "downloads the server's matrix files into DIR (NAME.DAT stored as NAME.mzor)"},
};

} // namespace

std::span<const CommandInfo> commandInfos() {
    return commands;
}

const CommandInfo& commandNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(commands), std::end(commands),
                                    [name](const CommandInfo& c) { return c.name == name; });
    return found != std::end(commands) ? *found : commands[0];
}

void printProgramHelp(std::ostream& out) {
    out << "quintora-cli " << QUINTORA_VERSION
        << ": Quintora's batch tool for Eurojackpot systems\n\n"
        << "Usage:\n";
    for (const auto& c : commands) {
        out << "  " << c.synopsis << "\n      " << c.summary << "\n";
    }
    out << "\nOptions everywhere: --help, --version\n"
        << "--server defaults to the SERVER setting of the settings file.\n"
        << "Exit status: 0 success, 1 failure (reason on standard error), 2 wrong usage.\n";
}

int fail(const std::string& message) {
    std::cerr << "quintora-cli: " << message << "\n";
    return ExitFailure;
}

int usageError(const CommandInfo& command, const std::string& message) {
    std::cerr << "quintora-cli " << command.name << ": " << message
              << "\nUsage: " << command.synopsis << "\n";
    return ExitUsage;
}

} // namespace quintora::cli
