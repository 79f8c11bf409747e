#include "app/SingleInstance.h"

#include <memory>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace quintora {

namespace {

constexpr int TimeoutMs = 2000;
constexpr qint64 MaxMessageBytes = 64 * 1024; // a path, never more
const QByteArray Greeting = QByteArrayLiteral("quintora-activate\n");

} // namespace

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& dataFolder) {
    // A stable digest: two copies of the same user on the same data folder meet here.
    const auto digest =
        QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("quintora-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
}

bool SingleInstance::claim(const QString& systemFile) {
    if (sendToRunningCopy(systemFile)) {
        return false;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(key_)) {
        // Nobody answered, so the socket was left behind by a copy that crashed.
        QLocalServer::removeServer(key_);
        server_->listen(key_);
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return true;
}

bool SingleInstance::sendToRunningCopy(const QString& systemFile) const {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(TimeoutMs)) {
        return false;
    }
    socket.write(Greeting + systemFile.toUtf8());
    socket.flush();
    const bool sent = socket.bytesToWrite() == 0 || socket.waitForBytesWritten(TimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(TimeoutMs);
    }
    return sent;
}

void SingleInstance::acceptConnection() {
    while (auto* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() > MaxMessageBytes) {
                buffer->clear();
                socket->abort();
            }
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const QByteArray message = *buffer;
            socket->deleteLater();
            // Anything else knocking on the socket is ignored.
            if (message.startsWith(Greeting)) {
                emit activationRequested(QString::fromUtf8(message.mid(Greeting.size())));
            }
        });
    }
}

} // namespace quintora
