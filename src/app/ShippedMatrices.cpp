#include "app/ShippedMatrices.h"

#include "app/ShippedLanguages.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixList.h"

#include <QDir>
#include <string>
#include <vector>

namespace quintora {

QStringList shippedMatrixFolders() {
    QStringList folders;
    for (const QString& folder : shippedLanguageFolders()) {
        folders << folder + QStringLiteral("/matrici");
    }
#ifdef QUINTORA_SOURCE_DATA_DIR
    folders << QStringLiteral(QUINTORA_SOURCE_DATA_DIR "/server/matrici");
#endif
    return folders;
}

QStringList installMatricesOnFirstStart(const QStringList& fromFolders,
                                        const QString& matrixFolder) {
    const QString pattern = QStringLiteral("*") + QString::fromUtf8(matrixfile::Extension);
    if (!QDir(matrixFolder).entryList({pattern}, QDir::Files).isEmpty()) {
        return {};
    }
    std::vector<std::string> sources;
    for (const QString& folder : fromFolders) {
        sources.push_back(folder.toStdString());
    }
    QStringList names;
    for (const auto& name : installShippedMatrices(sources, matrixFolder.toStdString()).installed) {
        names << QString::fromStdString(name);
    }
    return names;
}

} // namespace quintora
