#include "ui/ProgressDialog.h"

#include "core/Format.h"
#include "settings/Language.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintora {

namespace {

QLabel* addLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString langString(Language& language, TextId id) {
    return languageText(language, id);
}

QString count(double value) {
    return displayDevelopmentCount(value);
}

} // namespace

ProgressDialog::ProgressDialog(Language& language, QWidget* parent)
    : QDialog(parent)
    , language_(language)
    , bar_(new QProgressBar(this))
    , integralLabel_(addLabel(QStringLiteral("lblNumColIntegrali"), {}, this))
    , processedLabel_(addLabel(QStringLiteral("lblNumColElaborate"), {}, this))
    , acceptedLabel_(addLabel(QStringLiteral("lblNumColSistema"), {}, this))
    , alarmLabel_(addLabel(QStringLiteral("labAllarm"), {}, this))
    , cancelButton_(new QPushButton(QStringLiteral("&Annulla"), this)) {
    setObjectName(QStringLiteral("frmCalcolo"));
    setWindowTitle(QStringLiteral("Elaborazione in corso..."));
    // A title and nothing to minimise or maximise: the development is closed by its button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    bar_->setObjectName(QStringLiteral("prgElaborazione"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    cancelButton_->setObjectName(QStringLiteral("cmdSvilAnnulla"));
    cancelButton_->setAutoDefault(false);
    alarmLabel_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    alarmLabel_->setAlignment(Qt::AlignCenter);

    auto* scale = new QHBoxLayout;
    const QStringList marks{QStringLiteral("0%"), QStringLiteral("50%"), QStringLiteral("100%")};
    for (int i = 0; i < marks.size(); ++i) {
        auto* mark = addLabel(QStringLiteral("labScala(%1)").arg(i), marks.at(i), this);
        mark->setAlignment(i == 0 ? Qt::AlignLeft : i == 1 ? Qt::AlignHCenter : Qt::AlignRight);
        scale->addWidget(mark, 1);
    }

    const TextId captionIds[] = {text::IntegralColumns, text::ColumnsProcessed,
                                 text::SystemColumns};
    const QStringList captions{QStringLiteral("Colonne Integrali"),
                               QStringLiteral("Colonne Elaborate"),
                               QStringLiteral("Colonne Sistema")};
    QLabel* numbers[] = {integralLabel_, processedLabel_, acceptedLabel_};
    auto* counts = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* caption =
            addLabel(QStringLiteral("lblCaptionColonne(%1)").arg(i), captions.at(i), this);
        const auto replaced = langString(language_, captionIds[i]);
        if (!replaced.isEmpty()) {
            caption->setText(replaced);
        }
        numbers[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        numbers[i]->setMinimumWidth(fontMetrics().horizontalAdvance(count(2118760.0)) + 12);
        numbers[i]->setFrameShape(QFrame::StyledPanel);
        counts->addWidget(caption, i, 0);
        counts->addWidget(numbers[i], i, 1);
    }
    counts->setColumnStretch(0, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(scale);
    layout->addSpacing(8);
    layout->addLayout(counts);
    layout->addWidget(alarmLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(cancelButton_, &QPushButton::clicked, this, &ProgressDialog::cancelClicked);
    refreshNumbers();

    loadWindowTexts(this, language_);
}

void ProgressDialog::showProgress(const DevelopmentProgress& progress) {
    integral_ = progress.total;
    processed_ = progress.processed;
    accepted_ = progress.accepted;
    bar_->setValue(std::clamp(progress.percent, 0, 100));
    if (progress.limitReached) {
        alarmLabel_->setText(shownText(language_, Message{text::OverMemoryCapacity}));
    }
    refreshNumbers();
}

void ProgressDialog::refreshNumbers() {
    integralLabel_->setText(count(integral_));
    processedLabel_->setText(count(processed_));
    acceptedLabel_->setText(count(accepted_));
}

QString ProgressDialog::cancelQuestionText() {
    const QString lineBreak = QStringLiteral("\r\n");
    return langString(language_, text::IntegralColumns) + count(integral_) + lineBreak +
           langString(language_, text::ColumnsProcessed) + count(processed_) + lineBreak +
           langString(language_, text::SystemColumns) + count(accepted_) + lineBreak +
           langString(language_, text::StopDevelopmentQuestion);
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    // The window's close box is a cancel request; the dialog goes when the development ends.
    event->ignore();
    emit cancelClicked();
}

void ProgressDialog::reject() {
    emit cancelClicked();
}

} // namespace quintora
