#include "ui/print/PrintProgressDialog.h"

#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/WindowLoad.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

PrintProgressDialog::PrintProgressDialog(Language& language, Prompt& prompt, QWidget* parent)
    : QDialog(parent)
    , language_(language)
    , prompt_(prompt)
    , slip_(new QLabel(QStringLiteral("Scheda n. 000000"), this)) {
    setObjectName(QStringLiteral("frmPrnInCorso"));
    setWindowTitle(QStringLiteral("Stampa in corso..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    slip_->setObjectName(QStringLiteral("lblScheda"));
    slip_->setAlignment(Qt::AlignCenter);
    QFont big = slip_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    slip_->setFont(big);
    auto* stop = new QPushButton(QStringLiteral("&Interrompi"), this);
    stop->setObjectName(QStringLiteral("cmdInterrompi"));
    stop->setMinimumHeight(30);
    connect(stop, &QPushButton::clicked, this, &PrintProgressDialog::askStop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(slip_);
    layout->addWidget(stop);
    loadWindowTexts(this, language_, QSize(300, 0));
    slipCaption_ = languageText(language_, text::SlipNumberPrefix);
}

void PrintProgressDialog::showSlip(int slipNumber) {
    slip_->setText(slipCaption_ + QStringLiteral("%1").arg(slipNumber, 5, 10, QLatin1Char('0')));
}

void PrintProgressDialog::finish() {
    finished_ = true;
    close();
}

void PrintProgressDialog::askStop() {
    if (asking_ || finished_) {
        return;
    }
    asking_ = true;
    emit questionOpened();
    prompt_.beep();
    const bool yes =
        prompt_.question(this, windowTitle(), languageText(language_, text::StopPrintingQuestion),
                         Prompt::Icon::Question);
    asking_ = false;
    if (yes) {
        emit stopRequested();
    }
    emit questionClosed();
}

void PrintProgressDialog::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
        return;
    }
    event->ignore();
    askStop();
}

void PrintProgressDialog::reject() {
    // Escape asks as the button does.
    if (finished_) {
        QDialog::reject();
        return;
    }
    askStop();
}

} // namespace quintora
