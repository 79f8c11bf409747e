#pragma once

#include "archive/Draw.h"
#include "core/Result.h"

#include <string>
#include <string_view>

namespace quintora {

// The downloaded archive text: one draw per line, nine fields separated by "|": contest,
// date, the five main numbers, the two Euro numbers (blanks around a field are allowed).
// Windows-1252 text; lines end with CR LF, LF or CR.
inline constexpr std::size_t MaxArchiveTextBytes = 16u << 20;

// LoadArchivioTMP: a line that does not split into nine fields is skipped, as is one whose
// first number is 0 (it holds no draw). A field that does not convert (contest outside
// -32768..32767, a number outside 0..255, anything but digits), a number outside the game's,
// a last line with fewer than nine fields (the text was cut short) or a text without any draw
// is refused with a message naming the line. A number repeated within a line is kept.
Result<DrawArchive> parseArchiveText(std::string_view text);
Result<DrawArchive> readArchiveText(const std::string& path);

} // namespace quintora
