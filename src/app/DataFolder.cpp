#include "app/DataFolder.h"

#include "settings/Settings.h"

#include <QDir>
#include <QStandardPaths>

namespace quintora {

DataFolder::DataFolder(QString root)
    : root_(std::move(root)) {}

QString DataFolder::standardRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quintora");
}

QStringList DataFolder::subfolderNames() {
    return {QStringLiteral("temp"),     QStringLiteral("txt"), QStringLiteral("sistemi"),
            QStringLiteral("archivio"), QStringLiteral("csv"), QStringLiteral("matrici")};
}

QString DataFolder::path(const QString& relative) const {
    return root_ + u'/' + relative;
}

QString DataFolder::settingsPath() const {
    return path(QString::fromUtf8(SettingsFileName));
}

void DataFolder::createTree() const {
    for (const auto& name : subfolderNames()) {
        createFolderTree(path(name));
    }
}

bool createFolderTree(const QString& path) {
    return QDir().mkpath(path);
}

} // namespace quintora
