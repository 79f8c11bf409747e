#pragma once

#include "core/Result.h"
#include "settings/IniDocument.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace quintora {

// One INI file read and written with the Windows rules of IniDocument. Every call reads the
// file afresh; a missing or unreadable file reads as empty. To read several keys, read() the
// file once and ask the document.
class IniFile {
public:
    static constexpr std::size_t ValueLimit = IniDocument::ValueLimit;
    // Larger files are refused rather than loaded.
    static constexpr std::size_t MaxFileBytes = 16 * 1024 * 1024;

    IniFile() = default;
    explicit IniFile(std::string path)
        : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    void setPath(std::string path) { path_ = std::move(path); }

    // The whole file, parsed once.
    IniDocument read() const;
    // The same, saying why a file that exists could not be read (a missing file is empty).
    Result<IniDocument> load() const;

    // The value (at most ValueLimit characters, cut at the first NUL); empty when missing.
    std::string getProperty(std::string_view section, std::string_view key) const;
    std::string getProperty(std::string_view section, std::string_view key,
                            std::string_view fallback) const;
    // -1 when the key is missing or its value is not a whole number.
    int getInt(std::string_view section, std::string_view key) const;
    // The value with a chosen length limit; nullopt when the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key,
                                    std::size_t maxChars = ValueLimit) const;

    // Writes one key, keeping every other line of the file (see IniDocument::withValues).
    Status setProperty(std::string_view section, std::string_view key, std::string_view value);
    Status setInt(std::string_view section, std::string_view key, int value);
    // Writes several keys of one section in a single atomic write: all or none.
    Status setProperties(std::string_view section,
                         std::span<const std::pair<std::string, std::string>> values);

private:
    std::string path_;
};

} // namespace quintora
