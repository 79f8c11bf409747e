#include "app/MainWindow.h"
#include "core/Development.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "settings/Language.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/conditions/ConsecutiveDialog.h"
#include "ui/conditions/EvenOddDialog.h"
#include "ui/conditions/ExcludedColumnsDialog.h"
#include "ui/conditions/FixedDialog.h"
#include "ui/conditions/MinimumDistanceDialog.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/SumDialog.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/OnOffSwitch.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quintora;
using test::ScriptedPrompt;

namespace {

// A system with these numbers in play and the Euro numbers 1 and 2.
std::unique_ptr<SystemDocument> documentWith(NumberSet numbers) {
    auto document = std::make_unique<SystemDocument>();
    (void)document->setNumbers(numbers);
    (void)document->setEuros(NumberSet{1, 2});
    return document;
}

std::unique_ptr<SystemDocument> documentOneTo(int last) {
    NumberSet numbers;
    for (int n = 1; n <= last; ++n) {
        numbers.insert(n);
    }
    return documentWith(numbers);
}

std::vector<Column> developed(const SystemState& state) {
    DevelopmentControl control;
    return develop(state, {}, control).columns;
}

// Develops the system as the window does: the document prepares the input, takes the
// columns and locks.
void developDocument(SystemDocument& document) {
    auto input = document.startDevelopment();
    QVERIFY(input.ok());
    DevelopmentControl control;
    QVERIFY(document.finishDevelopment(develop(input.value(), {}, control)));
    QVERIFY(document.locked());
}

// A document that opened `raw` from a system file: the way to values that only a file can
// bring (the dialogs and the document's commands never store them).
std::unique_ptr<SystemDocument> documentOpening(const SystemState& raw) {
    auto document = std::make_unique<SystemDocument>();
    const QTemporaryDir folder;
    const auto path = folder.filePath(QStringLiteral("raw.qsy")).toStdString();
    if (!saveSystemFile(path, raw) || !document->open(path)) {
        qFatal("cannot open %s", path.c_str());
    }
    return document;
}

// The main window over a document of its own, for the commands the window runs itself.
class WindowOverDocument : public test::MainWindowFixture {
public:
    WindowOverDocument() { opened_ = openWindow(); }
    ~WindowOverDocument() { closeWindow(); }
    WindowOverDocument(const WindowOverDocument&) = delete;
    WindowOverDocument& operator=(const WindowOverDocument&) = delete;

    bool opened() const { return opened_; }
    SystemDocument& document() { return *document_; }
    ScriptedPrompt& prompt() { return *prompt_; }
    MainWindow& window() { return *window_; }

private:
    bool opened_ = false;
};

using test::child;
using test::click;

void clickCell(const QWidget& dialog, const QString& name) {
    click(child(dialog, name));
}

// Sets conditions through the dialogs, as a user does.
using DialogSteps = std::function<void(SystemDocument&, ScriptedPrompt&, Language&)>;
// Sets the same conditions on another document directly; the first one's state is at hand.
using DirectSteps = std::function<void(SystemDocument& direct, const SystemState& throughDialogs)>;
using Columns = std::vector<Column>;

} // namespace

Q_DECLARE_METATYPE(DialogSteps)
Q_DECLARE_METATYPE(DirectSteps)
Q_DECLARE_METATYPE(Columns)

class ConditionsUiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void sumOpeningShowsRangeAndDefaults();
    void sumChecksOnClosing_data();
    void sumChecksOnClosing();
    void sumTypedInOneGoAndEnterConfirms();
    void sumSwitchWritesTheFlagAtOnce();
    void lockedDialogsAreReadOnly();

    void evenOddCellsWriteAtOnceAndDrag();
    void fixedNumbersAtMostFourAmongNumbersInPlay();
    void consecutiveShowsMaxAndStoresRuns();

    void reductionsFirstOpenDefaults();
    void reductionsExcludeEachOther_data();
    void reductionsExcludeEachOther();

    void excludedAddMovesSelectedInOrder();
    void excludedRemoveThenClose();
    void excludedNeverPassesTheLimit();

    void shuffleAsksAndMovesWholeColumns();

    void endToEnd_data();
    void endToEnd();
    void conditionsSurviveTheSystemFile();

private:
    std::unique_ptr<test::TemporaryXdg> xdg_;
    std::unique_ptr<Language> language_;
};

void ConditionsUiTest::initTestCase() {
    xdg_ = std::make_unique<test::TemporaryXdg>();
    language_ = std::make_unique<Language>(xdg_->dataFolder().toStdString());
}

