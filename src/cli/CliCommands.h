#pragma once

#include <string>
#include <vector>

namespace quintora::cli {

// Exit status of every command.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1; // the reason is on standard error
inline constexpr int ExitUsage = 2;

using Args = std::vector<std::string>; // the arguments behind the command's name

struct Command {
    const char* name;
    const char* synopsis; // one usage line, shown by --help
    const char* summary;  // what it does, one line
    int (*run)(const Args& args);
};

// One per command, each in its own file.
int runDevelop(const Args& args);
int runInfo(const Args& args);
int runExportTxt(const Args& args);
int runImportTxt(const Args& args);
int runFilters(const Args& args);
int runArchiveImport(const Args& args);
int runArchiveList(const Args& args);
int runCheck(const Args& args);
int runArchiveCheck(const Args& args);
int runStats(const Args& args);
int runAnalyse(const Args& args);
int runDelays(const Args& args);
int runMatrixList(const Args& args);
int runAdapt(const Args& args);
int runMatrixMake(const Args& args);
int runPrintSlips(const Args& args);
int runCalibrationTest(const Args& args);
int runListing(const Args& args);
int runUpdateArchive(const Args& args);
int runVersionCheck(const Args& args);
int runUpdateLanguages(const Args& args);
int runUpdateMatrices(const Args& args);

// Prints "quintora-cli: <message>" to standard error and returns ExitFailure.
int fail(const std::string& message);
// Prints the usage error and the command's synopsis, returns ExitUsage.
int usageError(const Command& command, const std::string& message);
const Command& commandNamed(const char* name);
// True when args hold --help / -h (the command then prints its synopsis).
bool wantsHelp(const Args& args);

} // namespace quintora::cli
