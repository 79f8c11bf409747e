#pragma once

#include "settings/Language.h"

#include <QString>
#include <string_view>

namespace quintora {

// A message of the language file's [Strings] section, or the program's own Italian text
// when the file has no such entry. A language file writes a line break inside a message as
// the two characters "\n", since each entry must stay on one line.
inline QString messageText(const std::string& text, const char* fallback) {
    if (text.empty()) {
        return QString::fromUtf8(fallback);
    }
    QString message = QString::fromStdString(text);
    message.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    return message;
}

inline QString languageText(Language& language, std::string_view id, const char* fallback) {
    return messageText(language.getLangString(id), fallback);
}

// The same, from a language file already read.
inline QString languageText(const LanguageFile& file, std::string_view id, const char* fallback) {
    return messageText(file.value("Strings", id), fallback);
}

} // namespace quintora
