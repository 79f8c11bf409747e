#pragma once

#include "cli/CliCommands.h"

namespace quintora::cli {

// Starts, in this process's place, the companion program that runs a print or server command:
// the same arguments, standard streams and exit status. A companion lies beside the program
// that starts it (the build tree, and the companions among themselves), else where the
// installation puts the companions (libexec/quintora, found from bin).
class Companions final : public PrintCommands, public ServerCommands {
public:
    explicit Companions(char** argv)
        : argv_(argv) {}

    int printSlips(const PrintSlipsArgs&) override { return launch(PrintCompanion); }
    int calibrationTest(const CalibrationTestArgs&) override { return launch(PrintCompanion); }
    int listing(const ListingArgs&) override { return launch(PrintCompanion); }
    int updateArchive(const UpdateArchiveArgs&) override { return launch(ServerCompanion); }
    int versionCheck(const VersionCheckArgs&) override { return launch(ServerCompanion); }
    int updateLanguages(const FolderUpdateArgs&) override { return launch(ServerCompanion); }
    int updateMatrices(const FolderUpdateArgs&) override { return launch(ServerCompanion); }

private:
    static const char* const PrintCompanion;  // loads Qt Gui and Print Support
    static const char* const ServerCompanion; // loads Qt Network

    // Returns only when the companion could not be started.
    int launch(const char* companion) const;

    char** argv_;
};

} // namespace quintora::cli
