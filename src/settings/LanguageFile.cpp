#include "settings/LanguageFile.h"

#include "core/Encoding.h"
#include "files/FileIo.h"
#include "settings/IniSyntax.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
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
    if (bytes.size() <= SmallFileBytes) {
        // Only the first section of each name counts, and the first key within it.
        std::unordered_map<std::string, std::string>* current = nullptr;
        text::LineSplitter lines(bytes, ini::IniLineEnds);
        while (const auto line = lines.next()) {
            const ini::Line parsed = ini::classify(*line);
            if (parsed.kind == ini::LineKind::Section) {
                const auto [it, added] = file.sections_.try_emplace(ini::foldCase(parsed.name));
                current = added ? &it->second : nullptr;
            } else if (current && parsed.kind == ini::LineKind::Entry) {
                current->try_emplace(
                    ini::foldCase(parsed.name),
                    utf8FromWindows1252(ini::cleanValue(parsed.value, ValueLimit)));
            }
        }
        return file;
    }
    file.bytes_ = std::move(bytes);
    const std::string_view all = file.bytes_;
    text::LineSplitter lines(all, ini::IniLineEnds);
    while (const auto line = lines.next()) {
        file.lines_.push_back({static_cast<std::uint32_t>(line->data() - all.data()),
                               static_cast<std::uint32_t>(line->size())});
    }
    file.sorted_.resize(file.lines_.size());
    std::iota(file.sorted_.begin(), file.sorted_.end(), 0u);
    std::stable_sort(
        file.sorted_.begin(), file.sorted_.end(),
        [&file](std::uint32_t a, std::uint32_t b) { return file.line(a) < file.line(b); });
    return file;
}

std::string_view LanguageFile::line(std::uint32_t index) const {
    return std::string_view(bytes_).substr(lines_[index].begin, lines_[index].size);
}

std::string LanguageFile::scannedValue(std::string_view name) const {
    if (name.empty()) {
        return {};
    }
    // The key with its '=', so that "x.Caption" never takes the line of "x.CaptionLong".
    const std::string keyText = std::string(name) + '=';
    const std::string_view key = keyText;
    // Lines that begin with the key sort together from the key on; the earliest in the file wins.
    auto it = std::lower_bound(
        sorted_.begin(), sorted_.end(), key,
        [this](std::uint32_t index, std::string_view k) { return line(index) < k; });
    // Equal texts keep file order, so the first hit is the earliest among equals; other lines
    // with the prefix may still come earlier in the file.
    std::uint32_t first = static_cast<std::uint32_t>(lines_.size());
    for (; it != sorted_.end() && line(*it).starts_with(key); ++it) {
        first = std::min(first, *it);
    }
    if (first == lines_.size()) {
        return {};
    }
    // What follows "key=" without its first and last characters, the enclosing quotes.
    std::string_view rest = line(first).substr(key.size());
    rest = rest.size() < 2 ? std::string_view{} : rest.substr(1, rest.size() - 2);
    return utf8FromWindows1252(rest.substr(0, rest.find('\0')));
}

std::string LanguageFile::value(std::string_view section, std::string_view key) const {
    if (!lines_.empty()) {
        return scannedValue(windows1252FromUtf8(key));
    }
    const auto sectionIt = sections_.find(ini::foldCase(windows1252FromUtf8(section)));
    if (sectionIt == sections_.end()) {
        return {};
    }
    const auto keyIt = sectionIt->second.find(ini::foldCase(windows1252FromUtf8(key)));
    return keyIt == sectionIt->second.end() ? std::string{} : keyIt->second;
}

std::vector<std::string> LanguageFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (!lines_.empty()) {
        for (std::uint32_t i = 0; i < lines_.size(); ++i) {
            if (const ini::Line parsed = ini::classify(line(i));
                parsed.kind == ini::LineKind::Entry) {
                names.push_back(utf8FromWindows1252(parsed.name));
            }
        }
    } else if (const auto it = sections_.find(ini::foldCase(windows1252FromUtf8(section)));
               it != sections_.end()) {
        for (const auto& [key, text] : it->second) {
            names.push_back(utf8FromWindows1252(key));
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
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
