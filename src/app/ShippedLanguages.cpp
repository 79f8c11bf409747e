#include "app/ShippedLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quintora {

QStringList shippedLanguageFolders() {
    QStringList folders;
    folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quintora");
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("quintora"),
                                         QStandardPaths::LocateDirectory);
#ifdef QUINTORA_SOURCE_DATA_DIR
    folders << QStringLiteral(QUINTORA_SOURCE_DATA_DIR);
#endif
    return folders;
}

QString findShippedFile(const QString& name) {
    for (const QString& folder : shippedLanguageFolders()) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile() && file.isReadable()) {
            return file.filePath();
        }
    }
    return {};
}

QStringList copyMissingLanguageFiles(const QStringList& fromFolders, const QString& dataFolder) {
    QStringList copied;
    QStringList seen;
    const QDir target(dataFolder);
    for (const QString& folder : fromFolders) {
        const auto files =
            QDir(folder).entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable);
        for (const QFileInfo& file : files) {
            const QString name = file.fileName();
            if (seen.contains(name)) {
                continue;
            }
            seen << name;
            // QFile::copy writes a temporary file beside the target and renames it.
            if (!target.exists(name) && QFile::copy(file.filePath(), target.filePath(name))) {
                copied << name;
            }
        }
    }
    return copied;
}

} // namespace quintora
