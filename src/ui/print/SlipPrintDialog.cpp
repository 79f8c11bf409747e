#include "ui/print/SlipPrintDialog.h"

#include "document/SystemDocument.h"
#include "print/CalibrationFile.h"
#include "print/PrintWords.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/print/CalibrationDialog.h"
#include "ui/print/OutputChoice.h"
#include "ui/print/PlanPrints.h"
#include "ui/print/PrintOutputs.h"
#include "ui/print/PrintProgressDialog.h"
#include "ui/print/PrintRun.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

SlipPrintDialog::SlipPrintDialog(const SystemDocument& document, Setup setup, Language& language,
                                 Prompt& prompt, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , setup_(std::move(setup))
    , language_(language)
    , prompt_(prompt) {
    setObjectName(QStringLiteral("frmStampa"));
    pdfFolder_ = setup_.pdfFolder;
    setWindowTitle(QStringLiteral("Stampa Schedine"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    body_ = new QWidget(this);
    typeOption_ =
        new OnOffSwitch(QStringLiteral("optTipoScheda"), body_, QStringLiteral("Tipo schedina"));
    typeOption_->onButton()->setText(QStringLiteral("&1 Colonna"));
    typeOption_->offButton()->setText(QStringLiteral("&5 Colonne"));
    connect(typeOption_, &OnOffSwitch::toggled, this,
            [this](bool one) { chooseType(one ? SlipType::OneColumn : SlipType::FiveColumns); });

    picture_ = new QLabel(body_);
    picture_->setObjectName(QStringLiteral("imgScheda"));
    picture_->setFrameShape(QFrame::Box);
    picture_->setAlignment(Qt::AlignCenter);

    total_ = namedLabel("labSchede", "0", body_);
    total_->setFrameShape(QFrame::Panel);
    total_->setFrameShadow(QFrame::Sunken);
    total_->setAlignment(Qt::AlignCenter);
    total_->setMinimumWidth(64);
    from_ = makeField("meDa");
    to_ = makeField("meA");

    auto* range = new QGridLayout;
    range->addWidget(namedLabel("lblTotale", " Totale schedine", body_), 0, 0);
    range->addWidget(total_, 0, 1);
    range->addWidget(namedLabel("lblDa", "Da", body_), 1, 0);
    range->addWidget(from_, 1, 1);
    range->addWidget(namedLabel("lblA", "a", body_), 2, 0);
    range->addWidget(to_, 2, 1);
    range->setColumnStretch(2, 1);

    output_ = new OutputChoice(body_);
    auto* calibration = namedButton("cmdTaratura", "&Taratura", body_, 30);
    connect(calibration, &QPushButton::clicked, this, &SlipPrintDialog::openCalibration);
    print_ = namedButton("cmdStampa", "&Stampa", body_, 30);
    connect(print_, &QPushButton::clicked, this, &SlipPrintDialog::print);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calibration);
    buttons->addStretch();
    buttons->addWidget(print_);

    auto* controls = new QVBoxLayout;
    controls->addWidget(typeOption_);
    controls->addLayout(range);
    controls->addWidget(output_);
    controls->addStretch();
    controls->addLayout(buttons);
    auto* bodyLayout = new QHBoxLayout(body_);
    bodyLayout->addWidget(picture_);
    bodyLayout->addLayout(controls, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(body_);

    loadWindowTexts(this, language_);
    chooseType(SlipType::OneColumn);
    offerLastOutput();
}

QString SlipPrintDialog::settingsPath() const {
    return setup_.dataFolder + u'/' + QString::fromUtf8(SettingsFileName);
}

void SlipPrintDialog::offerLastOutput() {
    const Settings settings = readConfiguration(IniFile(settingsPath().toStdString()));
    for (std::size_t i = 0; i < std::size(SlipOutputs); ++i) {
        if (settings.slipOutput == SlipOutputs[i]) {
            output_->setTarget(static_cast<OutputKind>(i));
        }
    }
    const QString folder = QString::fromStdString(settings.slipPdfFolder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        pdfFolder_ = folder;
    }
}

void SlipPrintDialog::rememberOutput(OutputKind output, const QString& pdfPath) {
    if (!pdfPath.isEmpty()) {
        pdfFolder_ = QFileInfo(pdfPath).absolutePath();
    }
    IniFile ini(settingsPath().toStdString());
    // Not worth a message: the next print only offers the Documents folder again.
    (void)rememberSlipOutput(ini, SlipOutputs[static_cast<std::size_t>(output)],
                             pdfFolder_ == setup_.pdfFolder ? std::string()
                                                            : pdfFolder_.toStdString());
}

SlipPrintDialog::~SlipPrintDialog() = default;

void SlipPrintDialog::reject() {
    if (!run_) {
        QDialog::reject();
    }
}

PrintRun* SlipPrintDialog::run() const {
    return run_;
}

PrintProgressDialog* SlipPrintDialog::progressDialog() const {
    return progress_;
}

QLineEdit* SlipPrintDialog::makeField(const char* name) {
    auto* field = new QLineEdit(body_);
    field->setObjectName(QString::fromUtf8(name));
    field->setInputMask(QStringLiteral("000000;_")); // up to six digits
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    field->installEventFilter(this);
    return field;
}

int SlipPrintDialog::totalSlips() const {
    return slipCount(type_, static_cast<int>(document_.state().columns.size()));
}

void SlipPrintDialog::chooseType(SlipType type) {
    type_ = type;
    typeOption_->setOn(type == SlipType::OneColumn);
    picture_->setPixmap(QPixmap::fromImage(
        slipPicture(type, setup_.header, printWordsFor(language_), document_.rules())));
    const int total = totalSlips();
    total_->setText(displayCount(total));
    from_->setText(QStringLiteral("1"));
    to_->setText(QString::number(total));
}

bool SlipPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == from_ || watched == to_) {
        auto* field = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            // After the focus change (and a click's cursor placement) select the whole value.
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                (field == from_ ? static_cast<QWidget*>(to_) : print_)->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::pair<QString, QString> SlipPrintDialog::rangeMessage(const Error& error) const {
    return {shownText(language_, error.heading), shownText(language_, error.what)};
}

QString SlipPrintDialog::calibrationPath() const {
    return setup_.dataFolder + u'/' + QString::fromStdString(calibrationFileName(type_));
}

void SlipPrintDialog::print() {
    if (run_) {
        return;
    }
    auto range =
        checkSlipRange(from_->text().toStdString(), to_->text().toStdString(), totalSlips());
    // Two empty fields leave no slip: the same as "Da" above "a".
    if (range && range.value().count() == 0) {
        range = Error{Message{text::SlipErrorBanner}, Message{text::SlipFromAboveTo}};
    }
    if (!range) {
        const auto [title, text] = rangeMessage(range.error());
        prompt_.beep();
        prompt_.message(this, title, text, Prompt::Icon::Exclamation);
        return;
    }
    // Measures never calibrated (stored as 0, or no file at all) print where the calibration
    // dialog shows them, not in the page's corner.
    const auto layout =
        loadSlipLayout(calibrationPath().toStdString(), type_, /*applyDefaults=*/true);
    if (!layout) {
        prompt_.message(this, shownText(language_, layout.error().heading),
                        shownText(language_, layout.error().what), Prompt::Icon::Critical);
        return;
    }
    const int first = range.value().first;
    const auto pages = slipPrint(document_.state(), document_.shownFileName(), type_, range.value(),
                                 layout.value(), setup_.header, printWordsFor(language_));
    PrintOrder order;
    order.target = output_->target();
    order.printerName = QString::fromStdString(layout.value().printerName);
    order.pdfFolder = pdfFolder_;
    order.pdfName = QStringLiteral("schedine.pdf");
    const PrintStart start = startPrint(pages, order, prompt_, language_, this);
    if (start.kind != PrintStart::Kind::Cancelled) {
        rememberOutput(order.target, start.pdfPath);
    }
    if (start.kind == PrintStart::Kind::Refused) {
        runEnd(static_cast<int>(PrintRun::Outcome::Failed), start.error);
        return;
    }
    if (start.kind != PrintStart::Kind::Running) {
        return;
    }
    run_ = start.run;
    body_->setEnabled(false);
    progress_ = new PrintProgressDialog(language_, prompt_, this);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress_, &PrintProgressDialog::questionOpened, run_, &PrintRun::pause);
    connect(progress_, &PrintProgressDialog::questionClosed, run_, &PrintRun::resume);
    connect(progress_, &PrintProgressDialog::stopRequested, run_, &PrintRun::requestStop);
    connect(run_, &PrintRun::pagePrinted, progress_, [this, first](int, int index) {
        if (progress_) {
            progress_->showSlip(first + index);
        }
    });
    connect(run_, &PrintRun::finished, this,
            [this](PrintRun::Outcome outcome, const QString& error) {
                runEnd(static_cast<int>(outcome), error);
            });
    progress_->show();
}

void SlipPrintDialog::runEnd(int outcome, const QString& error) {
    run_ = nullptr; // it deletes itself; the next print may start now
    if (progress_) {
        progress_->finish();
    }
    body_->setEnabled(true);
    if (static_cast<PrintRun::Outcome>(outcome) == PrintRun::Outcome::Failed) {
        prompt_.message(this, languageText(language_, text::ErrorBanner),
                        printFailureText(language_, error), Prompt::Icon::Critical);
    }
    emit runEnded();
}

void SlipPrintDialog::openCalibration() {
    CalibrationDialog dialog(type_, {calibrationPath(), setup_.pdfFolder}, setup_.header,
                             setup_.printers, language_, prompt_, this);
    dialog.setRules(document_.rules());
    dialog.exec();
}

} // namespace quintora
