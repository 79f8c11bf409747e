// quintora-cli update-archive [--server URL] -o ARCHIVE.dat
// quintora-cli version-check [--server URL] [--local X.Y.Z]
// quintora-cli update-languages [--server URL] --dir DIR
// quintora-cli update-matrices [--server URL] --dir DIR
#include "cli/CliCommands.h"
#include "cli/ServerCommandsHere.h"
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

std::string serverOf(const std::optional<std::string>& server) {
    if (server) {
        return *server;
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

int ServerCommandsHere::updateArchive(const UpdateArchiveArgs& args) {
    const std::string& out = args.out;
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message);
    }
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    ArchiveDocument archives;
    const auto updated = archives.updateFromServer(
        makeDownload(), serverOf(args.server),
        (fs::path(session.tempFolder()) / "quintora_download.dat").string(), out);
    if (!updated) {
        return fail(updated.error().message);
    }
    std::cout << archives.archive().count() << " estrazioni | " << out << "\n";
    return ExitSuccess;
}

int ServerCommandsHere::versionCheck(const VersionCheckArgs& args) {
    const std::string local = args.local.value_or(localVersionText());
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    const auto outcome = checkServerVersion(makeDownload(DownloadLimits::versionCheck()),
                                            serverOf(args.server), session.tempFolder(), local);
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
template <typename Update> int runFolderUpdate(const FolderUpdateArgs& args, Update update) {
    if (!isFolder(args.dir)) {
        return fail(args.dir + ": not a folder");
    }
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    return printReport(
        update(makeDownload(), serverOf(args.server), session.tempFolder(), args.dir));
}

} // namespace

int ServerCommandsHere::updateLanguages(const FolderUpdateArgs& args) {
    return runFolderUpdate(
        args, [](auto&&... a) { return updateLanguageFiles(std::forward<decltype(a)>(a)...); });
}

int ServerCommandsHere::updateMatrices(const FolderUpdateArgs& args) {
    return runFolderUpdate(
        args, [](auto&&... a) { return updateMatrixFiles(std::forward<decltype(a)>(a)...); });
}

} // namespace quintora::cli
