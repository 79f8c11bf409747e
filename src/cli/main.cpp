// quintora-cli: the program's batch work without a window.
#include "cli/CliCommands.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace quintora::cli {

namespace {

const Command commands[] = {
    {"develop", "quintora-cli develop IN.qsy -o OUT.qsy",
     "develops the system stored in IN and saves the developed system to OUT", runDevelop},
    {"info", "quintora-cli info FILE.qsy [--price EUROS]",
     "prints the numbers, Euro numbers, conditions, columns, amount and type of a system "
     "(the amount at the settings file's column price, or at --price, e.g. 2,10)",
     runInfo},
    {"export-txt", "quintora-cli export-txt IN.qsy OUT.txt",
     "writes the columns of the system stored in IN as a column text file", runExportTxt},
    {"import-txt", "quintora-cli import-txt IN.txt --euro A,B -o OUT.qsy",
     "makes a system of the columns in a text file with the Euro numbers A and B", runImportTxt},
    {"filters", "quintora-cli filters IN.qsy --import FILE.txt --hits 0,1,2 -o OUT.qsy",
     "replaces the filter columns of a system by those of a text file", runFilters},
    {"archive-import", "quintora-cli archive-import TEXT -o ARCHIVE.dat",
     "makes an archive file of a downloaded archive text", runArchiveImport},
    {"archive-list", "quintora-cli archive-list ARCHIVE.dat",
     "prints the draws of an archive file, latest first, as the archive window lists them",
     runArchiveList},
    {"check", "quintora-cli check IN.qsy --draw 1,2,3,4,5+6,7",
     "checks the columns of a system against one draw: the winning columns of each category",
     runCheck},
    {"archive-check",
     "quintora-cli archive-check IN.qsy --archive ARCHIVE.dat [--from DD/MM/YYYY --to DD/MM/YYYY]",
     "checks a system against every draw of an archive (or of the dates given), one row a draw",
     runArchiveCheck},
    {"analyse", "quintora-cli analyse IN.qsy [--euro-max 10|12]",
     "the exact odds of each prize category in one draw and the guarantee of a system "
     "(Euro numbers 1..12 when the system plays 11 or 12, else 1..--euro-max, 10 by default)",
     runAnalyse},
    {"delays", "quintora-cli delays --archive ARCHIVE.dat",
     "the current and the longest delay and the count of every main number, then of the Euro "
     "numbers of the latest draw's era",
     runDelays},
    {"stats", "quintora-cli stats --archive ARCHIVE.dat --csv OUT.csv",
     "writes the statistics CSV of an archive and prints its six tables", runStats},
    {"matrix-list", "quintora-cli matrix-list DIR [--v V] [--today DD/MM/YYYY]",
     "lists the matrix files of a folder with their headers and flags", runMatrixList},
    {"adapt", "quintora-cli adapt IN.qsy MATRIX.mzor [--fixed a,b] [--today DD/MM/YYYY] -o OUT.qsy",
     "adapts a matrix to the numbers in play of the system stored in IN", runAdapt},
    {"matrix-make",
     "quintora-cli matrix-make V T M [--fixed F] [--author A] [--description D] "
     "[--valid-from DD/MM/YYYY] [--valid-to DD/MM/YYYY] [--seconds S] [--steps N] [--seed N] "
     "-o FILE.mzor",
     "makes a matrix of 5-number columns over V numbers with T hits whenever M are drawn",
     runMatrixMake},
    {"print-slips",
     "quintora-cli print-slips IN.qsy --type 1|5 [--calibration FILE.cfg] [--from N --to N] "
     "(--pdf OUT.pdf | --printer NAME)",
     "prints the columns on 1-column or 5-column play slips, one page per slip, where the "
     "slip type's calibration puts them",
     runPrintSlips},
    {"calibration-test",
     "quintora-cli calibration-test --type 1|5 [--calibration FILE.cfg] "
     "(--pdf OUT.pdf | --printer NAME)",
     "prints the calibration test page of a slip type (defaults for measures stored as 0)",
     runCalibrationTest},
    {"listing",
     "quintora-cli listing IN.qsy [--no-forecast] [--no-columns] [--copies N] "
     "(--pdf OUT.pdf | --printer NAME)",
     "prints the listing of a system; each copy is its own print job", runListing},
    {"update-archive", "quintora-cli update-archive [--server URL] -o ARCHIVE.dat",
     "downloads the complete draw archive from the server and saves it (\"Aggiorna\")",
     runUpdateArchive},
    {"version-check", "quintora-cli version-check [--server URL] [--local X.Y.Z]",
     "compares the server's version with the local one: newer, none, error or unreachable",
     runVersionCheck},
    {"update-languages", "quintora-cli update-languages [--server URL] --dir DIR",
     "downloads the server's language files into DIR (NAME.txt stored as NAME.lng)",
     runUpdateLanguages},
    {"update-matrices", "quintora-cli update-matrices [--server URL] --dir DIR",
     "downloads the server's matrix files into DIR (NAME.DAT stored as NAME.mzor)",
     runUpdateMatrices},
};

void printHelp(std::ostream& out) {
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

} // namespace

int fail(const std::string& message) {
    std::cerr << "quintora-cli: " << message << "\n";
    return ExitFailure;
}

int usageError(const Command& command, const std::string& message) {
    std::cerr << "quintora-cli " << command.name << ": " << message
              << "\nUsage: " << command.synopsis << "\n";
    return ExitUsage;
}

const Command& commandNamed(const char* name) {
    for (const auto& c : commands) {
        if (std::strcmp(c.name, name) == 0) {
            return c;
        }
    }
    return commands[0];
}

bool wantsHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            return true;
        }
    }
    return false;
}

} // namespace quintora::cli

int main(int argc, char** argv) {
    using namespace quintora::cli;
    Args all(argv + 1, argv + argc);
    for (const auto& a : all) {
        if (a == "--version") {
            std::cout << "quintora-cli " << QUINTORA_VERSION << "\n";
            return ExitSuccess;
        }
    }
    if (all.empty() || all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        printHelp(all.empty() ? std::cerr : std::cout);
        return all.empty() ? ExitUsage : ExitSuccess;
    }
    for (const auto& c : commands) {
        if (all[0] == c.name) {
            Args rest(all.begin() + 1, all.end());
            if (wantsHelp(rest)) {
                std::cout << "Usage: " << c.synopsis << "\n" << c.summary << "\n";
                return ExitSuccess;
            }
            return c.run(rest);
        }
    }
    std::cerr << "quintora-cli: unknown command \"" << all[0] << "\"\n";
    printHelp(std::cerr);
    return ExitUsage;
}
