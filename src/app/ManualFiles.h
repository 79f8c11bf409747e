#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace quintora {

// Folders that may hold the manual, most specific first: the installed share folder's
// "manual", the system's data folders', and the sources' when the program runs from its build.
QStringList manualFolders();

// The manual's file name for a language file's name: the program's own Italian for "italiano"
// (and before any choice), English for every other language.
QString manualFileName(const std::string& languageName);

// The first of `folders` that holds the language's manual; empty when none does.
QString findManual(const QStringList& folders, const std::string& languageName);

} // namespace quintora
