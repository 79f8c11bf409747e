#pragma once

#include <QString>
#include <QStringList>

namespace quintora {

// The matrices that come with the program, so that a new user can adapt one at once.

// Folders that may hold them, most specific first, as the shipped language files are found:
// "matrici" in the installed share folders, and the server's folder of the sources when the
// program runs from its build.
QStringList shippedMatrixFolders();

// Installs the shipped matrices into `matrixFolder` when it holds no matrix file yet (a first
// start, or a user who has none left); a folder that has matrices is left alone, so deleted
// ones stay deleted. Returns the names installed.
QStringList installMatricesOnFirstStart(const QStringList& fromFolders,
                                        const QString& matrixFolder);

} // namespace quintora
