#include "core/Development.h"
#include "core/SystemState.h"
#include "settings/Language.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/filters/FilterDialog.h"
#include "ui/filters/FilterImportDialog.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/OnOffSwitch.h"

#include <memory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quintora;
using test::ScriptedPrompt;

namespace {

const QString ClearAllQuestion = QStringLiteral(
    "Questa funzione cancellera' tutte le colonne filtro presenti\r\nVuoi procedere ?");

std::unique_ptr<SystemState> stateOneTo(int last) {
    auto state = std::make_unique<SystemState>();
    std::array<bool, MainNumberCount> marks{};
    std::fill_n(marks.begin(), last, true);
    setNumbersInPlay(state->header, marks);
    const std::array<bool, EuroNumberCount> euro{true, true};
    setEuroNumbers(state->header, euro);
    return state;
}

FilterColumn filterOf(std::initializer_list<int> members, std::int32_t hits, bool on) {
    FilterColumn f;
    for (int n : members) {
        f.members[static_cast<std::size_t>(n - 1)] = 1;
    }
    f.acceptedHits = hits;
    f.active = toFlag(on);
    return f;
}

using test::child;
using test::click;

void press(const QWidget& dialog, const QString& name) {
    click(child(dialog, name));
}
QString text(const QWidget& dialog, const QString& name) {
    return child<QLabel>(dialog, name)->text();
}

} // namespace

class FiltersUiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void opensOnPanelOneWithTotals();
    void movesAreClamped_data();
    void movesAreClamped();
    void moveButtonsHaveTipsAndRepeat();
    void leavingAPanelStoresIt();
    void onlyNumbersInPlayCanBeChosen();
    void counterFollowsTheSwitch();
    void clearPanelAndClearAll();
    void closingPutsSwitchedOnPanelsFirst();
    void lockedPanelsAreViewOnly();

    void importNeedsAFileAndAsksFirst();
    void importLoadsLinesWithChosenHits();
    void importWarnsAtTheLimitAndAboutSkippedPieces();
    void importOfAnUnreadableFileChangesNothing();
    void importFromTheFilterDialog();

    void endToEndFilters();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);

    std::unique_ptr<test::TemporaryXdg> xdg_;
    std::unique_ptr<Language> language_;
};

void FiltersUiTest::initTestCase() {
    xdg_ = std::make_unique<test::TemporaryXdg>();
    QVERIFY(QDir().mkpath(xdg_->dataFolder()));
    language_ = std::make_unique<Language>(xdg_->dataFolder().toStdString());
}

QString FiltersUiTest::writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(QDir(xdg_->dataFolder()).filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(name));
    }
    return f.fileName();
}

void FiltersUiTest::opensOnPanelOneWithTotals() {
    auto state = stateOneTo(10);
    state->filters[0] = filterOf({1, 2, 3}, 1 + 2, true);
    state->filters[1] = filterOf({4}, 0, true);
    state->filterCount = 2;
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmFiltri"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Colonne Filtro"));
    QCOMPARE(dialog.panelNumber(), 1);
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltri")), QStringLiteral("1.000"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("02"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("998"));
    QCOMPARE(text(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("03"));
    QCOMPARE(dialog.numberGrid()->cell(0)->text(), QStringLiteral("01"));
    QVERIFY(dialog.numberGrid()->marked(2));
    QCOMPARE(dialog.numberGrid()->cell(2)->palette().color(QPalette::Window), QColor(Qt::blue));
    QVERIFY(dialog.presenceGrid()->marked(0));
    QVERIFY(dialog.presenceGrid()->marked(1));
    QVERIFY(!dialog.presenceGrid()->marked(2));
    QVERIFY(dialog.panelSwitch()->isOn());
}

