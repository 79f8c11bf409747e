#pragma once

#include <QDesktopServices>
#include <QLabel>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace quintora {

// A label showing a web page's address as a link; a click opens the page in the browser.
inline QLabel* pageLink(const char* name, const QUrl& page, QWidget* parent) {
    auto* link = new QLabel(parent);
    link->setObjectName(QString::fromUtf8(name));
    link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toString().toHtmlEscaped()));
    link->setToolTip(QStringLiteral("Click per aprire la pagina"));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(false);
    QObject::connect(link, &QLabel::linkActivated, link,
                     [page](const QString&) { QDesktopServices::openUrl(page); });
    return link;
}

} // namespace quintora
