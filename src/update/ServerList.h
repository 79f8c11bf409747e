#pragma once

#include "core/Message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// A file name from a server list is used only when it is a plain name: printable ASCII, no
// path separator or backslash, no "..", no drive (":"), not hidden (a leading "."), at most
// MaxNameLength characters. Anything else could reach outside the folder it is stored in.
inline constexpr std::size_t MaxNameLength = 100;
bool isPlainName(std::string_view name);

// The names of a server list, one a line, blanks around a name and blank lines ignored.
// A name that is not plain is skipped and said in `skipped`.
struct NameList {
    std::vector<std::string> names;
    std::vector<Message> skipped; // one message per refused line
};
NameList readNameList(std::string_view text, bool upperCase);

// The name a listed language file ("english.txt") is stored under ("english.lng"); none when
// the listed name does not end with ".txt".
std::optional<std::string> storedLanguageName(std::string_view listedName);

} // namespace quintora
