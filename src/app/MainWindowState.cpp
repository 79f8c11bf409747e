// frmMAIN's views of the system: the grids, the counts, the condition marks, the status bar
// and which commands are enabled. All of it is drawn from the document.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Format.h"
#include "document/SystemDocument.h"
#include "print/PrintWords.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ElidedLabel.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace quintora {

void MainWindow::clickNumber(int index) {
    (void)document().toggleNumber(index + 1);
}

void MainWindow::clickEuro(int index) {
    (void)document().toggleEuro(index + 1);
}

void MainWindow::refresh(Changes what) {
    if (what.has(Change::Rules)) {
        showEuroCells();
    }
    if (what.has(Change::Numbers)) {
        showNumbers();
    }
    if (what.has(Change::Conditions)) {
        showConditionMarks();
    }
    if (what.has(Change::Columns) || what.has(Change::File) || what.has(Change::Price)) {
        showStatusBar();
    }
    enableCommands();
}

void MainWindow::showEuroCells() {
    const GameRules rules = document().rules();
    for (int i = 0; i < euroGrid_->count(); ++i) {
        euroGrid_->cell(i)->setVisible(rules.isEuroNumber(i + 1));
    }
}

void MainWindow::showNumbers() {
    const auto& header = state().header;
    const auto numbers = header.numbers();
    const auto euros = header.euros();
    for (int i = 0; i < numberGrid_->count(); ++i) {
        numberGrid_->setMarked(i, numbers.contains(i + 1));
    }
    for (int i = 0; i < euroGrid_->count(); ++i) {
        euroGrid_->setMarked(i, euros.contains(i + 1));
    }
    // The words come from the label's caption, which the language file may have replaced.
    const QString caption = numbersLabel_->text();
    const auto bracket = caption.indexOf(u'[');
    const QString words = bracket > 0 ? caption.left(bracket) : QStringLiteral("Numeri in gioco ");
    numbersLabel_->setText(words + u'[' + QString::fromStdString(twoDigits(header.numberCount())) +
                           u']');
    integralLabel_->setText(displayCount(integralSize(header.numberCount())));
}

void MainWindow::showConditionMarks() {
    const auto& s = state();
    actions_.sum->setChecked(s.conditions.sumOn());
    actions_.fixedNumbers->setChecked(s.conditions.fixedOn());
    actions_.evenOdd->setChecked(s.conditions.evenOddOn());
    actions_.reduced->setChecked(s.conditions.reducedOn());
    actions_.minimumDistance->setChecked(s.minimumDistance.on());
    actions_.filterColumns->setChecked(s.filtersOn());
    actions_.consecutive->setChecked(s.consecutive.on());
    actions_.excludedColumns->setChecked(s.excluded.on());
}

void MainWindow::showStatusBar() {
    const auto& doc = document();
    auto* name = static_cast<ElidedLabel*>(statusPanels_[0]);
    name->setFullText(QString::fromStdString(doc.shownFileName()));
    name->setCutToolTip(QString::fromStdString(doc.state().systemPath));
    statusPanels_[1]->setText(displayCount(doc.state().columnCount()));
    statusPanels_[2]->setText(displayEuro(doc.cost()));
    // The language's words are looked up only for a type there is to show.
    const std::string& type = doc.state().header.systemType;
    statusPanels_[3]->setText(type.empty() ? QString()
                                           : QString::fromStdString(shownSystemType(
                                                 type, systemTypeWordsFor(context_.language))));
}

void MainWindow::showWhatDevelopNeeds() {
    // A new user sees the commands disabled: say what is missing where they look, on the
    // disabled buttons and in the system type's panel, empty until a system is developed.
    const auto& doc = document();
    const bool needsNumbers = doc.canEditNumbers() && !doc.hasNumbersToDevelop();
    const QString hint =
        needsNumbers ? languageText(context_.language, text::MarkNumbersFirst) : QString();
    buttons_.develop->setToolTip(hint);
    buttons_.adaptMatrix->setToolTip(hint);
    menus_.conditions->setToolTip(hint);
    if (doc.state().header.systemType.empty()) {
        statusPanels_[3]->setText(hint);
    }
}

void MainWindow::enableCommands() {
    const auto& doc = document();
    numbersFrame_->setEnabled(doc.canEditNumbers());
    buttons_.clear->setEnabled(doc.canEditNumbers());
    buttons_.develop->setEnabled(doc.canDevelop());
    actions_.develop->setEnabled(doc.canDevelop());
    buttons_.adaptMatrix->setEnabled(doc.canAdaptMatrix());
    actions_.adaptMatrix->setEnabled(doc.canAdaptMatrix());
    buttons_.reopenForChanges->setEnabled(doc.canReopen());
    actions_.reopenForChanges->setEnabled(doc.canReopen());
    buttons_.view->setEnabled(doc.canView());
    actions_.view->setEnabled(doc.canView());
    actions_.shuffle->setEnabled(doc.canShuffle());
    buttons_.checkDraw->setEnabled(doc.canCheck());
    actions_.checkDraw->setEnabled(doc.canCheck());
    actions_.checkArchive->setEnabled(doc.canCheck());
    buttons_.analyse->setEnabled(doc.hasColumns());
    actions_.analyse->setEnabled(doc.hasColumns());
    buttons_.printListing->setEnabled(doc.canPrint());
    buttons_.printSlips->setEnabled(doc.canPrint());
    menus_.print->setEnabled(doc.canPrint());
    menus_.conditions->setEnabled(doc.canOpenConditions());
    showWhatDevelopNeeds();
    // The archive, its check and the statistics need no system: the menu stays reachable.
    menus_.operations->setEnabled(true);
}

} // namespace quintora
