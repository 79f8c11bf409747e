// quintora-cli update-archive [--server URL] -o ARCHIVE.dat
// quintora-cli version-check [--server URL] [--local X.Y.Z]
// quintora-cli update-languages [--server URL] --dir DIR
// quintora-cli update-matrices [--server URL] --dir DIR
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "document/ArchiveDocument.h"
#include "files/FileIo.h"
#include "net/DownloadFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "update/ServerUpdates.h"
#include "update/VersionCompare.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <QCoreApplication>
#include <utility>

namespace quintora::cli {

namespace {

namespace fs = std::filesystem;

// Downloads need Qt's event loop: one application object for the command's run.
class NetSession {
public:
    NetSession()
        : app_(argc_, argv_) {
        std::string pattern = (fs::temp_directory_path() / "quintora-cli-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            temp_ = pattern;
        }
    }
    ~NetSession() {
        std::error_code ec;
        if (!temp_.empty()) {
            fs::remove_all(temp_, ec);
        }
    }
    NetSession(const NetSession&) = delete;
    NetSession& operator=(const NetSession&) = delete;

    // Empty when no temporary folder could be made.
    const std::string& tempFolder() const { return temp_; }

private:
    int argc_ = 1;
    char name_[13] = "quintora-cli";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_;
    std::string temp_;
};

std::string serverOf(const ParsedArgs& p) {
    if (p.has("--server")) {
        return p.option("--server");
    }
    return readConfiguration(IniFile(standardSettingsPath())).server;
}

int printReport(const Result<UpdateReport>& report) {
    if (!report) {
        return fail(report.error().message);
    }
    for (const auto& problem : report.value().problems) {
        std::cerr << "quintora-cli: " << problem << "\n";
    }
    for (const auto& name : report.value().stored) {
        std::cout << name << "\n";
    }
    return ExitSuccess;
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

} // namespace

int runUpdateArchive(const Args& args) {
    const auto& self = commandNamed("update-archive");
    const auto parsed = parseArgs(args, {"-o", "--server"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (!p.files.empty() || !p.has("-o")) {
        return usageError(self, "-o ARCHIVE.dat is needed");
    }
    const std::string& out = p.option("-o");
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message);
    }
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    ArchiveDocument archives;
    const auto updated = archives.updateFromServer(
        makeDownload(), serverOf(p),
        (fs::path(session.tempFolder()) / "quintora_download.dat").string(), out);
    if (!updated) {
        return fail(updated.error().message);
    }
    std::cout << archives.archive().count() << " estrazioni | " << out << "\n";
    return ExitSuccess;
}

int runVersionCheck(const Args& args) {
    const auto& self = commandNamed("version-check");
    const auto parsed = parseArgs(args, {"--server", "--local"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (!p.files.empty()) {
        return usageError(self, "no file is taken");
    }
    const std::string local = p.has("--local") ? p.option("--local") : localVersionText();
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    const auto outcome = checkServerVersion(makeDownload(DownloadLimits::versionCheck()),
                                            serverOf(p), session.tempFolder(), local);
    using Kind = VersionOutcome::Kind;
    switch (outcome.kind) {
    case Kind::Unreachable:
        std::cout << "unreachable\n";
        return ExitSuccess;
    case Kind::Current:
        std::cout << "none\n" << outcome.remote << "\n";
        return ExitSuccess;
    case Kind::RemoteNewer:
        std::cout << "newer\n" << outcome.remote << "\n";
        return ExitSuccess;
    case Kind::NotComparable:
        std::cout << "error\n" << outcome.remote << "\n";
        return fail(versionCheckErrorText());
    }
    return ExitFailure;
}

namespace {

// update-languages and update-matrices: a server list's files into an existing folder.
template <typename Update>
int runFolderUpdate(const Args& args, const char* command, Update update) {
    const auto& self = commandNamed(command);
    const auto parsed = parseArgs(args, {"--server", "--dir"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (!p.files.empty() || !p.has("--dir")) {
        return usageError(self, "--dir DIR is needed");
    }
    if (!isFolder(p.option("--dir"))) {
        return fail(p.option("--dir") + ": not a folder");
    }
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    return printReport(
        update(makeDownload(), serverOf(p), session.tempFolder(), p.option("--dir")));
}

} // namespace

int runUpdateLanguages(const Args& args) {
    return runFolderUpdate(args, "update-languages", [](auto&&... a) {
        return updateLanguageFiles(std::forward<decltype(a)>(a)...);
    });
}

int runUpdateMatrices(const Args& args) {
    return runFolderUpdate(args, "update-matrices", [](auto&&... a) {
        return updateMatrixFiles(std::forward<decltype(a)>(a)...);
    });
}

} // namespace quintora::cli
