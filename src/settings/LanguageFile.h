#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quintora {

// A language file read once and then asked for many keys. Files of at most SmallFileBytes
// follow the INI rules (values up to 511 characters); larger ones are read by a line scan:
// the first line that begins with "key=", whatever its section, and the rest of it without its
// first and last character (the enclosing quotes). A missing or unreadable file answers empty.
class LanguageFile {
public:
    static constexpr std::size_t SmallFileBytes = 64000;
    static constexpr std::size_t ValueLimit = 511;
    static constexpr std::size_t MaxFileBytes = 16 * 1024 * 1024;

    LanguageFile() = default;
    static LanguageFile load(const std::string& path);
    // The same, from the file's bytes.
    static LanguageFile fromBytes(std::string bytes);

    // UTF-8 value, or empty when the key, the section or the file is missing.
    std::string value(std::string_view section, std::string_view key) const;
    // The keys of a section, sorted (UTF-8; upper-cased in small files, as written in large
    // ones). A large file is read without its sections, so it answers every key it has.
    std::vector<std::string> keys(std::string_view section) const;
    bool empty() const { return sections_.empty() && lines_.empty(); }

private:
    struct LineSpan {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
    };
    std::string_view line(std::uint32_t index) const;
    std::string scannedValue(std::string_view name) const;

    // Small files: folded section -> folded key -> value, first matches only.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
    // Large files: the lines, and their indexes sorted by text for a prefix search.
    std::string bytes_;
    std::vector<LineSpan> lines_;
    std::vector<std::uint32_t> sorted_;
};

// The value of one key of a language file, read in the way its size calls for.
std::string readIniValue(const std::string& file, const std::string& section,
                         const std::string& key);

// dataFolder + "/" (unless it already ends with one) + name + ".lng".
std::string languageFilePath(const std::string& dataFolder, const std::string& name);

// Names of the *.lng files of the folder, sorted, without the extension.
std::vector<std::string> availableLanguages(const std::string& dataFolder);

} // namespace quintora
