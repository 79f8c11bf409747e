#include "app/ManualFiles.h"

#include "app/ShippedLanguages.h"

#include <QDir>
#include <QFileInfo>

namespace quintora {

QStringList manualFolders() {
    QStringList folders;
    for (const QString& folder : shippedLanguageFolders()) {
        folders << folder + QStringLiteral("/manual");
    }
#ifdef QUINTORA_SOURCE_MANUAL_DIR
    folders << QStringLiteral(QUINTORA_SOURCE_MANUAL_DIR);
#endif
    return folders;
}

QString manualFileName(const std::string& languageName) {
    return languageName.empty() || languageName == "italiano" ? QStringLiteral("it.md")
                                                              : QStringLiteral("en.md");
}

QString findManual(const QStringList& folders, const std::string& languageName) {
    const QString name = manualFileName(languageName);
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile() && file.isReadable()) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

} // namespace quintora
