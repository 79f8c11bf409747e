#pragma once

#include <string>
#include <string_view>

namespace quintora {

// Files hold 8-bit Windows-1252 text; the program works in UTF-8.
std::string utf8FromWindows1252(std::string_view bytes);
// Characters without a Windows-1252 form become '?'.
std::string windows1252FromUtf8(std::string_view text);

} // namespace quintora
