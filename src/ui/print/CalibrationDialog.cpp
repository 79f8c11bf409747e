#include "ui/print/CalibrationDialog.h"

#include "print/CalibrationFile.h"
#include "print/CalibrationTestPlan.h"
#include "print/PrintWords.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/print/OutputChoice.h"
#include "ui/print/PlanPrints.h"
#include "ui/print/PrintOutputs.h"
#include "ui/print/PrintRun.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <cmath>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

// The scroll bars hold tenths of a millimetre: 0.0 to 300.0 mm.
constexpr int MaxTenths = 3000;

int toTenths(float millimetres) {
    // Ties to even, the rounding of the default floating-point mode.
    return static_cast<int>(std::nearbyint(static_cast<double>(millimetres) * 10.0));
}

} // namespace

CalibrationDialog::CalibrationDialog(SlipType type, Paths paths, std::string header,
                                     QStringList printers, Language& language, Prompt& prompt,
                                     QWidget* parent)
    : QDialog(parent)
    , type_(type)
    , paths_(std::move(paths))
    , header_(std::move(header))
    , language_(language)
    , prompt_(prompt) {
    const bool one = type == SlipType::OneColumn;
    setObjectName(one ? QStringLiteral("frmTaratura1") : QStringLiteral("frmTaratura5"));
    setWindowTitle(one ? QStringLiteral("Taratura Scheda 1 Colonna")
                       : QStringLiteral("Taratura Scheda 5 Colonne"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* printerGroup = new QGroupBox(QStringLiteral("&Stampante"), this);
    printerGroup->setObjectName(QStringLiteral("frameStampante"));
    printers_ = new QComboBox(printerGroup);
    printers_->setObjectName(QStringLiteral("cmbStampante"));
    printers_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    (new QHBoxLayout(printerGroup))->addWidget(printers_);

    quality_ =
        new OnOffSwitch(QStringLiteral("optColor"), this, QStringLiteral("Qualita' di stampa"));
    quality_->onButton()->setText(QStringLiteral("&Normale"));
    quality_->offButton()->setText(QStringLiteral("&Bassa"));
    connect(quality_, &OnOffSwitch::toggled, this, &CalibrationDialog::chooseQuality);

    auto* name =
        measureGroup("frameNomeSistema", "Nome Sistema", {"lblNomeX", "labNomeX", "vsNomeX"},
                     {"lblNomeY", "labNomeY", "vsNomeY"}, &SlipLayout::nameX, &SlipLayout::nameY);
    auto* header_group =
        measureGroup("frameIntestazione", "Posiz. Intestazione", {"lblWebX", "labWebX", "vsWebX"},
                     {"lblWebY", "labWebY", "vsWebY"}, &SlipLayout::headerX, &SlipLayout::headerY);
    auto* grid = measureGroup("frameNumero", one ? "Numero 10" : "Numero 1",
                              {"lblLeft", "labLeft", "vsLeft"}, {"lblTop", "labTop", "VsTop"},
                              &SlipLayout::gridLeft, &SlipLayout::gridTop);
    spacing_ = measureGroup("frameDistanza", "Distanza tra Numeri", {"lblX", "labX", "VsX"},
                            {"lblY", "labY", "VsY"}, &SlipLayout::spacingX, &SlipLayout::spacingY);
    // The spacings are those of the printed slip: shown, not changed.
    spacing_->setEnabled(false);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("imgScheda"));
    picture_->setFrameShape(QFrame::Box);
    picture_->setAlignment(Qt::AlignCenter);

    output_ = new OutputChoice(this);
    auto* test = namedButton("cmdTest", "Test Taratura", this, 30);
    connect(test, &QPushButton::clicked, this, &CalibrationDialog::printTest);
    auto* saveButton = namedButton("cmdSalva", "Salva Taratura", this, 30);
    connect(saveButton, &QPushButton::clicked, this, &CalibrationDialog::save);

    auto* controls = new QGridLayout;
    controls->addWidget(printerGroup, 0, 0, 1, 2);
    controls->addWidget(name, 1, 0);
    controls->addWidget(quality_, 1, 1);
    controls->addWidget(header_group, 2, 0);
    controls->addWidget(grid, 2, 1);
    controls->addWidget(spacing_, 3, 0);
    controls->addWidget(output_, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(test);
    buttons->addWidget(saveButton);
    controls->addLayout(buttons, 4, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture_);
    layout->addLayout(controls, 1);

    const auto loaded = loadStoredCalibration(paths_.calibrationFile.toStdString(), type_,
                                              /*applyDefaults=*/true);
    const QString loadProblem = loaded ? QString() : shownText(language_, loaded.error().what);
    layout_ = loaded ? loaded.value().layout : withDefaults(SlipLayout{}, type_);
    if (loaded) {
        kept_ = loaded.value().kept;
    }
    const QString printerProblem = fillPrinters(printers);
    showLayout();
    loadWindowTexts(this, language_);
    // Said once the dialog is centred, so the boxes stand over it.
    if (!loadProblem.isEmpty()) {
        prompt_.message(this, shownText(language_, loaded.error().heading), loadProblem,
                        Prompt::Icon::Exclamation);
    }
    if (!printerProblem.isEmpty()) {
        prompt_.message(this, languageText(language_, text::ImportantTitle), printerProblem,
                        Prompt::Icon::Critical);
    }
}

CalibrationDialog::~CalibrationDialog() = default;

QGroupBox* CalibrationDialog::measureGroup(const char* name, const char* title,
                                           std::array<const char*, 3> xNames,
                                           std::array<const char*, 3> yNames,
                                           float SlipLayout::*xField, float SlipLayout::*yField) {
    auto* group = new QGroupBox(QString::fromUtf8(title), this);
    group->setObjectName(QString::fromUtf8(name));
    auto* grid = new QGridLayout(group);
    addMeasure(group, grid, 0, xNames, xField);
    addMeasure(group, grid, 1, yNames, yField);
    grid->setColumnStretch(2, 1);
    return group;
}

void CalibrationDialog::addMeasure(QWidget* group, QGridLayout* grid, int row,
                                   std::array<const char*, 3> names, float SlipLayout::*field) {
    Measure m{field};
    grid->addWidget(namedLabel(names[0], row == 0 ? "X :" : "Y :", group), row, 0);
    m.value = new QLineEdit(group);
    m.value->setObjectName(QString::fromUtf8(names[1]));
    // Shows the value only; nothing reads it back.
    m.value->setReadOnly(true);
    m.value->setFocusPolicy(Qt::NoFocus);
    m.value->setAlignment(Qt::AlignRight);
    m.value->setMaximumWidth(m.value->fontMetrics().horizontalAdvance(QStringLiteral("000,0")) +
                             16);
    grid->addWidget(m.value, row, 1);
    m.bar = new QScrollBar(Qt::Horizontal, group);
    m.bar->setObjectName(QString::fromUtf8(names[2]));
    m.bar->setRange(0, MaxTenths);
    m.bar->setSingleStep(1);
    m.bar->setPageStep(10);
    m.bar->setMinimumWidth(160);
    grid->addWidget(m.bar, row, 2);
    const std::size_t index = measures_.size();
    connect(m.bar, &QScrollBar::valueChanged, this, [this, index](int tenths) {
        const Measure& measure = measures_[index];
        layout_.*measure.field = static_cast<float>(tenths) / 10.0F;
        measure.value->setText(displayTenths(tenths));
        refreshPicture();
    });
    measures_.push_back(m);
}

QString CalibrationDialog::fillPrinters(const QStringList& printers) {
    printers_->addItems(printers);
    if (printers.isEmpty()) {
        return languageText(language_, text::NoPrinterInstalled);
    }
    const int match = printers_->findText(QString::fromStdString(layout_.printerName));
    printers_->setCurrentIndex(std::max(0, match));
    return match < 0 ? languageText(language_, text::SelectAPrinter) : QString();
}

void CalibrationDialog::showLayout() {
    for (const Measure& m : measures_) {
        // A measure beyond what the bar can show is held at the bar's end, as shown.
        const int tenths = std::clamp(toTenths(layout_.*m.field), 0, MaxTenths);
        m.bar->blockSignals(true);
        m.bar->setValue(tenths);
        m.bar->blockSignals(false);
        layout_.*m.field = static_cast<float>(tenths) / 10.0F;
        m.value->setText(displayTenths(tenths));
    }
    quality_->setOn(layout_.normalQuality());
    layout_.printQuality = layout_.normalQuality() ? QualityNormal : QualityLow;
    refreshPicture();
}

void CalibrationDialog::chooseQuality(bool normal) {
    layout_.printQuality = normal ? QualityNormal : QualityLow;
}

SlipLayout CalibrationDialog::layout() const {
    SlipLayout shown = layout_;
    if (printers_->count() > 0) {
        shown.printerName = printers_->currentText().toStdString();
    }
    return shown;
}

void CalibrationDialog::setRules(GameRules rules) {
    rules_ = rules;
    refreshPicture();
}

void CalibrationDialog::refreshPicture() {
    // The test page in small, so a change of a measure is seen before paper is spent.
    picture_->setPixmap(QPixmap::fromImage(
        pagePicture(calibrationTestPlan(type_, layout_, header_, printWordsFor(language_),
                                        localeNumberStyle(), rules_)
                        .pages.front(),
                    2.0)));
}

void CalibrationDialog::printTest() {
    if (run_) {
        return; // the page in hand is still going out
    }
    const SlipLayout shown = layout();
    PrintOrder order;
    order.target = output_->target();
    order.printerName = QString::fromStdString(shown.printerName);
    order.pdfFolder = paths_.pdfFolder;
    order.pdfName =
        languageText(language_, type_ == SlipType::OneColumn ? text::CalibrationOneColumnPdfName
                                                             : text::CalibrationFiveColumnsPdfName);
    const auto failed = [this](const QString& error) {
        prompt_.message(this, languageText(language_, text::ErrorBanner),
                        printFailureText(language_, error), Prompt::Icon::Critical);
    };
    const PrintStart start =
        startPrint(calibrationTestPrint(type_, shown, header_, printWordsFor(language_), rules_),
                   order, prompt_, language_, this);
    if (start.kind == PrintStart::Kind::Refused) {
        failed(start.error);
        return;
    }
    if (start.kind != PrintStart::Kind::Running) {
        return;
    }
    run_ = start.run;
    connect(run_, &PrintRun::finished, this,
            [this, failed](PrintRun::Outcome outcome, const QString& error) {
                run_ = nullptr; // it deletes itself; the next test page may start now
                if (outcome == PrintRun::Outcome::Failed) {
                    failed(error);
                }
            });
}

void CalibrationDialog::save() {
    const Status saved = saveSlipLayout(paths_.calibrationFile.toStdString(), layout(), kept_);
    if (!saved) {
        prompt_.message(this, shownText(language_, saved.error().heading),
                        shownText(language_, saved.error().what), Prompt::Icon::Critical);
    }
}

} // namespace quintora
