#include "settings/LanguageFile.h"

#include "core/Encoding.h"
#include "files/FileIo.h"
#include "settings/IniSyntax.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace quintora {

LanguageFile LanguageFile::load(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    auto bytes = readWholeFile(path, MaxFileBytes);
    if (!bytes) {
        return {}; // an unreadable language file leaves the program's own texts
    }
    return fromBytes(std::string(bytes.value().begin(), bytes.value().end()));
}

LanguageFile LanguageFile::fromBytes(std::string bytes) {
    LanguageFile file;
    if (bytes.size() > MaxFileBytes) {
        return file;
    }
    // Only the first section of each name counts, and the first key within it.
    std::unordered_map<std::string, std::string>* current = nullptr;
    text::LineSplitter lines(bytes, ini::IniLineEnds);
    while (const auto line = lines.next()) {
        const ini::Line parsed = ini::classify(*line);
        if (parsed.kind == ini::LineKind::Section) {
            const auto [it, added] = file.sections_.try_emplace(ini::foldCase(parsed.name));
            current = added ? &it->second : nullptr;
        } else if (current && parsed.kind == ini::LineKind::Entry) {
            current->try_emplace(ini::foldCase(parsed.name),
                                 utf8FromWindows1252(ini::cleanValue(parsed.value, ValueLimit)));
        }
    }
    return file;
}

std::string LanguageFile::value(std::string_view section, std::string_view key) const {
    const auto sectionIt = sections_.find(ini::foldCase(windows1252FromUtf8(section)));
    if (sectionIt == sections_.end()) {
        return {};
    }
    const auto keyIt = sectionIt->second.find(ini::foldCase(windows1252FromUtf8(key)));
    return keyIt == sectionIt->second.end() ? std::string{} : keyIt->second;
}

std::vector<std::string> LanguageFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto it = sections_.find(ini::foldCase(windows1252FromUtf8(section)));
        it != sections_.end()) {
        for (const auto& [key, text] : it->second) {
            names.push_back(utf8FromWindows1252(key));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readIniValue(const std::string& file, const std::string& section,
                         const std::string& key) {
    return LanguageFile::load(file).value(section, key);
}

std::string languageFilePath(const std::string& dataFolder, const std::string& name) {
    std::string path = dataFolder;
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path + name + ".lng";
}

std::vector<std::string> availableLanguages(const std::string& dataFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(dataFolder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        std::error_code typeError;
        if (path.extension() == ".lng" && !path.stem().empty() && it->is_regular_file(typeError)) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace quintora
