// quintora-cli: the program's batch work without a window. It loads no Qt: the commands that
// print or talk to the server run in the companion program, quintora-cli-qt, which this one
// starts in its own place (same arguments, same standard streams, same exit status).
#include "cli/CliCommands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace quintora::cli {

namespace {

namespace fs = std::filesystem;

// The companion beside this program (the build tree), else where the installation puts it.
fs::path companionPath() {
    std::error_code ec;
    const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    for (const fs::path& candidate :
         {folder / QUINTORA_CLI_COMPANION,
          folder / QUINTORA_CLI_COMPANION_FROM_BIN / QUINTORA_CLI_COMPANION}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

class CompanionLauncher final : public QtCommands {
public:
    explicit CompanionLauncher(char** argv)
        : argv_(argv) {}

    int printSlips(const PrintSlipsArgs&) override { return launch(); }
    int calibrationTest(const CalibrationTestArgs&) override { return launch(); }
    int listing(const ListingArgs&) override { return launch(); }
    int updateArchive(const UpdateArchiveArgs&) override { return launch(); }
    int versionCheck(const VersionCheckArgs&) override { return launch(); }
    int updateLanguages(const FolderUpdateArgs&) override { return launch(); }
    int updateMatrices(const FolderUpdateArgs&) override { return launch(); }

private:
    // Returns only when the companion could not be started.
    int launch() const {
        const fs::path companion = companionPath();
        if (companion.empty()) {
            return fail(std::string("the print and server commands need ") +
                        QUINTORA_CLI_COMPANION + ", which is not installed");
        }
        std::cout.flush();
        ::execv(companion.c_str(), argv_);
        return fail(companion.string() + ": " + std::strerror(errno));
    }

    char** argv_;
};

} // namespace

} // namespace quintora::cli

int main(int argc, char** argv) {
    quintora::cli::CompanionLauncher companion(argv);
    return quintora::cli::runCommandLine(argc, argv, companion);
}
