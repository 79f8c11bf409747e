#pragma once

#include "core/TextPieces.h"

#include <cstddef>
#include <string>
#include <string_view>

// The line rules of Windows INI files, shared by the INI class and the language files.
// Everything here works on the file's own Windows-1252 bytes.
namespace quintora::ini {

enum class LineKind { Other, Section, Entry };

struct Line {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // raw text after the first '=' (entries only)
};

// Lines end at LF or CR LF (the CR not part of the line); a lone CR belongs to its line.
inline constexpr text::LineEnds IniLineEnds = text::LineEnds::LfOrCrLf;

// "[name]" is a section (text after the last ']' is ignored), "key=value" an entry;
// blank lines, ';' comments and lines without '=' are Other.
Line classify(std::string_view line);

// Case-insensitive form of a name: ASCII and the Windows-1252 letters with a case pair.
std::string foldCase(std::string_view name);
bool sameName(std::string_view a, std::string_view b);

// A stored value as a reader sees it: cut at the first NUL, trimmed of blanks, one pair of
// matching surrounding quotes (" or ') removed, then at most maxChars characters.
std::string cleanValue(std::string_view raw, std::size_t maxChars);

// Blanks around names and values are not part of them.
inline std::string_view trim(std::string_view s) {
    return text::trim(s);
}

} // namespace quintora::ini
