#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace quintora {

// One running copy per user and data folder. The first copy listens on a local socket; a later
// copy hands its command line (a system file or nothing) to it and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the socket; serverName() builds the usual one.
    SingleInstance(QString key, QObject* parent);
    ~SingleInstance() override;

    // The socket name for the current user and this data folder.
    static QString serverName(const QString& dataFolder);

    // True when this is now the running copy. False when another copy runs and took the
    // message (`systemFile`, possibly empty); then this copy should end.
    bool claim(const QString& systemFile);

    // Used by claim(): hands the message to a running copy; false when none answers.
    bool sendToRunningCopy(const QString& systemFile) const;

signals:
    // Another copy started; bring the window to the front and open `systemFile` if any.
    void activationRequested(const QString& systemFile);

private:
    void acceptConnection();

    QString key_;
    QLocalServer* server_ = nullptr;
};

} // namespace quintora
