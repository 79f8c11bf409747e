#include "app/MainWindow.h"

#include "app/AppContext.h"
#include "app/ManualFiles.h"
#include "app/ManualKey.h"
#include "core/Format.h"
#include "document/SystemDocument.h"
#include "ui/DevelopmentSession.h"
#include "ui/DocumentSignals.h"
#include "ui/LanguageText.h"
#include "ui/ManualWindow.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/WindowLoad.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace quintora {

namespace {

void enlargeCells(CellGrid* grid, int width, int height, int pointSize) {
    for (int i = 0; i < grid->count(); ++i) {
        auto* cell = grid->cell(i);
        cell->setMinimumSize(width, height);
        cell->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        QFont f = cell->font();
        f.setPointSize(pointSize);
        cell->setFont(f);
    }
}

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context) {
    setObjectName(QStringLiteral("frmMAIN"));
    setWindowIcon(programIcon());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* left = new QVBoxLayout;
    buildGrids(central);
    left->addWidget(numbersFrame_, 1);

    auto* counts = new QHBoxLayout;
    numbersLabel_ = new QLabel(QStringLiteral("Numeri in gioco [00]"), central);
    numbersLabel_->setObjectName(QStringLiteral("labnumeri"));
    auto* integralCaption = new QLabel(QStringLiteral("Colonne Integrali"), central);
    integralCaption->setObjectName(QStringLiteral("lblCaptionColonneIntegrali"));
    integralLabel_ = new QLabel(QStringLiteral("0"), central);
    integralLabel_->setObjectName(QStringLiteral("lblIntegrale"));
    integralLabel_->setFrameShape(QFrame::StyledPanel);
    integralLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    integralLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("2.118.760")) +
                                    16);
    for (auto* label : {numbersLabel_, integralCaption, integralLabel_}) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    counts->addWidget(numbersLabel_);
    counts->addStretch();
    counts->addWidget(integralCaption);
    counts->addWidget(integralLabel_);
    left->addLayout(counts);

    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 1);
    layout->addWidget(buildOperations(central));
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();
    new ManualKey([this](const QString& section) { showManualSection(section); }, this);
    documentSignals_ = new DocumentSignals(context_.document, this);
    connect(documentSignals_, &DocumentSignals::changed, this, &MainWindow::refresh);

    // The window's load, in the program's order.
    settingsListener_ = context_.settingsDocument.addListener(
        [this](SettingChanges changes) { settingsChanged(changes); });
    settingsChanged(SettingChange::Language | SettingChange::Price | SettingChange::Rules |
                    SettingChange::RecentFiles);
    writeTitle();
    if (const auto& problem = context_.settingsDocument.readProblem()) {
        showError(*problem);
    }
    if (context_.askSettingsWithoutLanguage &&
        context_.settingsDocument.settings().language.empty()) {
        askSettings(); // a first start: let the user choose a language
    }
    loadWindowTexts(this, context_.language, QSize(760, 480));
    report(document().clear(false));
    writeGridCaptions();
    document().nameNewSystem(context_.dataFolder.newSystemPath().toStdString());
    refresh(Changes::all());
    loaded_ = true;
}

MainWindow::~MainWindow() {
    context_.settingsDocument.removeListener(settingsListener_);
}

void MainWindow::showManual() {
    showManualSection({});
}

