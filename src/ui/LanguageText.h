#pragma once

#include "core/Message.h"
#include "settings/Language.h"
#include "settings/TextTable.h"

#include <QString>
#include <string>

namespace quintora {

// An entry of the current language's [Strings] section as it stands, its %N left for the
// caller; the program's own text when the file has no such entry.
inline QString languageText(Language& language, TextId id) {
    return QString::fromStdString(language.text(Message{id}));
}

// The same, from a language file already read.
inline QString languageText(const LanguageFile& file, TextId id) {
    return QString::fromStdString(TextTable(file, '.').entry(id));
}

// A message of the core in the current language.
inline QString shownText(Language& language, const Message& message) {
    return QString::fromStdString(language.text(message));
}

} // namespace quintora
