#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// Why downloaded bytes are not a whole language file, or nullopt when they are: every line is
// blank, a comment (";"), a [section] or key=value, a value opened with a quote is closed by
// one, the last line ends with its line break, and the sections the program cannot do without
// ([frmMAIN], [Strings]) are there. A file cut short fails one of these.
std::optional<std::string> languageFileProblem(std::string_view bytes);

} // namespace quintora