void FiltersUiTest::movesAreClamped_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("panel");
    QTest::newRow("prev10 from 4") << 4 << "cmdPrev2" << 1;
    QTest::newRow("next10 from 995") << 995 << "cmdNext2" << 1000;
    QTest::newRow("prev1 from 1") << 1 << "cmdPrev1" << 1;
    QTest::newRow("next1 from 1000") << 1000 << "cmdNext1" << 1000;
    QTest::newRow("next10 from 1") << 1 << "cmdNext2" << 11;
    QTest::newRow("prev1 from 11") << 11 << "cmdPrev1" << 10;
    QTest::newRow("bottom from 500") << 500 << "cmdBOTTOM" << 1;
    QTest::newRow("top from 1") << 1 << "cmdTOP" << 1000;
}

void FiltersUiTest::movesAreClamped() {
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, panel);
    auto state = stateOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    // Reach the start: jump to an end, then step.
    if (start > 500) {
        press(dialog, QStringLiteral("cmdTOP"));
        for (int p = 1000; p - 10 >= start; p -= 10) {
            press(dialog, QStringLiteral("cmdPrev2"));
        }
    } else {
        for (int p = 1; p + 10 <= start; p += 10) {
            press(dialog, QStringLiteral("cmdNext2"));
        }
    }
    while (dialog.panelNumber() < start) {
        press(dialog, QStringLiteral("cmdNext1"));
    }
    while (dialog.panelNumber() > start) {
        press(dialog, QStringLiteral("cmdPrev1"));
    }
    QCOMPARE(dialog.panelNumber(), start);
    press(dialog, button);
    QCOMPARE(dialog.panelNumber(), panel);
    QCOMPARE(text(dialog, QStringLiteral("lblPannello")), QString::number(panel));
}

void FiltersUiTest::moveButtonsHaveTipsAndRepeat() {
    auto state = stateOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    struct Button {
        const char* name;
        const char* tip;
        bool repeats;
    };
    for (const auto& b : {Button{"cmdPrev1", "Indietro di 1 pannello", true},
                          Button{"cmdPrev2", "Indietro di 10 pannelli", true},
                          Button{"cmdNext1", "Avanti di 1 pannello", true},
                          Button{"cmdNext2", "Avanti di 10 pannelli", true},
                          Button{"cmdBOTTOM", "Primo Pannello", false},
                          Button{"cmdTOP", "Ultimo Pannello", false}}) {
        auto* button = child<QPushButton>(dialog, QString::fromLatin1(b.name));
        QCOMPARE(button->toolTip(), QString::fromUtf8(b.tip));
        QCOMPARE(button->autoRepeat(), b.repeats);
    }

    // A held key keeps stepping.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* next = child<QPushButton>(dialog, QStringLiteral("cmdNext1"));
    next->setAutoRepeatDelay(10);
    next->setAutoRepeatInterval(10);
    next->setFocus();
    QTest::keyPress(next, Qt::Key_Space);
    QTRY_VERIFY(dialog.panelNumber() >= 4);
    QTest::keyRelease(next, Qt::Key_Space);
}

