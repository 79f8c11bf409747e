#include "net/DownloadFile.h"

#include "files/FileIo.h"

#include <optional>
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

// What Qt keeps of a response before it is read: small, so that a body over the cap is never
// pulled in beyond this much past it.
constexpr qint64 ReadBufferBytes = 256 * 1024;

Error failure(const std::string& url, Message reason) {
    return Error{"", Message{text::DownloadFailed, {url, std::move(reason)}}};
}

// One plain decimal number: no sign, no blank inside, no list. Anything else (a word, "-1",
// "99999 9", two headers Qt joins with a comma) leaves the body's length unknown.
std::optional<qint64> plainLength(const QByteArray& header) {
    const QByteArray digits = header.trimmed();
    if (digits.isEmpty() || digits.size() > 18) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Qt ends a body without a length at the first end of the connection, a reset as much as a
// clean close, so such a body is never known to be whole. One true length, matched by the
// bytes received, or chunks tell; a length that lies leaves Qt stopping where it pleases.
bool endIsKnown(const QNetworkReply& reply, qint64 received) {
    if (reply.hasRawHeader(QByteArrayLiteral("Content-Length"))) {
        const auto length = plainLength(reply.rawHeader(QByteArrayLiteral("Content-Length")));
        return length && *length == received;
    }
    return reply.rawHeader(QByteArrayLiteral("Transfer-Encoding")).toLower().contains("chunked");
}

} // namespace

Status downloadFile(const std::string& url, const std::string& targetPath,
                    const DownloadLimits& limits) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))) {
        return failure(url, Message{text::InvalidAddress});
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
    // The bytes as stored, with their length: Qt drops the length of a body it unpacks.
    request.setRawHeader(QByteArrayLiteral("Accept-Encoding"), QByteArrayLiteral("identity"));
    // Redirects are followed on the same host only; any other ends as a failure below.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    QNetworkReply* reply = manager.get(request);
    reply->setReadBufferSize(ReadBufferBytes);
    const qint64 cap = static_cast<qint64>(std::min<std::size_t>(limits.maxBytes, INT32_MAX - 1));
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
    const auto refuseTooLarge = [&] {
        tooLarge = true;
        reply->abort();
    };
    // Reads what arrived, one byte past the cap at most.
    const auto take = [&] {
        const qint64 room = cap + 1 - body.size();
        body += reply->read(std::max<qint64>(room, 0));
        if (body.size() > cap) {
            refuseTooLarge();
        }
    };
    QObject::connect(&idle, &QTimer::timeout, &loop, giveUp);
    QObject::connect(&total, &QTimer::timeout, &loop, giveUp);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (!tooLarge && !timedOut) {
            take();
            idle.start(limits.idle);
        }
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > cap) {
            refuseTooLarge();
            return;
        }
        idle.start(limits.idle);
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start(limits.idle);
    total.start(limits.total);
    if (!reply->isFinished()) {
        loop.exec();
    }
    idle.stop();
    total.stop();
    if (!tooLarge && !timedOut) {
        take();
    }

    if (timedOut) {
        return failure(url, Message{text::ServerTimedOut});
    }
    if (tooLarge) {
        return failure(url, Message{text::DownloadTooLarge});
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status > 299)) {
        return failure(url, Message{text::ServerAnswered, {std::to_string(status)}});
    }
    if (reply->error() != QNetworkReply::NoError) {
        return failure(url, reply->errorString().toStdString());
    }
    if (status == 0) {
        return failure(url, Message{text::NoHttpAnswer});
    }
    if (!endIsKnown(*reply, body.size())) {
        return failure(url, Message{text::ServerGaveNoLength});
    }
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(body.constData()),
        static_cast<std::size_t>(body.size()));
    return writeFileAtomically(targetPath, bytes);
}

Download makeDownload(DownloadLimits ceiling) {
    return Download([ceiling](const std::string& url, const std::string& targetPath,
                              const DownloadLimits& limits) {
        return downloadFile(url, targetPath, limits.within(ceiling));
    });
}

} // namespace quintora
