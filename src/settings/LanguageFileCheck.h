#pragma once

#include "core/Message.h"

#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// Why downloaded bytes are not a whole language file, or nullopt when they are: no larger than a
// language file is read (LanguageFile::MaxFileBytes), every line is
// blank, a comment (";"), a [section] or key=value, a value opened with a quote is closed by
// one, the last line ends with its line break, and the sections the program cannot do without
// ([frmMAIN], [Strings]) are there. A file cut short fails one of these.
std::optional<Message> languageFileProblem(std::string_view bytes);

} // namespace quintora
