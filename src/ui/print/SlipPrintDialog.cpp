#include "ui/print/SlipPrintDialog.h"

#include "core/SystemState.h"
#include "document/SettingsDocument.h"
#include "document/SystemDocument.h"
#include "print/CalibrationFile.h"
#include "print/PrintWords.h"
#include "settings/Settings.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/print/CalibrationDialog.h"
#include "ui/print/OutputChoice.h"
#include "ui/print/PdfNotice.h"
#include "ui/print/PlanPrints.h"
#include "ui/print/PrintFooter.h"
#include "ui/print/PrintOutputs.h"
#include "ui/print/PrintProgressDialog.h"
#include "ui/print/PrintRun.h"
#include "ui/Prompt.h"
#include "ui/widgets/MoveOnWhenFull.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

SlipPrintDialog::SlipPrintDialog(const SystemDocument& document, SettingsDocument& settings,
                                 Setup setup, Language& language, Prompt& prompt, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , settings_(settings)
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

    // Further systems whose slips follow the current system's in the same run.
    auto* systemsFrame = new QGroupBox(QStringLiteral("Sistemi"), body_);
    systemsFrame->setObjectName(QStringLiteral("frameSistemi"));
    systems_ = new QListWidget(systemsFrame);
    systems_->setObjectName(QStringLiteral("lstSistemi"));
    systems_->setMaximumHeight(systems_->fontMetrics().height() * 5 + 8);
    // Room for a name and its slips and amount.
    systems_->setMinimumWidth(systems_->fontMetrics().horizontalAdvance(QString(44, u'x')));
    auto* add = namedButton("cmdAggiungiSistemi", "&Aggiungi...", systemsFrame, 26);
    connect(add, &QPushButton::clicked, this, &SlipPrintDialog::addSystem);
    remove_ = namedButton("cmdTogliSistema", "T&ogli", systemsFrame, 26);
    connect(remove_, &QPushButton::clicked, this, &SlipPrintDialog::removeChosenSystem);
    connect(systems_, &QListWidget::currentRowChanged, this,
            [this](int row) { remove_->setEnabled(row > 0); });
    summary_ = namedLabel("labImporto", "", systemsFrame);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    auto* systemButtons = new QHBoxLayout;
    systemButtons->addWidget(add);
    systemButtons->addWidget(remove_);
    systemButtons->addStretch();
    auto* systemsLayout = new QVBoxLayout(systemsFrame);
    systemsLayout->addWidget(systems_);
    systemsLayout->addLayout(systemButtons);
    systemsLayout->addWidget(summary_);

    auto* controls = new QVBoxLayout;
    controls->addWidget(typeOption_);
    controls->addLayout(range);
    controls->addWidget(systemsFrame);
    controls->addWidget(output_);
    controls->addStretch();
    controls->addLayout(buttons);
    auto* bodyLayout = new QHBoxLayout(body_);
    bodyLayout->addWidget(picture_);
    bodyLayout->addLayout(controls, 1);
    footer_ = new PrintFooter(language_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 9);
    layout->addWidget(body_);
    layout->addWidget(footer_);

    loadWindowTexts(this, language_);
    chooseType(SlipType::OneColumn);
    offerLastOutput();
}

void SlipPrintDialog::offerLastOutput() {
    const Settings& saved = settings_.settings();
    output_->setSavedTarget(saved.slipOutput);
    pdfFolder_ = offeredPdfFolder(saved.slipPdfFolder, setup_.pdfFolder);
}

void SlipPrintDialog::rememberOutput(OutputKind output, const QString& pdfPath) {
    if (!pdfPath.isEmpty()) {
        pdfFolder_ = QFileInfo(pdfPath).absolutePath();
    }
    footer_->showOutputKept(settings_.setSlipOutput(SlipOutputs[static_cast<std::size_t>(output)],
                                                    pdfFolderToSave(pdfFolder_, setup_.pdfFolder)));
}

SlipPrintDialog::~SlipPrintDialog() = default;

PdfNotice* SlipPrintDialog::pdfNotice() const {
    return footer_->notice();
}

MessageLine* SlipPrintDialog::outputProblem() const {
    return footer_->outputProblem();
}

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
    moveOnWhenFull(field);
    return field;
}

