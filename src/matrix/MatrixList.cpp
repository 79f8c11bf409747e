#include "matrix/MatrixList.h"

#include "files/FileIo.h"
#include "matrix/MatrixFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quintora {

namespace {

constexpr std::size_t MaxListBytes = 1 << 20;

bool safeName(const std::string& name) {
    return !name.empty() && name != "." && name.find("..") == std::string::npos &&
           std::none_of(name.begin(), name.end(), [](unsigned char c) {
               return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
           });
}

} // namespace

std::vector<std::string> parseMatrixList(std::string_view text) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < text.size()) {
        auto end = text.find('\n', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(at, end - at));
        at = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        line.erase(0, line.find_first_not_of(' ') == std::string::npos
                          ? line.size()
                          : line.find_first_not_of(' '));
        std::transform(line.begin(), line.end(), line.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (safeName(line)) {
            names.push_back(line);
        }
    }
    return names;
}

std::string storedMatrixName(const std::string& listedName) {
    std::string name = listedName;
    const std::string from = ".DAT";
    const std::string to = ".mzor";
    for (auto at = name.find(from); at != std::string::npos; at = name.find(from, at + to.size())) {
        name.replace(at, from.size(), to);
    }
    return name;
}

InstalledMatrices installShippedMatrices(const std::vector<std::string>& sourceFolders,
                                         const std::string& matrixFolder) {
    namespace fs = std::filesystem;
    InstalledMatrices result;
    for (const auto& folder : sourceFolders) {
        const auto list =
            readWholeFile((fs::path(folder) / MatrixListFileName).string(), MaxListBytes);
        if (!list) {
            continue;
        }
        const auto& bytes = list.value();
        for (const auto& name : parseMatrixList(std::string(bytes.begin(), bytes.end()))) {
            const auto stored = storedMatrixName(name);
            const auto target = fs::path(matrixFolder) / stored;
            std::error_code ec;
            if (fs::exists(fs::symlink_status(target, ec))) {
                continue;
            }
            const auto bytes = readMatrixFileBytes((fs::path(folder) / name).string());
            if (!bytes) {
                result.problems.push_back(Message{text::AboutFile, {name, bytes.error().what}});
                continue;
            }
            if (auto saved = writeFileAtomically(target.string(), bytes.value()); !saved) {
                result.problems.push_back(Message{text::AboutFile, {name, saved.error().what}});
                continue;
            }
            result.installed.push_back(stored);
        }
        break;
    }
    return result;
}

} // namespace quintora
