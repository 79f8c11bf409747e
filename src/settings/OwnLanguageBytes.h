#pragma once

#include <string_view>

namespace quintora {

// The bytes of the program's own language file, built into the program so that every message
// has its text even before a data folder exists.
std::string_view ownLanguageBytes();

} // namespace quintora