int SlipPrintDialog::totalSlips() const {
    int total = slipCount(type_, static_cast<int>(document_.state().columns.size()));
    for (const auto& system : added_) {
        total += slipCount(type_, static_cast<int>(system.state->columns.size()));
    }
    return total;
}

SlipBatch SlipPrintDialog::batch() const {
    SlipBatch run(type_);
    const auto words = printWordsFor(language_);
    const auto style = localeNumberStyle();
    run.add(std::make_shared<const SystemState>(document_.state()), document_.shownFileName(),
            setup_.header, style, words);
    for (const auto& system : added_) {
        run.add(system.state, system.name, setup_.header, style, words);
    }
    return run;
}

bool SlipPrintDialog::addSystem() {
    const QString path = prompt_.openFileName(this, setup_.dataFolder + QStringLiteral("/sistemi"),
                                              QStringLiteral("File Quintora (*.qsy)|*.qsy"));
    return !path.isEmpty() && addSystemFile(path);
}

bool SlipPrintDialog::addSystemFile(const QString& path) {
    // A system of its own: the one of the window stays as it is. Its slips cost what the
    // window's columns cost.
    SystemDocument added;
    added.setPricePerColumn(document_.state().pricePerColumn);
    const auto opened = added.open(path.toStdString());
    if (!opened) {
        prompt_.message(this, shownText(language_, opened.error().heading),
                        shownText(language_, opened.error().what), Prompt::Icon::Critical);
        return false;
    }
    if (added.state().columns.empty()) {
        prompt_.message(this, {},
                        languageText(language_, text::SystemHasNoColumnsToPrint)
                            .arg(QFileInfo(path).fileName()),
                        Prompt::Icon::Exclamation);
        return false;
    }
    added_.push_back({std::make_shared<const SystemState>(added.state()), added.shownFileName()});
    showRun();
    systems_->setCurrentRow(systems_->count() - 1);
    return true;
}

void SlipPrintDialog::removeChosenSystem() {
    const int row = systems_->currentRow();
    if (row < 1 || row > static_cast<int>(added_.size())) {
        return; // the window's own system is always printed
    }
    added_.erase(added_.begin() + (row - 1));
    showRun();
    systems_->setCurrentRow(std::min(row, systems_->count() - 1));
}

void SlipPrintDialog::showRun() {
    const SlipBatch run = batch();
    systems_->clear();
    for (std::size_t i = 0; i < run.systemCount(); ++i) {
        systems_->addItem(
            QString::fromStdString(run.content(i).systemName) + QStringLiteral("  \u2014  ") +
            shownText(language_, slipSystemSummary(run.slipsOf(i),
                                                   displayEuro(run.amountOf(i)).toStdString())));
    }
    remove_->setEnabled(systems_->currentRow() > 0);
    const int total = run.totalSlips();
    total_->setText(displayCount(total));
    summary_->setText(
        shownText(language_, slipRunSummary(total, displayEuro(run.totalAmount()).toStdString())));
    from_->setText(QStringLiteral("1"));
    to_->setText(QString::number(total));
}

void SlipPrintDialog::chooseType(SlipType type) {
    type_ = type;
    typeOption_->setOn(type == SlipType::OneColumn);
    SlipContent first = slipContentOf(document_.state(), document_.shownFileName(), setup_.header,
                                      localeNumberStyle());
    first.words = printWordsFor(language_);
    picture_->setPixmap(QPixmap::fromImage(slipPicture(type, first, document_.rules())));
    showRun();
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
    const auto pages = slipBatchPrint(batch(), range.value(), layout.value());
    PrintOrder order;
    order.target = output_->target();
    order.printerName = QString::fromStdString(layout.value().printerName);
    order.pdfFolder = pdfFolder_;
    order.pdfName = languageText(language_, text::SlipsPdfName);
    const PrintStart start = startPrint(pages, order, prompt_, language_, this);
    if (start.kind != PrintStart::Kind::Cancelled) {
        rememberOutput(order.target, start.pdfPath);
        footer_->notice()->clear();
    }
    pdfPath_ = start.pdfPath;
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
    // A stopped run keeps the slips it wrote: the file is there all the same.
    if (static_cast<PrintRun::Outcome>(outcome) != PrintRun::Outcome::Failed &&
        !pdfPath_.isEmpty() && QFileInfo::exists(pdfPath_)) {
        footer_->notice()->showWritten(pdfPath_);
    }
    pdfPath_.clear();
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
