#include "ui/print/ListingDialog.h"

#include "document/SettingsDocument.h"
#include "document/SystemDocument.h"
#include "print/PrintWords.h"
#include "settings/Settings.h"
#include "ui/LanguageText.h"
#include "ui/print/OutputChoice.h"
#include "ui/print/PdfNotice.h"
#include "ui/print/PlanPrints.h"
#include "ui/print/PrintFooter.h"
#include "ui/print/PrintOutputs.h"
#include "ui/print/PrintRun.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

constexpr int MaxCopies = 20;

// The parts of the listing start ticked.
QCheckBox* checkBox(const char* name, const char* text, QWidget* parent) {
    auto* box = namedCheckBox(name, text, parent);
    box->setChecked(true);
    return box;
}

} // namespace

ListingDialog::ListingDialog(const SystemDocument& document, SettingsDocument& settings,
                             Setup setup, Language& language, Prompt& prompt, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , settings_(settings)
    , setup_(std::move(setup))
    , language_(language)
    , prompt_(prompt) {
    setObjectName(QStringLiteral("frmTabulato"));
    setWindowTitle(QStringLiteral("Stampa Tabulato"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    body_ = new QWidget(this);
    colour_ = checkBox("chkColor", "A colori", body_);
    forecast_ = checkBox("chkProno", "&Pronostico", body_);
    columns_ = checkBox("chkCol", "C&olonne", body_);

    auto* copiesCaption = new QLabel(QStringLiteral("Copie"), body_);
    copiesCaption->setObjectName(QStringLiteral("lblCopie"));
    copiesLabel_ = new QLabel(QStringLiteral("1"), body_);
    copiesLabel_->setObjectName(QStringLiteral("labCopie"));
    copiesLabel_->setFrameShape(QFrame::Panel);
    copiesLabel_->setFrameShadow(QFrame::Sunken);
    copiesLabel_->setAlignment(Qt::AlignCenter);
    copiesLabel_->setMinimumWidth(40);
    copies_ = new QScrollBar(Qt::Vertical, body_);
    copies_->setObjectName(QStringLiteral("VsCopie"));
    copies_->setRange(1, MaxCopies);
    // The upper arrow adds a copy.
    copies_->setInvertedAppearance(true);
    copies_->setInvertedControls(true);
    copies_->setFixedHeight(40);
    connect(copies_, &QScrollBar::valueChanged, copiesLabel_,
            [this](int value) { copiesLabel_->setText(QString::number(value)); });

    auto* options = new QVBoxLayout;
    options->addWidget(colour_);
    options->addWidget(forecast_);
    options->addWidget(columns_);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(copiesCaption);
    copiesRow->addWidget(copiesLabel_);
    copiesRow->addWidget(copies_);
    copiesRow->addStretch();
    options->addLayout(copiesRow);

    output_ = new OutputChoice(body_);
    auto* settingsButton = namedButton("cmdImpostazioni", "&Impostazioni", body_, 30);
    connect(settingsButton, &QPushButton::clicked, this, [this] {
        if (setup_.editSettings) {
            setup_.editSettings();
        }
    });
    auto* printButton = namedButton("cmdStampa", "&Stampa", body_, 30);
    connect(printButton, &QPushButton::clicked, this, &ListingDialog::print);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(settingsButton);
    buttons->addStretch();
    buttons->addWidget(printButton);

    auto* bodyLayout = new QVBoxLayout(body_);
    bodyLayout->addLayout(options);
    bodyLayout->addWidget(output_);
    bodyLayout->addLayout(buttons);
    footer_ = new PrintFooter(language_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 9);
    layout->addWidget(body_);
    layout->addWidget(footer_);
    loadWindowTexts(this, language_, QSize(320, 0));
    pdfFolder_ = setup_.pdfFolder;
    offerLastOutput();
}

void ListingDialog::offerLastOutput() {
    const Settings& saved = settings_.settings();
    output_->setSavedTarget(saved.listingOutput);
    pdfFolder_ = offeredPdfFolder(saved.listingPdfFolder, setup_.pdfFolder);
}

void ListingDialog::rememberOutput(const QString& pdfPath) {
    if (!pdfPath.isEmpty()) {
        pdfFolder_ = QFileInfo(pdfPath).absolutePath();
    }
    footer_->showOutputKept(settings_.setListingOutput(
        output_->savedTarget(), pdfFolderToSave(pdfFolder_, setup_.pdfFolder)));
}

ListingDialog::~ListingDialog() = default;

PdfNotice* ListingDialog::pdfNotice() const {
    return footer_->notice();
}

MessageLine* ListingDialog::outputProblem() const {
    return footer_->outputProblem();
}

void ListingDialog::reject() {
    if (!run_) {
        QDialog::reject();
    }
}

PrintRun* ListingDialog::run() const {
    return run_;
}

int ListingDialog::copies() const {
    return copies_->value();
}

void ListingDialog::print() {
    if (run_) {
        return;
    }
    if (!forecast_->isChecked() && !columns_->isChecked()) {
        prompt_.message(this, languageText(language_, text::ErrorSpaced),
                        languageText(language_, text::NothingSelectedForSlips),
                        Prompt::Icon::Exclamation);
        return;
    }
    ListingOptions options;
    options.forecast = forecast_->isChecked();
    options.columns = columns_->isChecked();
    options.colourLogo = colour_->isChecked();
    auto pages = listingPrint(document_.state(), document_.shownFileName(), options,
                              settings_.settings().header, printWordsFor(language_));
    if (!pages) {
        prompt_.message(this, shownText(language_, pages.error().heading),
                        shownText(language_, pages.error().what), Prompt::Icon::Exclamation);
        return;
    }
    PrintOrder order;
    order.target = output_->target();
    order.printerName = QString::fromStdString(settings_.settings().listingPrinter);
    order.copies = copies();
    order.pdfFolder = pdfFolder_;
    order.pdfName = languageText(language_, text::ListingPdfName);
    const PrintStart start = startPrint(pages.value(), order, prompt_, language_, this);
    if (start.kind != PrintStart::Kind::Cancelled) {
        rememberOutput(start.pdfPath);
        footer_->notice()->clear();
    }
    const auto failed = [this](const QString& error) {
        prompt_.message(this, languageText(language_, text::ErrorBanner),
                        printFailureText(language_, error), Prompt::Icon::Critical);
    };
    if (start.kind == PrintStart::Kind::Refused) {
        failed(start.error);
        return;
    }
    if (start.kind != PrintStart::Kind::Running) {
        return;
    }
    run_ = start.run;
    body_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    connect(run_, &PrintRun::finished, this,
            [this, failed, pdf = start.pdfPath](PrintRun::Outcome outcome, const QString& error) {
                run_ = nullptr; // it deletes itself; the next print may start now
                QApplication::restoreOverrideCursor();
                body_->setEnabled(true);
                if (outcome != PrintRun::Outcome::Failed && !pdf.isEmpty() &&
                    QFileInfo::exists(pdf)) {
                    footer_->notice()->showWritten(pdf);
                }
                if (outcome == PrintRun::Outcome::Failed) {
                    failed(error);
                }
                emit runEnded();
            });
}

} // namespace quintora
