#pragma once

#include "core/Result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintora {

// The text of an INI file, parsed once and then asked for any number of keys, with the
// Windows reading rules: section and key names are case-insensitive, the first section of a
// name and the first matching key in it win (later sections of that name are never read),
// values are trimmed and lose one pair of surrounding quotes. The text is Windows-1252;
// names and values are UTF-8 here.
class IniDocument {
public:
    static constexpr std::size_t ValueLimit = 255;

    IniDocument() = default;
    // Texts of 4 GiB or more read as empty.
    explicit IniDocument(std::string bytes);

    // The file's bytes as read.
    const std::string& bytes() const { return bytes_; }

    // The value (at most maxChars characters, cut at the first NUL); nullopt when missing.
    std::optional<std::string> find(std::string_view section, std::string_view key,
                                    std::size_t maxChars = ValueLimit) const;

    // The text with `values` written into `section`: a key already there keeps its line and
    // its spelling, a new key follows the section's last line, a new section goes at the end.
    // A key that already reads as its value keeps its line; when nothing changes the text
    // comes back byte for byte. Otherwise every line then ends with CR LF. Each value reads
    // back exactly as given. Names may not
    // hold line breaks, NUL, '=' (keys) or ']' (sections); values may not hold LF or NUL.
    Result<std::string>
    withValues(std::string_view section,
               std::span<const std::pair<std::string, std::string>> values) const;

private:
    // A piece of bytes_, kept as offsets so that the document can be moved and copied.
    struct Span {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
    };
    struct Entry {
        Span key;
        Span value;             // raw text after the '='
        std::uint32_t line = 0; // line number, from 0
        std::uint32_t kept = 0; // bytes of its line kept when a new value is written
    };
    struct Section {
        Span name;
        std::uint32_t lastLine = 0; // the header or the section's last non-blank line
        std::uint32_t firstEntry = 0;
        std::uint32_t endEntry = 0;
    };

    std::string_view view(Span span) const;
    const Section* firstSection(std::string_view name) const;
    const Entry* firstEntry(const Section& section, std::string_view key) const;

    std::string bytes_;
    std::vector<Section> sections_; // in file order, every header
    std::vector<Entry> entries_;    // in file order, entries after the first header
    std::uint32_t lineCount_ = 0;
    bool lastLineBlank_ = true;
};

} // namespace quintora
