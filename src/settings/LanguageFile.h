#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quintora {

// A language file read once and then asked for many keys, by the INI rules (values up to 511
// characters) whatever its size. A missing, unreadable or larger file than MaxFileBytes (forty
// times the program's own) answers empty.
class LanguageFile {
public:
    static constexpr std::size_t ValueLimit = 511;
    static constexpr std::size_t MaxFileBytes = 1024 * 1024;

    LanguageFile() = default;
    static LanguageFile load(const std::string& path);
    // The same, from the file's bytes.
    static LanguageFile fromBytes(std::string bytes);

    // UTF-8 value, or empty when the key, the section or the file is missing.
    std::string value(std::string_view section, std::string_view key) const;
    // The keys of a section, sorted (UTF-8, upper-cased).
    std::vector<std::string> keys(std::string_view section) const;
    bool empty() const { return sections_.empty(); }

private:
    // Folded section -> folded key -> value, first matches only.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
};

// The value of one key of a language file, read in the way its size calls for.
std::string readIniValue(const std::string& file, const std::string& section,
                         const std::string& key);

// dataFolder + "/" (unless it already ends with one) + name + ".lng".
std::string languageFilePath(const std::string& dataFolder, const std::string& name);

// Names of the *.lng files of the folder, sorted, without the extension.
std::vector<std::string> availableLanguages(const std::string& dataFolder);

} // namespace quintora
