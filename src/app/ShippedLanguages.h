#pragma once

#include <QString>
#include <QStringList>

namespace quintora {

// The language files that come with the program, so that a first start can offer a language.

// Folders that may hold them, most specific first: the installed share folder beside the
// program's, the system's data folders, and the sources when the program runs from its build.
QStringList shippedLanguageFolders();

// The first of those folders' files of that name (the draw history, for one); empty when none.
QString findShippedFile(const QString& name);

// Copies every *.lng of `fromFolders` that `dataFolder` lacks (the first folder that has a name
// wins). Files already there are kept: they may be newer downloads. Returns the names copied.
QStringList copyMissingLanguageFiles(const QStringList& fromFolders, const QString& dataFolder);

} // namespace quintora