void MainWindow::showManualSection(const QString& section) {
    const QString file = findManual(manualFolders(), context_.language.name());
    if (file.isEmpty()) {
        return; // an installation without its manual: the key does nothing
    }
    if (manualWindow_ == nullptr) {
        manualWindow_ = new ManualWindow(context_.language, this);
    } else if (section == manualWindow_->objectName()) {
        return; // F1 in the manual itself
    }
    // Asked for from a dialog that holds the program, the manual must take input above it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal != nullptr && modal != manualWindow_ ? Qt::ApplicationModal : Qt::NonModal;
    if (manualWindow_->windowModality() != modality) {
        manualWindow_->hide();
        manualWindow_->setWindowModality(modality);
    }
    manualWindow_->showSection(file, section);
    manualWindow_->show();
    manualWindow_->raise();
    manualWindow_->activateWindow();
    // A window shown for the first time is not on screen yet when asked to take the keys.
    QTimer::singleShot(0, manualWindow_, [manual = manualWindow_] {
        manual->activateWindow();
        manual->browser()->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void MainWindow::writeTitle() {
    setWindowTitle(programTitle() + QStringLiteral(" - ") +
                   languageText(context_.language, text::VersionShort) + u' ' + programVersion() +
                   QStringLiteral(" - ") + languageText(context_.language, text::Freeware));
}

SystemDocument& MainWindow::document() const {
    return context_.document;
}

const SystemState& MainWindow::state() const {
    return context_.document.state();
}

void MainWindow::buildGrids(QWidget* parent) {
    numbersFrame_ = new QGroupBox(QStringLiteral("Numeri"), parent);
    numbersFrame_->setObjectName(QStringLiteral("frameNumeri"));

    numberGrid_ = new CellGrid(QStringLiteral("grnum"), CellGrid::numberCaptions(MainNumberCount),
                               10, CellLook::teal(), true, numbersFrame_);
    enlargeCells(numberGrid_, 40, 32, 12);
    connect(numberGrid_, &CellGrid::cellActivated, this, &MainWindow::clickNumber);

    auto* jackpot = new QLabel(QStringLiteral("Jackpot"), numbersFrame_);
    jackpot->setObjectName(QStringLiteral("lbJackpot"));
    QFont f = jackpot->font();
    f.setBold(true);
    jackpot->setFont(f);

    // Cells for every Euro number the game draws; the rules show 10 or 12 of them.
    const int euroCells = GameRules::widest().euroMax();
    euroGrid_ = new CellGrid(QStringLiteral("grJkt"), CellGrid::numberCaptions(euroCells),
                             euroCells, CellLook::olive(), false, numbersFrame_);
    enlargeCells(euroGrid_, 40, 32, 12);
    connect(euroGrid_, &CellGrid::cellActivated, this, &MainWindow::clickEuro);

    auto* layout = new QVBoxLayout(numbersFrame_);
    layout->addWidget(numberGrid_, 5);
    layout->addSpacing(6);
    layout->addWidget(jackpot);
    layout->addWidget(euroGrid_, 1);
}

QWidget* MainWindow::buildOperations(QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("Operazioni"), parent);
    frame->setObjectName(QStringLiteral("frameOperazioni"));
    auto* layout = new QVBoxLayout(frame);
    struct Entry {
        QPushButton* Buttons::*button;
        const char* name;
        const char* caption;
        void (MainWindow::*slot)();
    };
    const Entry entries[] = {
        {&Buttons::archive, "cmdArchivio", "Archivio Estrazioni", &MainWindow::openArchive},
        {&Buttons::reopenForChanges, "cmdModifiche", "Modifica Sistema",
         &MainWindow::reopenForChanges},
        {&Buttons::adaptMatrix, "cmdAdatta", "Adatta Matrice", &MainWindow::adaptMatrix},
        {&Buttons::checkDraw, "cmdSpoglio", "Spoglio Sistema", &MainWindow::checkDraw},
        {&Buttons::analyse, "cmdAnalisi", "Analisi Sistema", &MainWindow::analyseSystem},
        {&Buttons::view, "cmdVisualizza", "Visualizza Sistema", &MainWindow::openViewerIfLocked},
        {&Buttons::clear, "cmdCancella", "Cancella Sistema", &MainWindow::clearAll},
        {&Buttons::develop, "cmdCalcolo", "Elabora Sistema", &MainWindow::develop},
        {&Buttons::printListing, "cmdTabulato", "Stampa Tabulato", &MainWindow::printListing},
        {&Buttons::printSlips, "cmdSchedine", "Stampa Schedine", &MainWindow::printSlips},
    };
    for (const auto& e : entries) {
        auto* button = new QPushButton(QString::fromUtf8(e.caption), frame);
        button->setObjectName(QString::fromUtf8(e.name));
        button->setMinimumHeight(30);
        // A larger window grows the grids; the buttons keep their height, together at the top.
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, e.slot);
        buttons_.*e.button = button;
        layout->addWidget(button);
    }
    layout->addStretch(1);
    frame->setMinimumWidth(190);
    return frame;
}

void MainWindow::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("StBar"));
    bar->setSizeGripEnabled(true);
    const char* names[] = {"Nome Sistema", "Numero Combinazioni", "Costo Sistema", "Tipo Sistema"};
    const int widths[] = {150, 110, 130, 220};
    for (int i = 0; i < 4; ++i) {
        // The system's name may be a long path: cut in the middle, whole in the tooltip.
        auto* panel = i == 0 ? new ElidedLabel(bar) : new QLabel(bar);
        panel->setObjectName(QStringLiteral("StBarPanel(%1)").arg(i + 1));
        panel->setToolTip(QString::fromUtf8(names[i]));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(widths[i]);
        panel->setContentsMargins(4, 0, 4, 0);
        if (i == 1 || i == 2) {
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        bar->addPermanentWidget(panel, i == 3 ? 1 : 0);
        statusPanels_[i] = panel;
    }
}

void MainWindow::writeGridCaptions() {
    for (auto* grid : {numberGrid_, euroGrid_}) {
        for (int i = 0; i < grid->count(); ++i) {
            grid->cell(i)->setText(QString::fromStdString(twoDigits(i + 1)));
        }
    }
}

} // namespace quintora
