#pragma once

#include <QString>
#include <QStringList>

namespace quintora {

// The folder that holds every file of the program and its fixed subfolders.
class DataFolder {
public:
    explicit DataFolder(QString root);

    // The per-user data location followed by "/Quintora" (normally ~/.local/share/Quintora).
    static QString standardRoot();
    // The subfolders in the order they are created.
    static QStringList subfolderNames();

    const QString& root() const { return root_; }
    // root + "/" + relative
    QString path(const QString& relative) const;

    QString systemsFolder() const { return path(QStringLiteral("sistemi")); }
    QString textFolder() const { return path(QStringLiteral("txt")); }
    QString tempFolder() const { return path(QStringLiteral("temp")); }
    QString csvFolder() const { return path(QStringLiteral("csv")); }
    QString matrixFolder() const { return path(QStringLiteral("matrici")); }
    QString archivePath() const { return path(QStringLiteral("archivio/quintora.dat")); }
    QString settingsPath() const;
    // Where an empty system is saved by default.
    QString newSystemPath() const { return path(QStringLiteral("sistemi/nuovo.qsy")); }

    // Creates the six subfolders (and any missing parent). Failures are not reported: a
    // later file operation in the folder says what went wrong.
    void createTree() const;

private:
    QString root_;
};

// Creates `path` with every missing parent; false when it does not exist afterwards.
bool createFolderTree(const QString& path);

} // namespace quintora