void FiltersUiTest::leavingAPanelStoresIt() {
    auto state = stateOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    press(dialog, QStringLiteral("cmdNext1"));
    press(dialog, QStringLiteral("labGriglia(4)"));
    press(dialog, QStringLiteral("labGriglia(6)"));
    press(dialog, QStringLiteral("lbPresenze(0)"));
    press(dialog, QStringLiteral("lbPresenze(2)"));
    press(dialog, QStringLiteral("optCond(0)"));
    QCOMPARE(text(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("02"));
    QVERIFY(state->filters[1] == FilterColumn{}); // not stored until left
    press(dialog, QStringLiteral("cmdNext2"));
    QVERIFY(state->filters[1] == filterOf({5, 7}, 1 + 4, true));
    press(dialog, QStringLiteral("cmdBOTTOM"));
    press(dialog, QStringLiteral("cmdNext1"));
    QVERIFY(dialog.numberGrid()->marked(4));
    QVERIFY(dialog.presenceGrid()->marked(2));
    QVERIFY(dialog.panelSwitch()->isOn());
}

void FiltersUiTest::onlyNumbersInPlayCanBeChosen() {
    auto state = stateOneTo(10);
    state->filters[0] = filterOf({1, 30}, 1, false); // 30 is not in play: kept, not choosable
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(!dialog.numberGrid()->cell(29)->selectable());
    QVERIFY(dialog.numberGrid()->cell(29)->font().italic());
    // A member that is not in play still shows as chosen, so the count beside the grid adds up.
    QCOMPARE(dialog.numberGrid()->cell(29)->palette().color(QPalette::Window), QColor(Qt::blue));
    QCOMPARE(dialog.numberGrid()->cell(28)->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(text(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("02"));
    press(dialog, QStringLiteral("labGriglia(29)"));
    press(dialog, QStringLiteral("labGriglia(39)"));
    QVERIFY(!dialog.numberGrid()->marked(39));
    QVERIFY(dialog.close());
    QVERIFY(state->filters[0] == filterOf({1, 30}, 1, false));
}

void FiltersUiTest::counterFollowsTheSwitch() {
    auto state = stateOneTo(10);
    state->filters[3] = filterOf({1}, 2, true);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    press(dialog, QStringLiteral("optCond(0)"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("02"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("998"));
    press(dialog, QStringLiteral("optCond(1)"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("999"));
}

void FiltersUiTest::clearPanelAndClearAll() {
    auto state = stateOneTo(10);
    state->filters[0] = filterOf({1, 2}, 3, true);
    state->filters[1] = filterOf({3}, 3, true);
    state->filterCount = 2;
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    press(dialog, QStringLiteral("cmdCancella"));
    QCOMPARE(dialog.numberGrid()->markedCount(), 0);
    QCOMPARE(dialog.presenceGrid()->markedCount(), 0);
    QVERIFY(!dialog.panelSwitch()->isOn());
    QVERIFY(state->filters[0] == filterOf({1, 2}, 3, true)); // stored when left
    press(dialog, QStringLiteral("cmdNext1"));
    QVERIFY(state->filters[0] == FilterColumn{});

    prompt.answerQuestion(false);
    press(dialog, QStringLiteral("cmdCancellaTutto"));
    QCOMPARE(prompt.calls().back().text, ClearAllQuestion);
    QCOMPARE(dialog.panelNumber(), 2);
    QVERIFY(state->filters[1] == filterOf({3}, 3, true));

    prompt.answerQuestion(true);
    press(dialog, QStringLiteral("cmdCancellaTutto"));
    QCOMPARE(dialog.panelNumber(), 1);
    QCOMPARE(state->filterCount, 0);
    QVERIFY(state->filters[1] == FilterColumn{});
    QCOMPARE(text(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("00"));
}

void FiltersUiTest::closingPutsSwitchedOnPanelsFirst() {
    auto state = stateOneTo(10);
    for (int i = 0; i < 6; ++i) {
        state->filters[static_cast<std::size_t>(i)] = filterOf({i + 1}, 1 << (i % 6), false);
    }
    const auto old2 = filterOf({2}, 2, true);
    const auto old5 = filterOf({5}, 16, true);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    for (int i = 0; i < 4; ++i) {
        press(dialog, QStringLiteral("cmdNext1"));
        if (dialog.panelNumber() == 2) {
            press(dialog, QStringLiteral("optCond(0)"));
        }
    }
    QCOMPARE(dialog.panelNumber(), 5);
    press(dialog, QStringLiteral("optCond(0)")); // panel 5 is stored by closing
    QVERIFY(dialog.close());
    QCOMPARE(state->filterCount, 2);
    QVERIFY(state->filters[0] == old2);
    QVERIFY(state->filters[1] == old5);
    QVERIFY(state->filters[2] == filterOf({1}, 1, false));
    QVERIFY(state->filters[3] == filterOf({3}, 4, false));
    QVERIFY(state->filters[5] == filterOf({6}, 32, false));
}

void FiltersUiTest::lockedPanelsAreViewOnly() {
    auto state = stateOneTo(10);
    state->guiLocked = -1;
    state->filters[0] = filterOf({1}, 1, true);
    state->filters[1] = filterOf({2}, 2, false); // out of order: must stay as it is
    state->filters[2] = filterOf({3}, 4, true);
    state->filterCount = 1;
    const auto before = state->filters;
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(!child(dialog, QStringLiteral("frameFiltro"))->isEnabled());
    press(dialog, QStringLiteral("labGriglia(4)"));
    press(dialog, QStringLiteral("optCond(1)"));
    press(dialog, QStringLiteral("cmdCancellaTutto"));
    press(dialog, QStringLiteral("cmdNext1"));
    QCOMPARE(dialog.panelNumber(), 2);
    QVERIFY(dialog.numberGrid()->marked(1));
    QVERIFY(dialog.close());
    QVERIFY(prompt.calls().empty());
    QVERIFY(state->filters == before);
    QCOMPARE(state->filterCount, 1);
}

void FiltersUiTest::importNeedsAFileAndAsksFirst() {
    auto state = stateOneTo(10);
    state->filters[0] = filterOf({9}, 1, true);
    state->filterCount = 1;
    const auto path = writeFile(QStringLiteral("one.txt"), "1 2 3\n");
    ScriptedPrompt prompt;
    FilterImportDialog dialog(*state, prompt, *language_, QStringLiteral("/data/txt"), nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmImportFiltri"));
    auto* process = child<QPushButton>(dialog, QStringLiteral("cmdProcess"));
    QVERIFY(!process->isEnabled());
    prompt.answerOpenFile(path);
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    QCOMPARE(prompt.calls().back().text, QStringLiteral("/data/txt")); // the folder
    QCOMPARE(prompt.calls().back().title, QStringLiteral("File TXT (*.txt)|*.txt"));
    QVERIFY(process->isEnabled());
    prompt.answerOpenFile(QString()); // cancelled
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    QVERIFY(!process->isEnabled());
    prompt.answerOpenFile(path);
    press(dialog, QStringLiteral("cmdImportaFiltri"));

    dialog.show();
    prompt.answerQuestion(false);
    click(process);
    QCOMPARE(prompt.calls().back().text, ClearAllQuestion);
    QVERIFY(dialog.isVisible());
    QCOMPARE(state->filterCount, 1);
    QVERIFY(state->filters[0] == filterOf({9}, 1, true));
}

void FiltersUiTest::importLoadsLinesWithChosenHits() {
    auto state = stateOneTo(10);
    state->filters[7] = filterOf({9}, 1, true);
    const auto path = writeFile(QStringLiteral("three.txt"), "1-2-3\n\n  \t\n4;5.6\r\n7 \t8\n");
    ScriptedPrompt prompt;
    FilterImportDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    press(dialog, QStringLiteral("lbPresenze(0)"));
    press(dialog, QStringLiteral("lbPresenze(3)"));
    prompt.answerOpenFile(path);
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    prompt.answerQuestion(true);
    press(dialog, QStringLiteral("cmdProcess"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(state->filterCount, 3);
    QVERIFY(state->filters[0] == filterOf({1, 2, 3}, 1 + 8, true));
    QVERIFY(state->filters[1] == filterOf({4, 5, 6}, 1 + 8, true));
    QVERIFY(state->filters[2] == filterOf({7, 8}, 1 + 8, true));
    QVERIFY(state->filters[7] == FilterColumn{});
    QCOMPARE(prompt.calls().size(), 2u); // file, question; no warning
}

void FiltersUiTest::importWarnsAtTheLimitAndAboutSkippedPieces() {
    QByteArray many;
    for (int i = 0; i < 1200; ++i) {
        many += i == 0 ? "1 x 2 77,3\n" : "4 5\n";
    }
    const auto path = writeFile(QStringLiteral("many.txt"), many);
    auto state = stateOneTo(10);
    ScriptedPrompt prompt;
    FilterImportDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    prompt.answerOpenFile(path);
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    prompt.answerQuestion(true);
    prompt.acceptMessage();
    prompt.acceptMessage();
    press(dialog, QStringLiteral("cmdProcess"));
    QCOMPARE(state->filterCount, MaxFilterColumns);
    QVERIFY(state->filters[0] == filterOf({1, 2, 3}, 0, true));
    QCOMPARE(prompt.calls().size(), 4u);
    QCOMPARE(prompt.calls()[2].title, QStringLiteral("ATTENZIONE"));
    QCOMPARE(prompt.calls()[2].icon, Prompt::Icon::Critical);
    QVERIFY(prompt.calls()[2].text.startsWith(
        QStringLiteral("!!! Colonne superiori alla capienza della memoria")));
    QVERIFY(prompt.calls()[2].text.contains(QStringLiteral("1.000")));
    QVERIFY(prompt.calls()[3].text.startsWith(QStringLiteral("2 valori")));
}

void FiltersUiTest::importOfAnUnreadableFileChangesNothing() {
    auto state = stateOneTo(10);
    state->filters[0] = filterOf({9}, 1, true);
    state->filterCount = 1;
    const auto before = state->filters;
    ScriptedPrompt prompt;
    FilterImportDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    prompt.answerOpenFile(QDir(xdg_->dataFolder()).filePath(QStringLiteral("missing.txt")));
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    prompt.answerQuestion(true);
    prompt.acceptMessage();
    press(dialog, QStringLiteral("cmdProcess"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompt.calls().back().icon, Prompt::Icon::Critical);
    QVERIFY(!prompt.calls().back().text.isEmpty());
    QVERIFY(state->filters == before);
    QCOMPARE(state->filterCount, 1);
}

void FiltersUiTest::importFromTheFilterDialog() {
    const auto path = writeFile(QStringLiteral("two.txt"), "1 2\n3 4\n");
    auto state = stateOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
    dialog.show();
    press(dialog, QStringLiteral("cmdNext2"));
    prompt.answerOpenFile(path);
    prompt.answerQuestion(true);
    bool drove = false;
    QTimer::singleShot(0, this, [&] {
        auto* import = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (import && import->objectName() == QStringLiteral("frmImportFiltri")) {
            drove = true;
            press(*import, QStringLiteral("cmdImportaFiltri"));
            press(*import, QStringLiteral("cmdProcess"));
        }
        if (import && import->isVisible()) {
            import->reject();
        }
    });
    press(dialog, QStringLiteral("cmdLoadFiltri"));
    QVERIFY(drove);
    QCOMPARE(dialog.panelNumber(), 1);
    QVERIFY(dialog.numberGrid()->marked(0));
    QVERIFY(dialog.panelSwitch()->isOn());
    QVERIFY(dialog.close());
    QCOMPARE(state->filterCount, 2);
    QVERIFY(state->filters[1] == filterOf({3, 4}, 0, true));
}

void FiltersUiTest::endToEndFilters() {
    auto state = stateOneTo(12);
    ScriptedPrompt prompt;
    {
        FilterDialog dialog(*state, prompt, *language_, QString(), nullptr);
        dialog.show();
        // Panel 3: {1, 2, 3}, none of them; panel 1: {10, 11, 12}, one or two of them.
        press(dialog, QStringLiteral("cmdNext1"));
        press(dialog, QStringLiteral("cmdNext1"));
        for (int i : {0, 1, 2}) {
            press(dialog, QStringLiteral("labGriglia(%1)").arg(i));
        }
        press(dialog, QStringLiteral("lbPresenze(0)"));
        press(dialog, QStringLiteral("optCond(0)"));
        press(dialog, QStringLiteral("cmdBOTTOM"));
        for (int i : {9, 10, 11}) {
            press(dialog, QStringLiteral("labGriglia(%1)").arg(i));
        }
        press(dialog, QStringLiteral("lbPresenze(1)"));
        press(dialog, QStringLiteral("lbPresenze(2)"));
        press(dialog, QStringLiteral("optCond(0)"));
        QVERIFY(dialog.close());
    }
    auto direct = stateOneTo(12);
    direct->filters[0] = filterOf({10, 11, 12}, 2 + 4, true);
    direct->filters[1] = filterOf({1, 2, 3}, 1, true);
    direct->filterCount = 2;
    DevelopmentControl control;
    const auto want = develop(*direct, {}, control).columns;
    QVERIFY(!want.empty() && want.size() < 792u);
    QCOMPARE(state->filterCount, 2);
    QVERIFY(develop(*state, {}, control).columns == want);
}

QTEST_MAIN(FiltersUiTest)
#include "FiltersUiTest.moc"
