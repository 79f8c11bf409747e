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
#include <QStatusBar>
#include <QStringList>

namespace quintora {

namespace {

// How long the hint about a third Euro number stays in the status bar.
constexpr int EuroHintMs = 6000;

} // namespace

void MainWindow::clickNumber(int index) {
    report(document().toggleNumber(index + 1));
}

void MainWindow::clickEuro(int index) {
    const int n = index + 1;
    const NumberSet euros = document().state().header.euros();
    // A third Euro number is not taken: say why instead of ignoring the click.
    if (document().rules().isEuroNumber(n) && !euros.contains(n) &&
        euros.size() >= EuroNumbersPerSystem) {
        QStringList marked;
        for (const int e : euros) {
            marked << QString::fromStdString(twoDigits(e));
        }
        statusBar()->showMessage(languageText(context_.language, text::ThirdEuroHint)
                                     .arg(marked.join(QStringLiteral(" - "))),
                                 EuroHintMs);
    }
    report(document().toggleEuro(n));
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
    // Each cell tells a screen reader its number and whether it is marked.
    const auto show = [this](CellGrid* grid, NumberSet marked, TextId markedText,
                             TextId unmarkedText) {
        const QString texts[] = {languageText(context_.language, unmarkedText),
                                 languageText(context_.language, markedText)};
        for (int i = 0; i < grid->count(); ++i) {
            const bool on = marked.contains(i + 1);
            grid->setMarked(i, on);
            grid->cell(i)->setAccessibleName(texts[on ? 1 : 0].arg(i + 1));
        }
    };
    show(numberGrid_, numbers, text::NumberCellMarked, text::NumberCellUnmarked);
    show(euroGrid_, euros, text::EuroCellMarked, text::EuroCellUnmarked);
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

void MainWindow::showHistory() {
    const auto& doc = document();
    const auto name = [this](QAction* action, const Message& step, TextId withStep) {
        action->setEnabled(!step.empty());
        // Without a step the entry keeps the caption the language file gave it.
        if (!step.empty()) {
            action->setText(
                languageText(context_.language, withStep).arg(shownText(context_.language, step)));
        } else {
            action->setText(languageText(context_.language, withStep).arg(QString()).trimmed());
        }
    };
    name(actions_.undo, doc.undoName(), text::UndoStep);
    name(actions_.redo, doc.redoName(), text::RedoStep);
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
    buttons_.clear->setEnabled(!doc.developing());
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
    showHistory();
    // The archive, its check and the statistics need no system: the menu stays reachable.
    menus_.operations->setEnabled(true);
}

} // namespace quintora
