// The menu bar of frmMAIN and the entries whose windows are not built yet.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/SystemState.h"
#include "ui/conditions/ConsecutiveDialog.h"
#include "ui/conditions/EvenOddDialog.h"
#include "ui/conditions/ExcludedColumnsDialog.h"
#include "ui/conditions/FixedDialog.h"
#include "ui/conditions/MinimumDistanceDialog.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/ShuffleCommand.h"
#include "ui/conditions/SumDialog.h"
#include "ui/filters/FilterDialog.h"
#include "ui/Prompt.h"

#include <QMenu>
#include <QMenuBar>

namespace quintora {

namespace {

struct EntrySpec {
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
    auto addEntries = [this](QMenu* menu, std::initializer_list<EntrySpec> specs) {
        for (const auto& e : specs) {
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
        {{&A::apri, "menuapri", "&Apri", &W::openSystem, false},
         {&A::importaColonne, "menuimportacolonne", "I&mporta Colonne", &W::importColumns, false},
         {&A::salva, "menusalva", "&Salva", &W::saveSystem, false},
         {&A::salvaCome, "menusalvacome", "Salva &come...", &W::saveSystemAs, false},
         {&A::esportaColonne, "menuEsportaColonne", "Esporta Colonne", &W::exportColumns, false},
         {&A::elencoSistemi, "mnu_Elenco", "&Elenco Sistemi Immediati", &W::openMatrixList, false},
         {&A::impostazioni, "menuImpostazioni", "&Impostazioni", &W::openSettings, false}});
    menus_.file->addSeparator();
    auto* exit = menus_.file->addAction(QStringLiteral("E&sci"));
    exit->setObjectName(QStringLiteral("menuesci"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    actions_.esci = exit;

    menus_.conditions = addMenu("menucondizioni", "&Condizioni");
    addEntries(
        menus_.conditions,
        {{&A::colonnaFiltro, "menuColonnaFiltro", "&Colonne Filtro", &W::openFilterColumns, true},
         {&A::escludiColonne, "menuEscludiColonne", "&Escludi Colonne", &W::openExcludedColumns,
          true},
         {&A::consecutivi, "menuConsecutivi", "C&onsecutivi", &W::openConsecutive, true},
         {&A::fisse, "menuFisse", "&Fisse", &W::openFixedNumbers, true},
         {&A::pariDispari, "menuPariDispari", "&Pari e Dispari", &W::openEvenOdd, true},
         {&A::somma, "menuSomma", "&Somma", &W::openSum, true},
         {&A::ridotto, "menuRidotto", "&Ridotto", &W::openReduced, true},
         {&A::distanzaMinima, "menuDistanzaMinima", "Ridotto a &Distanza Minima",
          &W::openMinimumDistance, true}});

    menus_.operations = addMenu("menuoperazioni", "&Operazioni");
    addEntries(menus_.operations,
               {{&A::adattaMatrice, "menuadattamatrice", "&Adatta matrice", &W::adaptMatrix, false},
                {&A::mescola, "menuMescola", "&Mescola Colonne", &W::shuffleColumns, false},
                {&A::calcolo, "menucalcolo", "&Elabora", &W::develop, false},
                {&A::spoglio, "menuSpoglio", "&Spoglio", &W::checkDraw, false},
                {&A::spoglioEstrazioni, "menuSpoglioEstrazioni", "Spoglio Est&razioni",
                 &W::checkArchive, false},
                {&A::visualizza, "menuvisualizza", "&Visualizza", &W::openViewer, false},
                {&A::estrazioni, "menuEstrazioni", "&Archivio Estrazioni", &W::openArchive, false},
                {&A::statistiche, "menuStatistiche", "S&tatistiche", &W::openStatistics, false},
                {&A::modifiche, "menumodifiche", "&Modifiche", &W::reopenForChanges, false}});

    menus_.print = addMenu("menustampa", "&Stampa");
    addEntries(menus_.print,
               {{&A::tabulato, "menutabulato", "Stampa &Tabulato", &W::printListing, false},
                {&A::schedine, "menuschedine", "Stampa &Schedine", &W::printSlips, false}});

    // "&Info" has no entries: choosing it opens the about box.
    actions_.info = menuBar()->addAction(QStringLiteral("&Info"));
    actions_.info->setObjectName(QStringLiteral("menuinfo"));
    connect(actions_.info, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::notAvailable() {
    context_.prompt.message(this, {}, QStringLiteral("Funzione non ancora disponibile"),
                            Prompt::Icon::Information);
}

// --- File ---
void MainWindow::openMatrixList() {
    notAvailable();
}

// --- Conditions: each entry shows its dialog, then takes its check mark from the flag ---
void MainWindow::openFilterColumns() {
    rebuildNumberLists();
    FilterDialog(state(), context_.prompt, context_.language, context_.dataFolder.textFolder(),
                 this)
        .exec();
    actions_.colonnaFiltro->setChecked(state().filterCount >= 1);
}

void MainWindow::openExcludedColumns() {
    ExcludedColumnsDialog(state(), context_.prompt, context_.language, this).exec();
    actions_.escludiColonne->setChecked(isOn(state().excluded.excludedActive));
}

void MainWindow::openConsecutive() {
    rebuildNumberLists();
    ConsecutiveDialog(state(), context_.language, this).exec();
    actions_.consecutivi->setChecked(isOn(state().consecutive.consecutiveActive));
}

void MainWindow::openFixedNumbers() {
    rebuildNumberLists();
    FixedDialog(state(), context_.language, this).exec();
    actions_.fisse->setChecked(isOn(state().conditions.fixedActive));
}

void MainWindow::openEvenOdd() {
    rebuildNumberLists();
    EvenOddDialog(state(), context_.language, this).exec();
    actions_.pariDispari->setChecked(isOn(state().conditions.evenOddActive));
}

void MainWindow::openSum() {
    rebuildNumberLists();
    SumDialog(state(), context_.prompt, context_.language, this).exec();
    actions_.somma->setChecked(isOn(state().conditions.sumActive));
}

void MainWindow::openReduced() {
    rebuildNumberLists();
    ReducedDialog(state(), context_.prompt, context_.language, this).exec();
    actions_.ridotto->setChecked(isOn(state().conditions.reducedActive));
    actions_.distanzaMinima->setChecked(isOn(state().minimumDistance.minDistanceActive));
}

void MainWindow::openMinimumDistance() {
    rebuildNumberLists();
    MinimumDistanceDialog(state(), context_.prompt, context_.language, this).exec();
    actions_.ridotto->setChecked(isOn(state().conditions.reducedActive));
    actions_.distanzaMinima->setChecked(isOn(state().minimumDistance.minDistanceActive));
}

// --- Operations, archive and printing ---
void MainWindow::adaptMatrix() {
    notAvailable();
}
void MainWindow::shuffleColumns() {
    runShuffleCommand(state(), context_.prompt, actions_.mescola, this);
}
// The checks work on developed systems only.
void MainWindow::checkDraw() {
    if (state().guiLocked != 0) {
        notAvailable();
    }
}

void MainWindow::checkArchive() {
    if (state().guiLocked != 0) {
        notAvailable();
    }
}

void MainWindow::openArchive() {
    notAvailable();
}
void MainWindow::openStatistics() {
    notAvailable();
}
void MainWindow::printListing() {
    notAvailable();
}
void MainWindow::printSlips() {
    notAvailable();
}

} // namespace quintora
