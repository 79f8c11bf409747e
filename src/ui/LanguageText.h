#pragma once

#include "settings/Language.h"

#include <QString>
#include <string_view>

namespace quintora {

// A message of the language file's [Strings] section, or the program's own Italian text
// when the file has no such entry.
inline QString languageText(Language& language, std::string_view id, const char* fallback) {
    const std::string text = language.getLangString(id);
    return text.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(text);
}

} // namespace quintora
