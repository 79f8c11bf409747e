#include "net/DownloadFile.h"

#include "files/FileIo.h"

#include <QByteArray>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <span>

namespace quintora {

namespace {

Error failure(const std::string& url, const std::string& reason) {
    return Error{"", Message{2115, {url, reason}}};
}

} // namespace

Status downloadFile(const std::string& url, const std::string& targetPath,
                    const DownloadLimits& limits) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))) {
        return failure(url, "indirizzo non valido");
    }
    if (auto usable = checkSaveTarget(targetPath); !usable) {
        return usable.error();
    }

    QNetworkAccessManager manager; // no cache is set on it: nothing is kept or reused
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    request.setRawHeader(QByteArrayLiteral("Pragma"), QByteArrayLiteral("no-cache"));
    // Redirects are followed on the same host only; any other ends as a failure below.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    QNetworkReply* reply = manager.get(request);
    QByteArray body;
    bool timedOut = false;
    bool tooLarge = false;
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    QTimer total;
    total.setSingleShot(true);
    const auto giveUp = [&] {
        timedOut = true;
        reply->abort();
    };
    QObject::connect(&idle, &QTimer::timeout, &loop, giveUp);
    QObject::connect(&total, &QTimer::timeout, &loop, giveUp);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (static_cast<std::size_t>(body.size()) > limits.maxBytes) {
            tooLarge = true;
            reply->abort();
            return;
        }
        idle.start(limits.idle);
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop,
                     [&] { idle.start(limits.idle); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start(limits.idle);
    if (limits.total.count() > 0) {
        total.start(limits.total);
    }
    if (!reply->isFinished()) {
        loop.exec();
    }
    idle.stop();
    total.stop();
    if (!tooLarge && !timedOut) {
        body += reply->readAll();
    }

    if (timedOut) {
        return failure(url, "il server non ha risposto in tempo");
    }
    if (tooLarge || static_cast<std::size_t>(body.size()) > limits.maxBytes) {
        return failure(url, "il file e' troppo grande");
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status > 299)) {
        return failure(url, "il server ha risposto " + std::to_string(status));
    }
    if (reply->error() != QNetworkReply::NoError) {
        return failure(url, reply->errorString().toStdString());
    }
    if (status == 0) {
        return failure(url, "nessuna risposta HTTP");
    }
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(body.constData()),
        static_cast<std::size_t>(body.size()));
    return writeFileAtomically(targetPath, bytes);
}

Download makeDownload(DownloadLimits limits) {
    return [limits](const std::string& url, const std::string& targetPath) {
        return downloadFile(url, targetPath, limits);
    };
}

} // namespace quintora
