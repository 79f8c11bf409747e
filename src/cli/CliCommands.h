#pragma once

#include "cli/CommandArgs.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace quintora::cli {

// Exit status of every command.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1; // the reason is on standard error
inline constexpr int ExitUsage = 2;

struct CommandInfo {
    const char* name;
    const char* synopsis; // one usage line, shown by --help
    const char* summary;  // what it does, one line
};

// Every command in the order the help lists them.
std::span<const CommandInfo> commandInfos();
// The command of that name (one of commandInfos()).
const CommandInfo& commandNamed(std::string_view name);
// The whole program's help: every command's synopsis and summary.
void printProgramHelp(std::ostream& out);

// The commands without Qt, one file each.
int runDevelop(const DevelopArgs& args);
int runInfo(const InfoArgs& args);
int runExportTxt(const ExportTxtArgs& args);
int runImportTxt(const ImportTxtArgs& args);
int runFilters(const FiltersArgs& args);
int runArchiveImport(const ArchiveImportArgs& args);
int runArchiveList(const ArchiveListArgs& args);
int runCheck(const CheckArgs& args);
int runArchiveCheck(const ArchiveCheckArgs& args);
int runStats(const StatsArgs& args);
int runAnalyse(const AnalyseArgs& args);
int runDelays(const DelaysArgs& args);
int runMatrixList(const MatrixListArgs& args);
int runAdapt(const AdaptArgs& args);
int runMatrixMake(const MatrixMakeArgs& args);

// The commands that print need Qt's printing, those that talk to the server Qt Network.
// quintora-cli itself loads no Qt: it hands each of them to a companion program that loads
// only what that command needs (Companions), and the companion runs it.
class PrintCommands {
public:
    virtual ~PrintCommands() = default;
    virtual int printSlips(const PrintSlipsArgs& args) = 0;
    virtual int calibrationTest(const CalibrationTestArgs& args) = 0;
    virtual int listing(const ListingArgs& args) = 0;
};

class ServerCommands {
public:
    virtual ~ServerCommands() = default;
    virtual int updateArchive(const UpdateArchiveArgs& args) = 0;
    virtual int versionCheck(const VersionCheckArgs& args) = 0;
    virtual int updateLanguages(const FolderUpdateArgs& args) = 0;
    virtual int updateMatrices(const FolderUpdateArgs& args) = 0;
};

// Parses the command line, runs the command it names and returns the exit status.
int runCommandLine(int argc, char** argv, PrintCommands& print, ServerCommands& server);

// Prints "quintora-cli: <message>" to standard error and returns ExitFailure.
int fail(const std::string& message);
// Prints the usage error and the command's synopsis, returns ExitUsage.
int usageError(const CommandInfo& command, const std::string& message);

} // namespace quintora::cli
