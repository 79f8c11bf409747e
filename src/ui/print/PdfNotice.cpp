#include "ui/print/PdfNotice.h"

#include "ui/LanguageText.h"
#include "ui/widgets/NamedWidgets.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quintora {

PdfNotice::PdfNotice(Language& language, QWidget* parent)
    : QWidget(parent)
    , language_(language)
    , opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("framePdf"));
    label_ = namedLabel("lblPdfScritto", "", this);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    button_ = namedButton("cmdApriCartella", "Apri &cartella", this, 26);
    connect(button_, &QPushButton::clicked, this, &PdfNotice::openFolder);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 1);
    layout->addWidget(button_);
    if (parent != nullptr) {
        parent->window()->installEventFilter(this);
    }
    hide();
}

void PdfNotice::showWritten(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    writeText();
    show();
}

void PdfNotice::clear() {
    path_.clear();
    hide();
}

void PdfNotice::openFolder() {
    if (!path_.isEmpty() && opener_) {
        opener_(QUrl::fromLocalFile(QFileInfo(path_).absolutePath()));
    }
}

void PdfNotice::writeText() {
    label_->setText(
        languageText(language_, text::PdfWrittenTo).arg(QDir::toNativeSeparators(path_)));
    label_->setToolTip(path_);
}

bool PdfNotice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange && !path_.isEmpty()) {
        writeText();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quintora