void ConditionsUiTest::sumOpeningShowsRangeAndDefaults() {
    auto document = documentWith({3, 8, 12, 20, 33, 41, 47});
    const auto& state = document->state();
    ScriptedPrompt prompt;
    SumDialog dialog(*document, prompt, *language_, nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSomma"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("  Somma"));
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("labMin"))->text(), QStringLiteral("76"));
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("labMax"))->text(), QStringLiteral("153"));
    QCOMPARE(child<QLineEdit>(dialog, QStringLiteral("meDa"))->text(), QStringLiteral("76"));
    QCOMPARE(child<QLineEdit>(dialog, QStringLiteral("meA"))->text(), QStringLiteral("153"));
    dialog.show();
    QVERIFY(dialog.close());
    QCOMPARE(state.conditions.sumFrom, 76);
    QCOMPARE(state.conditions.sumTo, 153);
    QVERIFY(prompt.calls().empty());

    // Stored bounds inside the range are shown; outside it the range's ends.
    QVERIFY(document->editCondition(
        SystemDocument::SumEdit{document->state().conditions.sumOn(), 80, 500}));
    SumDialog again(*document, prompt, *language_, nullptr);
    QCOMPARE(child<QLineEdit>(again, QStringLiteral("meDa"))->text(), QStringLiteral("80"));
    QCOMPARE(child<QLineEdit>(again, QStringLiteral("meA"))->text(), QStringLiteral("153"));
}

void ConditionsUiTest::sumChecksOnClosing_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("focus"); // empty: the dialog closed
    QTest::addColumn<int>("storedFrom");
    QTest::addColumn<int>("storedTo");

    const QString greater = QStringLiteral("'DA' è maggiore di 'A'");
    const QString belowMin = QStringLiteral("'DA' è minore del minimo");
    const QString aboveMax = QStringLiteral("'A' è maggiore del massimo");
    // Range of 1..10 in play: 15..40. Earlier stored values are 1 and 2.
    QTest::newRow("valid") << "20"
                           << "30" << QStringList{} << QString() << 20 << 30;
    QTest::newRow("from above to") << "35"
                                   << "20" << QStringList{greater} << "meA" << 35 << 20;
    QTest::newRow("below minimum") << "9"
                                   << "30" << QStringList{belowMin} << "meDa" << 9 << 30;
    QTest::newRow("above maximum") << "20"
                                   << "45" << QStringList{aboveMax} << "meA" << 20 << 45;
    QTest::newRow("two boxes, last focus wins")
        << "12"
        << "5" << QStringList{greater, belowMin} << "meDa" << 12 << 5;
    QTest::newRow("empty to reads 0") << "20"
                                      << "" << QStringList{greater} << "meA" << 20 << 2;
    QTest::newRow("both empty") << ""
                                << "" << QStringList{} << QString() << 1 << 2;
}

