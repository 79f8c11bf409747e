// The menu bar of frmMAIN and the commands of its conditions and operations.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Shuffle.h"
#include "document/SystemDocument.h"
#include "ui/conditions/ConsecutiveDialog.h"
#include "ui/conditions/EvenOddDialog.h"
#include "ui/conditions/ExcludedColumnsDialog.h"
#include "ui/conditions/FixedDialog.h"
#include "ui/conditions/MinimumDistanceDialog.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/SumDialog.h"
#include "ui/filters/FilterDialog.h"
#include "ui/LanguageText.h"
#include "ui/matrix/MatrixDialog.h"
#include "ui/Prompt.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quintora {

namespace {

struct MenuEntry {
    QAction* MainWindow::Actions::*action;
    const char* name;
    const char* caption;
    void (MainWindow::*slot)();
    bool checkable;
};

} // namespace

void MainWindow::buildMenus() {
    using A = Actions;
    using W = MainWindow;
    auto addMenu = [this](const char* name, const char* caption) {
        auto* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    auto addEntries = [this](QMenu* menu, std::initializer_list<MenuEntry> shapes) {
        for (const auto& e : shapes) {
            auto* action = menu->addAction(QString::fromUtf8(e.caption));
            action->setObjectName(QString::fromUtf8(e.name));
            action->setCheckable(e.checkable);
            connect(action, &QAction::triggered, this, e.slot);
            actions_.*e.action = action;
        }
    };

    menus_.file = addMenu("menufile", "&File");
    addEntries(
        menus_.file,
        {{&A::open, "menuapri", "&Apri", &W::openSystem, false},
         {&A::importColumns, "menuimportacolonne", "I&mporta Colonne", &W::importColumns, false},
         {&A::save, "menusalva", "&Salva", &W::saveSystem, false},
         {&A::saveAs, "menusalvacome", "Salva &come...", &W::saveSystemAs, false},
         {&A::exportColumns, "menuEsportaColonne", "Esporta Colonne", &W::exportColumns, false},
         {&A::matrixList, "mnu_Elenco", "Elenco Sis&temi Immediati", &W::openMatrixList, false},
         {&A::settings, "menuImpostazioni", "&Impostazioni", &W::openSettings, false}});
    buildRecentMenu();
    menus_.file->addSeparator();
    auto* exit = menus_.file->addAction(QStringLiteral("&Esci"));
    exit->setObjectName(QStringLiteral("menuesci"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    actions_.exit = exit;

    menus_.edit = addMenu("menumodifica", "&Modifica");
    addEntries(menus_.edit, {{&A::undo, "menuAnnulla", "&Annulla", &W::undo, false},
                             {&A::redo, "menuRipeti", "&Ripeti", &W::redo, false}});

    menus_.conditions = addMenu("menucondizioni", "&Condizioni");
    addEntries(
        menus_.conditions,
        {{&A::filterColumns, "menuColonnaFiltro", "&Colonne Filtro", &W::openFilterColumns, true},
         {&A::excludedColumns, "menuEscludiColonne", "&Escludi Colonne", &W::openExcludedColumns,
          true},
         {&A::consecutive, "menuConsecutivi", "C&onsecutivi", &W::openConsecutive, true},
         {&A::fixedNumbers, "menuFisse", "&Fisse", &W::openFixedNumbers, true},
         {&A::evenOdd, "menuPariDispari", "&Pari e Dispari", &W::openEvenOdd, true},
         {&A::sum, "menuSomma", "&Somma", &W::openSum, true},
         {&A::reduced, "menuRidotto", "&Ridotto", &W::openReduced, true},
         {&A::minimumDistance, "menuDistanzaMinima", "Ridotto a &Distanza Minima",
          &W::openMinimumDistance, true}});

    menus_.operations = addMenu("menuoperazioni", "&Operazioni");
    addEntries(
        menus_.operations,
        {{&A::adaptMatrix, "menuadattamatrice", "&Adatta matrice", &W::adaptMatrix, false},
         {&A::shuffle, "menuMescola", "&Mescola Colonne", &W::shuffleColumns, false},
         {&A::develop, "menucalcolo", "&Elabora", &W::develop, false},
         {&A::checkDraw, "menuSpoglio", "&Spoglio", &W::checkDraw, false},
         {&A::checkArchive, "menuSpoglioEstrazioni", "Spoglio Est&razioni", &W::checkArchive,
          false},
         {&A::analyse, "menuAnalisi", "A&nalisi Sistema", &W::analyseSystem, false},
         {&A::view, "menuvisualizza", "&Visualizza", &W::openViewer, false},
         {&A::archive, "menuEstrazioni", "Arc&hivio Estrazioni", &W::openArchive, false},
         {&A::statistics, "menuStatistiche", "S&tatistiche", &W::openStatistics, false},
         {&A::reopenForChanges, "menumodifiche", "Mo&difiche", &W::reopenForChanges, false}});

    menus_.print = addMenu("menustampa", "&Stampa");
    addEntries(menus_.print,
               {{&A::printListing, "menutabulato", "Stampa &Tabulato", &W::printListing, false},
                {&A::printSlips, "menuschedine", "Stampa &Schedine", &W::printSlips, false}});

    menus_.info = addMenu("menuinfo", "&Info");
    addEntries(menus_.info, {{&A::manual, "menuguida", "&Guida", &W::showManual, false},
                             {&A::about, "menuinformazioni", "&Informazioni su Quintora",
                              &W::showAbout, false}});

    // Keys of the usual desktop commands; an entry that is disabled ignores its key too.
    actions_.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actions_.save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actions_.saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions_.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions_.develop->setShortcut(QKeySequence(Qt::Key_F5));
    actions_.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions_.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    actions_.printSlips->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    // A new system: the window's clear command, which asks about unsaved work first.
    auto* newSystem = new QAction(this);
    newSystem->setObjectName(QStringLiteral("actionNuovo"));
    newSystem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newSystem, &QAction::triggered, this, &MainWindow::clearAll);
    addAction(newSystem);
}

// --- File ---
void MainWindow::openMatrixList() {
    showMatrices(0);
}

// frmMatr lists the matrices built for filterV numbers (0: every matrix).
void MainWindow::showMatrices(std::uint8_t filterV) {
    MatrixDialog dialog(document(), context_.prompt, context_.language,
                        context_.dataFolder.matrixFolder(), filterV, todayLocal(), this);
    dialog.setDownload(context_.download, context_.settingsDocument.settings().server,
                       context_.dataFolder.tempFolder().toStdString());
    dialog.exec();
    showConditionMarks();
}

// --- Conditions: each entry shows its dialog, whose changes are one step of the history.
// Triggering a checkable entry flips its mark, so the marks are drawn again from the system
// when the dialog closes. ---
void MainWindow::openFilterColumns() {
    const SystemDocument::EditStep step(document());
    FilterDialog(document(), context_.prompt, context_.language, context_.dataFolder.textFolder(),
                 this)
        .exec();
    showConditionMarks();
}

void MainWindow::openExcludedColumns() {
    const SystemDocument::EditStep step(document());
    ExcludedColumnsDialog(document(), context_.prompt, context_.language, this).exec();
    showConditionMarks();
}

void MainWindow::openConsecutive() {
    const SystemDocument::EditStep step(document());
    ConsecutiveDialog dialog(document(), context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::openFixedNumbers() {
    const SystemDocument::EditStep step(document());
    FixedDialog dialog(document(), context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::openEvenOdd() {
    const SystemDocument::EditStep step(document());
    EvenOddDialog dialog(document(), context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::openSum() {
    const SystemDocument::EditStep step(document());
    SumDialog dialog(document(), context_.prompt, context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::openReduced() {
    const SystemDocument::EditStep step(document());
    ReducedDialog dialog(document(), context_.prompt, context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::openMinimumDistance() {
    const SystemDocument::EditStep step(document());
    MinimumDistanceDialog dialog(document(), context_.prompt, context_.language, this);
    showConditionDialog(dialog);
    showConditionMarks();
}

void MainWindow::showConditionDialog(ConditionDialog& dialog) {
    connect(&dialog, &ConditionDialog::refused, this, &MainWindow::showError);
    dialog.exec();
}

// --- Operations, archive and printing ---
void MainWindow::adaptMatrix() {
    if (document().canAdaptMatrix()) {
        showMatrices(document().state().header.numberCount());
    }
}

void MainWindow::shuffleColumns() {
    if (!document().canShuffle() ||
        !context_.prompt.question(this, QString(),
                                  languageText(context_.language, text::ShuffleColumnsQuestion),
                                  Prompt::Icon::None)) {
        return;
    }
    report(document().shuffle(seedFromClock()));
}

} // namespace quintora
