// frmMAIN's steps that keep the window in line with the system.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Format.h"
#include "core/SystemState.h"
#include "ui/widgets/CellGrid.h"

#include <array>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace quintora {

namespace {

template <std::size_t N> std::array<bool, N> marksOf(const CellGrid* grid) {
    std::array<bool, N> marks{};
    for (int i = 0; i < grid->count() && i < static_cast<int>(N); ++i) {
        marks[static_cast<std::size_t>(i)] = grid->marked(i);
    }
    return marks;
}

} // namespace

void MainWindow::unlockGui() {
    enableForEditing(true);
    menus_.conditions->setEnabled(true);
    state().guiLocked = 0;
}

void MainWindow::lockGui() {
    state().guiLocked = -1;
    // The condition menu stays as it is: its dialogs open read-only on a developed system.
    enableForEditing(false);
}

// The commands that edit the numbers against those that use a developed system.
void MainWindow::enableForEditing(bool editable) {
    for (auto* b : {buttons_.adatta, buttons_.calcolo, buttons_.cancella}) {
        b->setEnabled(editable);
    }
    numbersFrame_->setEnabled(editable);
    actions_.adattaMatrice->setEnabled(editable);
    actions_.calcolo->setEnabled(editable);
    for (auto* b : {buttons_.modifiche, buttons_.schedine, buttons_.spoglio, buttons_.tabulato,
                    buttons_.visualizza}) {
        b->setEnabled(!editable);
    }
    for (auto* a : {actions_.mescola, actions_.modifiche, actions_.spoglio, actions_.visualizza}) {
        a->setEnabled(!editable);
    }
    menus_.print->setEnabled(!editable);
}

void MainWindow::unlockMenuConditions() {
    for (auto* a :
         {actions_.colonnaFiltro, actions_.consecutivi, actions_.distanzaMinima, actions_.fisse,
          actions_.pariDispari, actions_.ridotto, actions_.somma, actions_.escludiColonne}) {
        a->setChecked(false);
    }
}

void MainWindow::refreshConditionMarks() {
    const auto& s = state();
    actions_.somma->setChecked(isOn(s.conditions.sumActive));
    actions_.fisse->setChecked(isOn(s.conditions.fixedActive));
    actions_.pariDispari->setChecked(isOn(s.conditions.evenOddActive));
    actions_.ridotto->setChecked(isOn(s.conditions.reducedActive));
    actions_.distanzaMinima->setChecked(isOn(s.minimumDistance.minDistanceActive));
    actions_.colonnaFiltro->setChecked(s.filterCount >= 1);
    actions_.consecutivi->setChecked(isOn(s.consecutive.consecutiveActive));
    actions_.escludiColonne->setChecked(isOn(s.excluded.excludedActive));
}

void MainWindow::cancellaPronostico() {
    auto& header = state().header;
    header.numbersInPlayCount = 0;
    numberGrid_->clearMarks();
    showNumbersInPlayCount(QString::number(header.numbersInPlayCount));
    header.euroCount = 0;
    euroGrid_->clearMarks();
    menus_.conditions->setEnabled(false);
    buttons_.adatta->setEnabled(false);
    buttons_.calcolo->setEnabled(false);
    // The Operations menu holds the develop entry too; with no numbers it must go as well.
    applyCommandRule();
    refreshIntegral();
}

void MainWindow::viewStatusBar() {
    const auto& s = state();
    statusPanels_[0]->setText(QString::fromStdString(s.systemFileName));
    statusPanels_[1]->setText(QString::fromStdString(formatCount(s.columnCount())));
    statusPanels_[2]->setText(QString::fromStdString(formatEuro(systemCost(s))));
    statusPanels_[3]->setText(QString::fromStdString(s.header.systemType));
}

void MainWindow::clearSystem(bool keepNumbers) {
    unlockGui();
    unlockMenuConditions();
    if (!keepNumbers) {
        cancellaPronostico();
    }
    clearSystemData(state(), keepNumbers);
    viewStatusBar();
}

void MainWindow::applyCommandRule() {
    const auto& header = state().header;
    const bool ready =
        header.numbersInPlayCount >= NumbersPerColumn && header.euroCount >= EuroNumbersPerSystem;
    menus_.operations->setEnabled(ready);
    menus_.conditions->setEnabled(ready);
    buttons_.adatta->setEnabled(ready);
    buttons_.calcolo->setEnabled(ready);
}

void MainWindow::refreshIntegral() {
    integralLabel_->setText(
        QString::fromStdString(formatCount(integralSize(state().header.numbersInPlayCount))));
}

void MainWindow::rebuildNumberLists() {
    const auto mainMarks = marksOf<MainNumberCount>(numberGrid_);
    const auto euroMarks = marksOf<EuroNumberCount>(euroGrid_);
    setNumbersInPlay(state().header, mainMarks);
    setEuroNumbers(state().header, euroMarks);
}

void MainWindow::clickNumber(int index) {
    if (index < 0 || index >= numberGrid_->count()) {
        return;
    }
    auto& header = state().header;
    const bool marked = !numberGrid_->marked(index);
    numberGrid_->setMarked(index, marked);
    if (marked) {
        ++header.numbersInPlayCount;
    } else if (header.numbersInPlayCount > 0) {
        --header.numbersInPlayCount;
    }
    showNumbersInPlayCount(QString::fromStdString(twoDigits(header.numbersInPlayCount)));
    applyCommandRule();
    refreshIntegral();
}

void MainWindow::clickEuro(int index) {
    if (index < 0 || index >= euroGrid_->count()) {
        return;
    }
    auto& header = state().header;
    if (euroGrid_->marked(index)) {
        euroGrid_->setMarked(index, false);
        if (header.euroCount > 0) {
            --header.euroCount;
        }
    } else if (header.euroCount < EuroNumbersPerSystem) {
        euroGrid_->setMarked(index, true);
        ++header.euroCount;
    }
    applyCommandRule();
}

void MainWindow::showNumbersInPlayCount(const QString& count) {
    // The words come from the label's caption, which the language file may have replaced.
    const QString caption = numbersLabel_->text();
    const auto bracket = caption.indexOf(u'[');
    const QString words = bracket > 0 ? caption.left(bracket) : QStringLiteral("Numeri in gioco ");
    numbersLabel_->setText(words + u'[' + count + u']');
}

} // namespace quintora
