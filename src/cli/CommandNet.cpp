// quintora-cli update-archive [--server URL] [--accept-changes] -o ARCHIVE.dat
// quintora-cli version-check [--server URL] [--local X.Y.Z]
// quintora-cli update-languages [--server URL] [--deadline S] --dir DIR
// quintora-cli update-matrices [--server URL] [--deadline S] --dir DIR
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/ServerCommandsHere.h"
#include "document/ArchiveDocument.h"
#include "files/FileIo.h"
#include "net/DownloadFile.h"
#include "update/ServerUpdates.h"
#include "update/VersionCompare.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <QCoreApplication>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace quintora::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view RunFolderPrefix = "cli-";

// The data folder's "temp", where the program's own downloads land too; without a home folder
// (the settings path then has no base) one folder per user in the system's temporary folder.
fs::path sharedTempFolder() {
    const fs::path data = fs::path(standardSettingsPath()).parent_path();
    if (data.is_absolute() && data != fs::path("/Quintora")) {
        return data / "temp";
    }
    return fs::temp_directory_path() / ("quintora-" + std::to_string(::geteuid()));
}

// Removes the folders of runs that ended without removing theirs (a kill): a run's folder is
// named after its process, and a process that no longer runs needs none.
void removeStaleRunFolders(const fs::path& temp) {
    std::error_code ec;
    for (fs::directory_iterator it(temp, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(RunFolderPrefix)) {
            continue;
        }
        const std::string digits = name.substr(RunFolderPrefix.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
            digits.size() > 9) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(digits));
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH)) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

// Downloads need Qt's event loop: one application object for the command's run. Its downloads
// go to a folder of this run under the data folder's "temp", removed at the end.
class NetSession {
public:
    NetSession()
        : app_(argc_, argv_) {
        const fs::path shared = sharedTempFolder();
        std::error_code ec;
        fs::create_directories(shared, ec);
        removeStaleRunFolders(shared);
        const fs::path mine = shared / (std::string(RunFolderPrefix) + std::to_string(::getpid()));
        if (fs::create_directory(mine, ec) && !ec) {
            temp_ = mine.string();
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
    return userSettings().settings().server;
}

// A list update that stored nothing did nothing: a failure, whatever the reasons.
int printReport(const Result<UpdateReport>& report) {
    if (!report) {
        return fail(said(report.error()));
    }
    for (const auto& problem : report.value().problems) {
        std::cerr << "quintora-cli: " << said(problem) << "\n";
    }
    for (const auto& name : report.value().stored) {
        std::cout << name << "\n";
    }
    if (report.value().stored.empty()) {
        return fail(said(Message{text::NoListedFileStored}));
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
        return fail(said(usable.error()));
    }
    NetSession session;
    if (session.tempFolder().empty()) {
        return fail("cannot make a temporary folder");
    }
    // The archive there is what the update may only add to.
    ArchiveDocument archives;
    if (const auto opened = archives.open(out); !opened) {
        return fail(said(opened.error()));
    }
    // What a correcting download would change goes to standard error, applied or not.
    const CorrectionConsent consent = [&args](const ArchiveCorrections& corrections) {
        for (const auto& line : correctionLines(corrections)) {
            std::cerr << "quintora-cli: " << said(line) << "\n";
        }
        return args.acceptChanges;
    };
    const auto updated = archives.updateFromServer(
        makeDownload(), serverOf(args.server),
        (fs::path(session.tempFolder()) / "quintora_download.dat").string(), out, consent);
    if (!updated) {
        const bool corrections = updated.error().what.id() == text::CorrectionsRefused;
        return fail(said(updated.error()) +
                    (corrections ? " (--accept-changes applies the changes)" : ""));
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
    const auto outcome =
        checkServerVersion(makeDownload(), serverOf(args.server), session.tempFolder(), local);
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
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(args.deadlineSeconds);
    return printReport(update(withDeadline(makeDownload(), deadline), serverOf(args.server),
                              session.tempFolder(), args.dir));
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