void ConditionsUiTest::sumChecksOnClosing() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, boxes);
    QFETCH(QString, focus);
    QFETCH(int, storedFrom);
    QFETCH(int, storedTo);

    auto document = documentOneTo(10);
    QVERIFY(document->editCondition(
        SystemDocument::SumEdit{document->state().conditions.sumOn(), 1, 2}));
    ScriptedPrompt prompt;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        prompt.acceptMessage();
    }
    SumDialog dialog(*document, prompt, *language_, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    child<QLineEdit>(dialog, QStringLiteral("meDa"))->setText(from);
    child<QLineEdit>(dialog, QStringLiteral("meA"))->setText(to);
    child(dialog, QStringLiteral("meDa"))->setFocus();
    child(dialog, QStringLiteral("meA"))->setFocus();

    const bool closed = dialog.close();
    QCOMPARE(closed, focus.isEmpty());
    QCOMPARE(dialog.isVisible(), !closed);
    QStringList shown;
    for (const auto& box : prompt.calls()) {
        shown << box.text;
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(prompt.beeps(), boxes.size());
    for (const auto& box : prompt.calls()) {
        QCOMPARE(box.icon, Prompt::Icon::Exclamation);
        QCOMPARE(box.title, box.text == QStringLiteral("'DA' è maggiore di 'A'")
                                ? QStringLiteral(" !!! E R R O R E !!! ")
                                : QStringLiteral("!!! E R R O R E !!!"));
    }
    if (!focus.isEmpty()) {
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    QCOMPARE(document->state().conditions.sumFrom, storedFrom);
    QCOMPARE(document->state().conditions.sumTo, storedTo);
}

// The bounds typed in one go: the first field full, the second takes the digits; Enter
// confirms and closes the dialog like its close box.
void ConditionsUiTest::sumTypedInOneGoAndEnterConfirms() {
    auto document = documentOneTo(10);
    ScriptedPrompt prompt;
    SumDialog dialog(*document, prompt, *language_, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* from = child<QLineEdit>(dialog, QStringLiteral("meDa"));
    auto* to = child<QLineEdit>(dialog, QStringLiteral("meA"));
    from->setFocus();
    QTRY_VERIFY(from->hasSelectedText());
    QTest::keyClicks(from, QStringLiteral("018"));
    QVERIFY(to->hasFocus());
    QTRY_VERIFY(to->hasSelectedText());
    QTest::keyClicks(to, QStringLiteral("33"));
    QVERIFY(to->hasFocus()); // two digits of three: not yet full
    QTest::keyClick(to, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(document->state().conditions.sumFrom, 18);
    QCOMPARE(document->state().conditions.sumTo, 33);
    QCOMPARE(prompt.calls().size(), std::size_t{0});
}

void ConditionsUiTest::sumSwitchWritesTheFlagAtOnce() {
    auto document = documentOneTo(10);
    const auto& conditions = document->state().conditions;
    ScriptedPrompt prompt;
    SumDialog dialog(*document, prompt, *language_, nullptr);
    auto* sw = dialog.conditionSwitch();
    QVERIFY(!sw->isOn());
    click(child(dialog, QStringLiteral("optCondSomma(0)")));
    QVERIFY(conditions.sumOn());
    click(child(dialog, QStringLiteral("optCondSomma(1)")));
    QVERIFY(!conditions.sumOn());
}

void ConditionsUiTest::lockedDialogsAreReadOnly() {
    auto document = documentOneTo(10);
    QVERIFY(document->editCondition(SystemDocument::SumEdit{true, 20, 30}));
    QVERIFY(document->editCondition(SystemDocument::FixedEdit{false, NumberSet{3}}));
    QVERIFY(document->editCondition(SystemDocument::ConsecutiveEdit{false, CountSet{2}}));
    QVERIFY(document->lock());
    QVERIFY(!document->canEditConditions());
    const SystemState before = document->state();
    const auto& state = document->state();
    ScriptedPrompt prompt;

    SumDialog sum(*document, prompt, *language_, nullptr);
    QVERIFY(!sum.panel()->isEnabled());
    QVERIFY(!sum.conditionSwitch()->isEnabled());
    QVERIFY(sum.conditionSwitch()->isOn());
    child<QLineEdit>(sum, QStringLiteral("meDa"))->setText(QStringLiteral("999"));
    sum.show();
    QVERIFY(sum.close());

    EvenOddDialog evenOdd(*document, *language_, nullptr);
    evenOdd.show();
    clickCell(evenOdd, QStringLiteral("labPariDispari(2)"));
    click(child(evenOdd, QStringLiteral("optCondizione(0)")));
    QVERIFY(evenOdd.close());

    FixedDialog fixed(*document, *language_, nullptr);
    fixed.show();
    QVERIFY(fixed.grid()->marked(2));
    clickCell(fixed, QStringLiteral("labGriglia(2)"));
    clickCell(fixed, QStringLiteral("labGriglia(5)"));
    QVERIFY(fixed.close());

    ConsecutiveDialog consecutive(*document, *language_, nullptr);
    consecutive.show();
    QVERIFY(consecutive.grid()->marked(2));
    clickCell(consecutive, QStringLiteral("lbPresenze(3)"));
    QVERIFY(consecutive.close());

    ReducedDialog reduced(*document, prompt, *language_, nullptr);
    reduced.show();
    QVERIFY(!reduced.scrollBar()->isEnabled());
    reduced.scrollBar()->setValue(4);
    QVERIFY(reduced.close());

    QVERIFY(prompt.calls().empty());
    QCOMPARE(state.conditions.sumFrom, before.conditions.sumFrom);
    QCOMPARE(state.conditions.sumTo, before.conditions.sumTo);
    QVERIFY(state.conditions.evenCounts() == before.conditions.evenCounts());
    QVERIFY(!state.conditions.evenOddOn());
    QVERIFY(state.conditions.fixed() == before.conditions.fixed());
    QCOMPARE(state.conditions.fixedCount(), 1);
    QVERIFY(state.consecutive.runs() == CountSet{2});
    QCOMPARE(state.conditions.reducedN, 0);
}

void ConditionsUiTest::evenOddCellsWriteAtOnceAndDrag() {
    auto document = documentOneTo(10);
    QVERIFY(document->editCondition(SystemDocument::EvenOddEdit{false, CountSet{4}}));
    const auto& conditions = document->state().conditions;
    EvenOddDialog dialog(*document, *language_, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pari e Dispari"));
    QCOMPARE(dialog.grid()->cell(1)->text(), QStringLiteral("  1                 4"));
    QVERIFY(dialog.grid()->marked(4));
    clickCell(dialog, QStringLiteral("labPariDispari(5)")); // before the dialog is on screen
    QVERIFY(conditions.evenCounts().contains(5));
    QVERIFY(!conditions.evenCounts().contains(0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    clickCell(dialog, QStringLiteral("labPariDispari(0)"));
    QVERIFY(conditions.evenCounts().contains(0));
    QCOMPARE(dialog.grid()->cell(0)->property("Tag").toString(), QStringLiteral("1"));
    // An accepted row is drawn in the selection colour of the filter grid, not in red.
    QCOMPARE(dialog.grid()->cell(0)->palette().color(QPalette::Window),
             CellLook::blue().markedBackground);
    QCOMPARE(dialog.grid()->cell(1)->palette().color(QPalette::Window), QColor(Qt::white));

    // Drag from cell 2 down to cell 4: every cell entered toggles once.
    auto* first = dialog.grid()->cell(2);
    QTest::mousePress(first, Qt::LeftButton, {}, first->rect().center());
    for (int k = 3; k <= 4; ++k) {
        auto* cell = dialog.grid()->cell(k);
        const auto pos = first->mapFromGlobal(cell->mapToGlobal(cell->rect().center()));
        QTest::mouseMove(first, pos);
        QTest::mouseMove(first, pos + QPoint(1, 0)); // still inside: no second toggle
    }
    QTest::mouseRelease(first, Qt::LeftButton, {}, first->rect().center());
    QVERIFY(conditions.evenCounts().contains(2));
    QVERIFY(conditions.evenCounts().contains(3));
    QVERIFY(!conditions.evenCounts().contains(4));
    QVERIFY(!conditions.evenCounts().contains(1));
}

void ConditionsUiTest::fixedNumbersAtMostFourAmongNumbersInPlay() {
    auto document = documentWith({1, 2, 3, 4, 5, 6, 7, 40});
    QVERIFY(document->editCondition(
        SystemDocument::FixedEdit{false, NumberSet{2, 30}})); // 30 is no longer in play
    FixedDialog dialog(*document, *language_, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Fisse"));
    QCOMPARE(dialog.grid()->cell(39)->text(), QStringLiteral("40"));
    QVERIFY(dialog.grid()->marked(1));
    QVERIFY(!dialog.grid()->marked(29));
    QVERIFY(!dialog.grid()->cell(29)->selectable());
    auto* count = child<QLabel>(dialog, QStringLiteral("l1"));
    QCOMPARE(count->text(), QStringLiteral("1"));
    dialog.show();

    clickCell(dialog, QStringLiteral("labGriglia(20)")); // 21 is not in play
    for (int i : {0, 2, 3}) {
        clickCell(dialog, QStringLiteral("labGriglia(%1)").arg(i));
    }
    QCOMPARE(count->text(), QStringLiteral("4"));
    clickCell(dialog, QStringLiteral("labGriglia(39)")); // a fifth: nothing happens
    QVERIFY(!dialog.grid()->marked(39));
    QCOMPARE(count->text(), QStringLiteral("4"));
    clickCell(dialog, QStringLiteral("labGriglia(1)")); // deselecting makes room
    clickCell(dialog, QStringLiteral("labGriglia(39)"));
    QVERIFY(dialog.grid()->marked(39));
    QVERIFY(dialog.close());

    QVERIFY(document->state().conditions.fixed() == (NumberSet{1, 3, 4, 40}));
    QCOMPARE(document->state().conditions.fixedCount(), 4);
}

void ConditionsUiTest::consecutiveShowsMaxAndStoresRuns() {
    auto document = documentWith({1, 2, 3, 10, 11, 20});
    QVERIFY(document->editCondition(SystemDocument::ConsecutiveEdit{false, CountSet{1, 5}}));
    const auto& consecutive = document->state().consecutive;
    ConsecutiveDialog dialog(*document, *language_, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Numeri Consecutivi"));
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("l1"))->text(), QStringLiteral("03"));
    QVERIFY(dialog.grid()->marked(1));
    QVERIFY(dialog.grid()->marked(5));
    QVERIFY(!dialog.grid()->cell(0)->isVisible());
    QCOMPARE(dialog.grid()->cell(3)->text(), QStringLiteral("3"));
    dialog.show();
    clickCell(dialog, QStringLiteral("lbPresenze(5)"));
    clickCell(dialog, QStringLiteral("lbPresenze(3)"));
    QVERIFY(consecutive.runs() == (CountSet{1, 5})); // stored on closing
    QVERIFY(dialog.close());
    QVERIFY(consecutive.runs() == (CountSet{1, 3}));

    auto wide = documentOneTo(12);
    ConsecutiveDialog capped(*wide, *language_, nullptr);
    QCOMPARE(child<QLabel>(capped, QStringLiteral("l1"))->text(), QStringLiteral("05"));
}

void ConditionsUiTest::reductionsFirstOpenDefaults() {
    auto document = documentOneTo(10);
    ScriptedPrompt prompt;
    MinimumDistanceDialog distance(*document, prompt, *language_, nullptr);
    QCOMPARE(distance.windowTitle(), QStringLiteral(" Ridotto Distanza Minima"));
    QCOMPARE(distance.scrollBar()->objectName(), QStringLiteral("hsDistanzaMinima"));
    QCOMPARE(distance.scrollBar()->minimum(), 1);
    QCOMPARE(distance.scrollBar()->maximum(), 5);
    auto* label = child<QLabel>(distance, QStringLiteral("lblDistanzaMinima"));
    QCOMPARE(label->text(), QStringLiteral("1"));
    distance.show();
    QVERIFY(distance.close());
    QCOMPARE(document->state().minimumDistance.minDistance, 1);

    // A level beyond the scroll bar, as a system file may hold it.
    SystemState stored = document->state();
    stored.conditions.reducedN = 9;
    const auto storedLevel = documentOpening(stored);
    QCOMPARE(storedLevel->state().conditions.reducedN, 9);
    ReducedDialog reduced(*storedLevel, prompt, *language_, nullptr);
    QCOMPARE(reduced.windowTitle(), QStringLiteral("Ridotto a Garanzia"));
    QCOMPARE(reduced.scrollBar()->value(), 5);
    auto* level = child<QLabel>(reduced, QStringLiteral("lblRidottoNx"));
    QCOMPARE(level->text(), QStringLiteral("5"));
    reduced.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(level->text(), QStringLiteral("4"));
    reduced.show();
    QVERIFY(reduced.close());
    QCOMPARE(storedLevel->state().conditions.reducedN, 4);
    QVERIFY(prompt.calls().empty());
}

void ConditionsUiTest::reductionsExcludeEachOther_data() {
    QTest::addColumn<bool>("openReduced"); // else the minimum distance
    QTest::addColumn<bool>("reducedOn");
    QTest::addColumn<bool>("distanceOn");
    QTest::addColumn<bool>("wantReduced");
    QTest::addColumn<bool>("wantDistance");
    QTest::addColumn<bool>("warned");
    QTest::newRow("reduced over distance") << true << true << true << true << false << true;
    QTest::newRow("distance over reduced") << false << true << true << false << true << true;
    QTest::newRow("reduced alone") << true << true << false << true << false << false;
    QTest::newRow("reduced off keeps distance") << true << false << true << false << true << false;
    QTest::newRow("distance off keeps reduced") << false << true << false << true << false << false;
}

void ConditionsUiTest::reductionsExcludeEachOther() {
    QFETCH(bool, openReduced);
    QFETCH(bool, reducedOn);
    QFETCH(bool, distanceOn);
    QFETCH(bool, wantReduced);
    QFETCH(bool, wantDistance);
    QFETCH(bool, warned);

    auto document = documentOneTo(10);
    QVERIFY(document->editCondition(SystemDocument::ReducedEdit{reducedOn, {}}));
    QVERIFY(document->editCondition(SystemDocument::MinimumDistanceEdit{distanceOn, {}}));
    ScriptedPrompt prompt;
    if (warned) {
        prompt.acceptMessage();
    }
    std::unique_ptr<ReductionDialog> dialog;
    if (openReduced) {
        dialog = std::make_unique<ReducedDialog>(*document, prompt, *language_, nullptr);
    } else {
        dialog = std::make_unique<MinimumDistanceDialog>(*document, prompt, *language_, nullptr);
    }
    QCOMPARE(dialog->conditionSwitch()->isOn(), openReduced ? reducedOn : distanceOn);
    dialog->show();
    QVERIFY(dialog->close());
    QCOMPARE(document->state().conditions.reducedOn(), wantReduced);
    QCOMPARE(document->state().minimumDistance.on(), wantDistance);
    QCOMPARE(prompt.calls().size(), warned ? 1u : 0u);
    if (warned) {
        // No language file here: the program's own text stands in, never an empty box.
        QCOMPARE(prompt.calls().front().icon, Prompt::Icon::Exclamation);
        QVERIFY(prompt.calls().front().text.contains(
            openReduced ? QStringLiteral("Distanza Minima è stato disattivato")
                        : QStringLiteral("Garanzia è stato disattivato")));
    }
}

namespace {

// 1..7 developed: 21 columns, locked.
std::unique_ptr<SystemDocument> developedDocument(int last = 7) {
    auto document = documentOneTo(last);
    developDocument(*document);
    return document;
}

QStringList itemTexts(const QListWidget* list) {
    QStringList t;
    for (int i = 0; i < list->count(); ++i) {
        t << list->item(i)->text();
    }
    return t;
}

} // namespace

void ConditionsUiTest::excludedAddMovesSelectedInOrder() {
    auto document = developedDocument(); // 21 columns
    const std::vector<Column> earlier{Column{3, 7, 12, 25, 44}};
    QVERIFY(document->editCondition(SystemDocument::ExcludedEdit{false, earlier}));
    const auto& state = document->state();
    ScriptedPrompt prompt;
    ExcludedColumnsDialog dialog(*document, prompt, *language_, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Escludi Colonne"));
    auto* system = dialog.systemList();
    auto* excluded = dialog.excludedList();
    QCOMPARE(system->count(), 21);
    QCOMPARE(system->item(0)->text(), QStringLiteral("01    02    03    04    05    "));
    QCOMPARE(itemTexts(excluded), QStringList{QStringLiteral("03    07    12    25    44    ")});
    auto* systemCount = child<QLabel>(dialog, QStringLiteral("lblSistema"));
    auto* excludedCount = child<QLabel>(dialog, QStringLiteral("lblColonneEscluse"));
    QCOMPARE(systemCount->text(), QStringLiteral("21"));
    QCOMPARE(excludedCount->text(), QStringLiteral("1"));

    // Picked bottom first: they still arrive in list order.
    const QStringList picked{system->item(2)->text(), system->item(9)->text(),
                             system->item(20)->text()};
    for (int row : {20, 2, 9}) {
        system->item(row)->setSelected(true);
    }
    click(child(dialog, QStringLiteral("cmdAdd")));
    QCOMPARE(itemTexts(excluded).mid(1), picked);
    QCOMPARE(system->count(), 18);
    QVERIFY(!itemTexts(system).contains(picked[1]));
    QCOMPARE(systemCount->text(), QStringLiteral("18"));
    QCOMPARE(excludedCount->text(), QStringLiteral("4"));

    click(child(dialog, QStringLiteral("optCondizione(0)")));
    QVERIFY(state.excluded.on());
    dialog.show();
    QVERIFY(dialog.close());
    const auto excludedColumns = state.excluded.columns();
    QCOMPARE(excludedColumns.size(), 4u);
    QCOMPARE(excludedColumns[0], (Column{3, 7, 12, 25, 44}));
    QCOMPARE(excludedColumns[1], state.columns[2]);
    QCOMPARE(excludedColumns[2], state.columns[9]);
    QCOMPARE(excludedColumns[3], state.columns[20]);
    QVERIFY(prompt.calls().empty());
}

void ConditionsUiTest::excludedRemoveThenClose() {
    auto document = developedDocument();
    ScriptedPrompt prompt;
    ExcludedColumnsDialog dialog(*document, prompt, *language_, nullptr);
    dialog.systemList()->item(0)->setSelected(true);
    dialog.systemList()->item(1)->setSelected(true);
    click(child(dialog, QStringLiteral("cmdAdd")));
    click(child(dialog, QStringLiteral("cmdRemove")));
    QCOMPARE(dialog.excludedList()->count(), 0);
    QCOMPARE(dialog.systemList()->count(), 19); // the moved columns do not come back
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("lblColonneEscluse"))->text(),
             QStringLiteral("0"));
    dialog.show();
    QVERIFY(dialog.close());
    QVERIFY(document->state().excluded.columns().empty());
}

void ConditionsUiTest::excludedNeverPassesTheLimit() {
    auto document = developedDocument(16); // 4,368 columns
    const auto& state = document->state();
    std::vector<Column> earlier;
    for (int i = 0; i < 990; ++i) {
        earlier.push_back(state.columns[static_cast<std::size_t>(4000 + i % 300)]);
    }
    QVERIFY(document->editCondition(SystemDocument::ExcludedEdit{false, earlier}));
    ScriptedPrompt prompt;
    prompt.acceptMessage();
    ExcludedColumnsDialog dialog(*document, prompt, *language_, nullptr);
    for (int row = 0; row < 25; ++row) {
        dialog.systemList()->item(row)->setSelected(true);
    }
    click(child(dialog, QStringLiteral("cmdAdd")));
    QCOMPARE(dialog.excludedList()->count(), MaxExcluded);
    QCOMPARE(dialog.systemList()->count(), 4368 - 10);
    QCOMPARE(dialog.systemList()->selectedItems().size(), 15); // the rest stay picked
    QCOMPARE(prompt.calls().size(), 1u);
    QVERIFY(prompt.calls().front().text.contains(QStringLiteral("15 colonne")));
    dialog.show();
    QVERIFY(dialog.close());
    QCOMPARE(state.excluded.columns().size(), std::size_t{MaxExcluded});
    QCOMPARE(state.excluded.columns()[999], state.columns[9]);
}

void ConditionsUiTest::shuffleAsksAndMovesWholeColumns() {
    WindowOverDocument fixture;
    QVERIFY(fixture.opened());
    auto& document = fixture.document();
    auto& prompt = fixture.prompt();
    auto& window = fixture.window();
    QVERIFY(document.setNumbers(NumberSet{1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(document.setEuros(NumberSet{1, 2}));
    developDocument(document);
    const auto before = document.state().columns;
    QCOMPARE(before.size(), 21u);
    auto* entry = window.actions().shuffle;
    QVERIFY(entry->isEnabled());

    prompt.answerQuestion(false);
    window.shuffleColumns();
    QVERIFY(document.state().columns == before);
    QCOMPARE(prompt.calls().size(), 1u);
    QCOMPARE(prompt.calls().front().text, QStringLiteral("Vuoi mescolare le colonne"));
    QCOMPARE(prompt.calls().front().title, QString());
    QCOMPARE(prompt.calls().front().icon, Prompt::Icon::None);

    // Shuffle until the order changes (21 columns: one try nearly always does).
    bool changed = false;
    for (int i = 0; i < 5 && !changed; ++i) {
        prompt.answerQuestion(true);
        window.shuffleColumns();
        changed = document.state().columns != before;
    }
    QVERIFY(changed);
    QCOMPARE(prompt.pending(), 0);
    QVERIFY(entry->isEnabled());
    QVERIFY(document.locked());
    auto sorted = document.state().columns;
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(sorted == before); // same columns, each still ascending inside
}

// End to end: conditions set through the dialogs develop exactly like the same conditions
// set directly on the document.

void ConditionsUiTest::endToEnd_data() {
    QTest::addColumn<int>("numbers");         // 1..numbers in play, Euro numbers 1 and 2
    QTest::addColumn<bool>("developedFirst"); // the dialogs work on a developed system
    QTest::addColumn<DialogSteps>("throughDialogs");
    QTest::addColumn<DirectSteps>("direct");
    QTest::addColumn<int>("fewest"); // the developed columns: at least, at most
    QTest::addColumn<int>("most");
    QTest::addColumn<Columns>("exactly"); // when not empty

    QTest::newRow("sum, even/odd")
        << 14 << false
        << DialogSteps([](SystemDocument& document, ScriptedPrompt& prompt, Language& language) {
               SumDialog sum(document, prompt, language, nullptr);
               sum.show();
               click(child(sum, QStringLiteral("optCondSomma(0)")));
               child<QLineEdit>(sum, QStringLiteral("meDa"))->setText(QStringLiteral("30"));
               child<QLineEdit>(sum, QStringLiteral("meA"))->setText(QStringLiteral("45"));
               QVERIFY(sum.close());
               EvenOddDialog evenOdd(document, language, nullptr);
               evenOdd.show();
               click(child(evenOdd, QStringLiteral("optCondizione(0)")));
               clickCell(evenOdd, QStringLiteral("labPariDispari(2)"));
               clickCell(evenOdd, QStringLiteral("labPariDispari(3)"));
               QVERIFY(evenOdd.close());
           })
        << DirectSteps([](SystemDocument& direct, const SystemState&) {
               QVERIFY(direct.editCondition(SystemDocument::SumEdit{true, 30, 45}));
               QVERIFY(direct.editCondition(SystemDocument::EvenOddEdit{true, CountSet{2, 3}}));
           })
        << 1 << 2001 << Columns{};
    QTest::newRow("fixed, consecutive")
        << 12 << false
        << DialogSteps([](SystemDocument& document, ScriptedPrompt&, Language& language) {
               FixedDialog fixed(document, language, nullptr);
               fixed.show();
               click(child(fixed, QStringLiteral("optCondFisse(0)")));
               clickCell(fixed, QStringLiteral("labGriglia(4)"));
               clickCell(fixed, QStringLiteral("labGriglia(8)"));
               QVERIFY(fixed.close());
               ConsecutiveDialog consecutive(document, language, nullptr);
               consecutive.show();
               click(child(consecutive, QStringLiteral("optCond(0)")));
               clickCell(consecutive, QStringLiteral("lbPresenze(1)"));
               clickCell(consecutive, QStringLiteral("lbPresenze(2)"));
               QVERIFY(consecutive.close());
           })
        << DirectSteps([](SystemDocument& direct, const SystemState&) {
               QVERIFY(direct.editCondition(SystemDocument::FixedEdit{true, NumberSet{5, 9}}));
               QVERIFY(direct.editCondition(SystemDocument::ConsecutiveEdit{true, CountSet{1, 2}}));
           })
        << 1 << 119 << Columns{};
    QTest::newRow("minimum distance")
        << 7 << false
        << DialogSteps([](SystemDocument& document, ScriptedPrompt& prompt, Language& language) {
               MinimumDistanceDialog distance(document, prompt, language, nullptr);
               distance.show();
               click(child(distance, QStringLiteral("optCond(0)")));
               distance.scrollBar()->setValue(5);
               QVERIFY(distance.close());
           })
        << DirectSteps([](SystemDocument& direct, const SystemState&) {
               QVERIFY(direct.editCondition(SystemDocument::MinimumDistanceEdit{true, 5}));
           })
        << 1 << 1 << Columns{};
    QTest::newRow("reduced")
        << 10 << false
        << DialogSteps([](SystemDocument& document, ScriptedPrompt& prompt, Language& language) {
               ReducedDialog reduced(document, prompt, language, nullptr);
               reduced.show();
               click(child(reduced, QStringLiteral("optCondizione(0)")));
               reduced.scrollBar()->setValue(4);
               QVERIFY(reduced.close());
           })
        << DirectSteps([](SystemDocument& direct, const SystemState&) {
               QVERIFY(direct.editCondition(SystemDocument::ReducedEdit{true, 4}));
           })
        << 2 << 2 << Columns{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
    QTest::newRow("excluded")
        << 7 << true
        << DialogSteps([](SystemDocument& document, ScriptedPrompt& prompt, Language& language) {
               ExcludedColumnsDialog dialog(document, prompt, language, nullptr);
               dialog.show();
               click(child(dialog, QStringLiteral("optCondizione(0)")));
               dialog.systemList()->item(0)->setSelected(true);
               dialog.systemList()->item(5)->setSelected(true);
               click(child(dialog, QStringLiteral("cmdAdd")));
               QVERIFY(dialog.close());
           })
        << DirectSteps([](SystemDocument& direct, const SystemState& throughDialogs) {
               const std::vector<Column> picked{throughDialogs.columns[0],
                                                throughDialogs.columns[5]};
               QVERIFY(direct.editCondition(SystemDocument::ExcludedEdit{true, picked}));
           })
        << 19 << 19 << Columns{};
}

void ConditionsUiTest::endToEnd() {
    QFETCH(int, numbers);
    QFETCH(bool, developedFirst);
    QFETCH(DialogSteps, throughDialogs);
    QFETCH(DirectSteps, direct);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QFETCH(Columns, exactly);

    auto document = developedFirst ? developedDocument(numbers) : documentOneTo(numbers);
    ScriptedPrompt prompt;
    throughDialogs(*document, prompt, *language_);
    auto directDocument = documentOneTo(numbers);
    direct(*directDocument, document->state());
    if (QTest::currentTestFailed()) {
        return;
    }
    const auto want = developed(directDocument->state());
    QVERIFY(static_cast<int>(want.size()) >= fewest && static_cast<int>(want.size()) <= most);
    QVERIFY(developed(document->state()) == want);
    QVERIFY(exactly.empty() || want == exactly);
}

void ConditionsUiTest::conditionsSurviveTheSystemFile() {
    auto document = documentOneTo(9);
    const auto& state = document->state();
    ScriptedPrompt prompt;
    {
        SumDialog sum(*document, prompt, *language_, nullptr);
        sum.show();
        click(child(sum, QStringLiteral("optCondSomma(0)")));
        child<QLineEdit>(sum, QStringLiteral("meDa"))->setText(QStringLiteral("20"));
        QVERIFY(sum.close());
        EvenOddDialog evenOdd(*document, *language_, nullptr);
        evenOdd.show();
        click(child(evenOdd, QStringLiteral("optCondizione(0)")));
        for (int k : {1, 2, 3}) {
            clickCell(evenOdd, QStringLiteral("labPariDispari(%1)").arg(k));
        }
        QVERIFY(evenOdd.close());
        FixedDialog fixed(*document, *language_, nullptr);
        fixed.show();
        click(child(fixed, QStringLiteral("optCondFisse(0)")));
        clickCell(fixed, QStringLiteral("labGriglia(3)"));
        QVERIFY(fixed.close());
        ConsecutiveDialog consecutive(*document, *language_, nullptr);
        consecutive.show();
        click(child(consecutive, QStringLiteral("optCond(0)")));
        clickCell(consecutive, QStringLiteral("lbPresenze(1)"));
        clickCell(consecutive, QStringLiteral("lbPresenze(2)"));
        QVERIFY(consecutive.close());
        MinimumDistanceDialog distance(*document, prompt, *language_, nullptr);
        distance.show();
        click(child(distance, QStringLiteral("optCond(0)")));
        distance.scrollBar()->setValue(2);
        QVERIFY(distance.close());
    }
    const std::vector<Column> excluded{Column{1, 4, 5, 6, 7}};
    QVERIFY(document->editCondition(SystemDocument::ExcludedEdit{true, excluded}));
    FilterColumn filter;
    filter.setMembers(NumberSet{1, 2, 3});
    filter.setHits(CountSet{0, 1});
    filter.setOn(true);
    QVERIFY(document->setFilters(std::span(&filter, 1)));

    auto loaded = decodeSystemFile(encodeSystemFile(state));
    QVERIFY(loaded.ok());
    const auto& back = loaded.value().state;
    const auto& c = state.conditions;
    const auto& b = back.conditions;
    QCOMPARE(b.sumOn(), c.sumOn());
    QCOMPARE(b.sumFrom, c.sumFrom);
    QCOMPARE(b.sumTo, c.sumTo);
    QCOMPARE(b.evenOddOn(), c.evenOddOn());
    QVERIFY(b.evenCounts() == c.evenCounts());
    QCOMPARE(b.fixedOn(), c.fixedOn());
    QVERIFY(b.fixed() == c.fixed());
    QCOMPARE(b.fixedCount(), c.fixedCount());
    QCOMPARE(b.reducedOn(), c.reducedOn());
    QCOMPARE(b.reducedN, c.reducedN);
    QCOMPARE(back.consecutive.on(), state.consecutive.on());
    QVERIFY(back.consecutive.runs() == state.consecutive.runs());
    QCOMPARE(back.minimumDistance.minDistance, 2);
    QVERIFY(back.minimumDistance.on());
    QCOMPARE(back.excluded.columns().size(), 1u);
    QCOMPARE(back.excluded.columns()[0], state.excluded.columns()[0]);
    QCOMPARE(back.filterCount, 1);
    QVERIFY(back.filters[0] == state.filters[0]);
    QVERIFY(back.filters[0] == filter);

    const auto want = developed(state);
    QVERIFY(!want.empty());
    QVERIFY(developed(back) == want);
}

QTEST_MAIN(ConditionsUiTest)
#include "ConditionsUiTest.moc"
