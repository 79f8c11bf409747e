#include "update/ServerUpdates.h"

#include "archive/ArchiveUpdate.h"
#include "core/Encoding.h"
#include "files/FileIo.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixList.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageFileCheck.h"
#include "update/ServerList.h"
#include "update/ServerPaths.h"
#include "update/VersionCompare.h"

#include <filesystem>

namespace quintora {

namespace {

namespace fs = std::filesystem;

std::string inFolder(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

// The temporary folder is made again when something removed it during the run.
void makeFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

// Downloads a small text file and reads it; the downloaded copy is removed afterwards.
Result<std::string> downloadText(const Download& download, const std::string& url,
                                 const std::string& path, const DownloadLimits& limits) {
    makeFolder(fs::path(path).parent_path().string());
    if (auto fetched = download(url, path, limits); !fetched) {
        return fetched.error();
    }
    auto bytes = readWholeFile(path, limits.maxBytes);
    removeQuietly(path);
    if (!bytes) {
        return bytes.error();
    }
    return std::string(bytes.value().begin(), bytes.value().end());
}

} // namespace

VersionOutcome checkServerVersion(const Download& download, std::string_view server,
                                  const std::string& tempFolder, const std::string& localVersion) {
    VersionOutcome outcome;
    const auto text =
        downloadText(download, serverUrl(server, serverpath::Version),
                     inFolder(tempFolder, "quintoraver.txt"), downloadlimits::VersionCheck);
    if (!text) {
        return outcome;
    }
    outcome.remote = firstLine(text.value());
    switch (compareVersions(localVersion, outcome.remote)) {
    case VersionVerdict::Current:
        outcome.kind = VersionOutcome::Kind::Current;
        break;
    case VersionVerdict::RemoteNewer:
        outcome.kind = VersionOutcome::Kind::RemoteNewer;
        break;
    case VersionVerdict::NotComparable:
        outcome.kind = VersionOutcome::Kind::NotComparable;
        break;
    }
    return outcome;
}

Status updateArchiveFromServer(const Download& download, std::string_view server,
                               DrawArchive& archive, const std::string& downloadPath,
                               const std::string& archivePath, const CorrectionConsent& consent) {
    makeFolder(fs::path(downloadPath).parent_path().string());
    if (auto fetched =
            download(serverUrl(server, serverpath::Archive), downloadPath, downloadlimits::Archive);
        !fetched) {
        return Error{"", Message{text::WithDetail,
                                 {Message{text::UpdateDownloadFailed}, fetched.error().what}}};
    }
    auto updated = updateArchiveFromText(archive, downloadPath, archivePath,
                                         ArchiveReplacement::OnlyGrowing, consent);
    removeQuietly(downloadPath);
    return updated;
}

Result<UpdateReport> updateLanguageFiles(const Download& download, std::string_view server,
                                         const std::string& tempFolder,
                                         const std::string& dataFolder) {
    const auto listText =
        downloadText(download, serverUrl(server, serverpath::LanguageList),
                     inFolder(tempFolder, "risorselingue.txt"), downloadlimits::List);
    if (!listText) {
        return Error{"",
                     Message{text::WithDetail,
                             {Message{text::LanguageListDownloadFailed}, listText.error().what}}};
    }
    const NameList list = readNameList(listText.value(), false);
    UpdateReport report{{}, list.skipped};
    for (const auto& name : list.names) {
        const auto stored = storedLanguageName(name);
        if (!stored) {
            report.problems.push_back(
                Message{text::AboutFile, {name, Message{text::NotALanguageFile}}});
            continue;
        }
        const std::string temp = inFolder(tempFolder, name);
        if (auto fetched =
                download(languageFileUrl(server, name), temp, downloadlimits::LanguageFile);
            !fetched) {
            report.problems.push_back(Message{text::AboutFile, {name, fetched.error().what}});
            continue;
        }
        const auto bytes = readWholeFile(temp, LanguageFile::MaxFileBytes);
        removeQuietly(temp);
        if (!bytes) {
            report.problems.push_back(Message{text::AboutFile, {name, bytes.error().what}});
            continue;
        }
        const auto& b = bytes.value();
        if (const auto problem = languageFileProblem(
                std::string_view(reinterpret_cast<const char*>(b.data()), b.size()))) {
            report.problems.push_back(Message{text::AboutFile, {name, *problem}});
            continue;
        }
        if (auto saved = writeFileAtomically(inFolder(dataFolder, *stored), bytes.value());
            !saved) {
            report.problems.push_back(Message{text::AboutFile, {name, saved.error().what}});
            continue;
        }
        report.stored.push_back(*stored);
    }
    return report;
}

Result<UpdateReport> updateMatrixFiles(const Download& download, std::string_view server,
                                       const std::string& tempFolder,
                                       const std::string& matrixFolder) {
    const auto listText =
        downloadText(download, serverUrl(server, serverpath::MatrixList),
                     inFolder(tempFolder, "quintoramatrici.txt"), downloadlimits::List);
    if (!listText) {
        return Error{"", Message{text::WithDetail,
                                 {Message{text::MatrixListDownloadFailed}, listText.error().what}}};
    }
    const NameList list = readNameList(listText.value(), true);
    UpdateReport report{{}, list.skipped};
    for (const auto& name : list.names) {
        const std::string temp = inFolder(tempFolder, name);
        if (auto fetched = download(matrixFileUrl(server, name), temp, downloadlimits::MatrixFile);
            !fetched) {
            report.problems.push_back(Message{text::AboutFile, {name, fetched.error().what}});
            continue;
        }
        const auto bytes = readMatrixFileBytes(temp);
        removeQuietly(temp);
        if (!bytes) {
            report.problems.push_back(Message{text::AboutFile, {name, bytes.error().what}});
            continue;
        }
        const std::string stored = storedMatrixName(name);
        if (auto saved = writeFileAtomically(inFolder(matrixFolder, stored), bytes.value());
            !saved) {
            report.problems.push_back(Message{text::AboutFile, {name, saved.error().what}});
            continue;
        }
        report.stored.push_back(stored);
    }
    return report;
}

Result<std::string> downloadLanguageCredits(const Download& download, std::string_view server,
                                            const std::string& tempFolder) {
    auto text = downloadText(download, serverUrl(server, serverpath::LanguageCredits),
                             inFolder(tempFolder, "thankstolingue.txt"), downloadlimits::List);
    if (!text) {
        return text.error();
    }
    return utf8FromWindows1252(text.value());
}

} // namespace quintora
