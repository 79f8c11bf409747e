#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quintora::test {

// Points XDG_DATA_HOME and XDG_CONFIG_HOME at fresh temporary folders for the life of the
// object, so a test never touches the user's files. Create it before anything asks Qt for a
// standard location.
class TemporaryXdg {
public:
    TemporaryXdg();
    ~TemporaryXdg();

    QString dataHome() const { return root_.path() + QStringLiteral("/data"); }
    QString configHome() const { return root_.path() + QStringLiteral("/config"); }
    // The program's data folder inside dataHome().
    QString dataFolder() const { return dataHome() + QStringLiteral("/Quintora"); }

private:
    QTemporaryDir root_;
    QByteArray oldData_;
    QByteArray oldConfig_;
};

} // namespace quintora::test
