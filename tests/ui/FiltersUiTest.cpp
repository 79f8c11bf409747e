#include "core/Development.h"
#include "core/FilterPanels.h"
#include "document/SystemDocument.h"
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
    "Questa funzione cancellera' tutte le colonne filtro presenti\nVuoi procedere ?");

using FilterTable = std::array<FilterColumn, MaxFilterColumns>;

// A system with 1..last in play and the Euro numbers 1 and 2.
std::unique_ptr<SystemDocument> documentOneTo(int last) {
    auto document = std::make_unique<SystemDocument>();
    NumberSet numbers;
    for (int n = 1; n <= last; ++n) {
        numbers.insert(n);
    }
    (void)document->setNumbers(numbers);
    (void)document->setEuros(NumberSet{1, 2});
    return document;
}

// `hits`: bit k set accepts exactly k hits.
FilterColumn filterOf(NumberSet members, std::uint32_t hits, bool on) {
    FilterColumn f;
    f.setMembers(members);
    f.setHits(CountSet::fromBits(hits));
    f.setOn(on);
    return f;
}

using test::child;
using test::click;

void press(const QWidget& dialog, const QString& name) {
    click(child(dialog, name));
}
QString labelText(const QWidget& dialog, const QString& name) {
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
    auto document = documentOneTo(10);
    FilterTable table{};
    table[0] = filterOf({1, 2, 3}, 1 + 2, true);
    table[1] = filterOf({4}, 0, true);
    QVERIFY(document->setFilters(table));
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmFiltri"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Colonne Filtro"));
    QCOMPARE(dialog.panelNumber(), 1);
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltri")), QStringLiteral("1.000"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("02"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("998"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("03"));
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
    auto document = documentOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    QCOMPARE(labelText(dialog, QStringLiteral("lblPannello")), QString::number(panel));
}

void FiltersUiTest::moveButtonsHaveTipsAndRepeat() {
    auto document = documentOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    auto document = documentOneTo(10);
    const auto& state = document->state();
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    press(dialog, QStringLiteral("cmdNext1"));
    press(dialog, QStringLiteral("labGriglia(4)"));
    press(dialog, QStringLiteral("labGriglia(6)"));
    press(dialog, QStringLiteral("lbPresenze(0)"));
    press(dialog, QStringLiteral("lbPresenze(2)"));
    press(dialog, QStringLiteral("optCond(0)"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("02"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    press(dialog, QStringLiteral("cmdNext2"));
    // Panel 2 was stored when left: it counts, and it comes back as it was edited.
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    press(dialog, QStringLiteral("cmdBOTTOM"));
    press(dialog, QStringLiteral("cmdNext1"));
    QVERIFY(dialog.numberGrid()->marked(4));
    QVERIFY(dialog.presenceGrid()->marked(2));
    QVERIFY(dialog.panelSwitch()->isOn());
    // The document takes the edited table only when the dialog closes.
    QVERIFY(state.filters[1] == FilterColumn{});
    QCOMPARE(state.filterCount, 0);
    press(dialog, QStringLiteral("cmdNext1"));
    QVERIFY(dialog.close());
    QCOMPARE(state.filterCount, 1);
    QVERIFY(state.filters[0] == filterOf({5, 7}, 1 + 4, true));
}

void FiltersUiTest::onlyNumbersInPlayCanBeChosen() {
    auto document = documentOneTo(10);
    FilterTable table{};
    table[0] = filterOf({1, 30}, 1, false); // 30 is not in play: kept, not choosable
    QVERIFY(document->setFilters(table));
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
    dialog.show();
    QVERIFY(!dialog.numberGrid()->cell(29)->selectable());
    QVERIFY(dialog.numberGrid()->cell(29)->font().italic());
    // A member that is not in play still shows as chosen, so the count beside the grid adds up.
    QCOMPARE(dialog.numberGrid()->cell(29)->palette().color(QPalette::Window), QColor(Qt::blue));
    QCOMPARE(dialog.numberGrid()->cell(28)->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(labelText(dialog, QStringLiteral("lblNumSelezionati")), QStringLiteral("02"));
    press(dialog, QStringLiteral("labGriglia(29)"));
    press(dialog, QStringLiteral("labGriglia(39)"));
    QVERIFY(!dialog.numberGrid()->marked(39));
    QVERIFY(dialog.close());
    QVERIFY(document->state().filters[0] == filterOf({1, 30}, 1, false));
}

void FiltersUiTest::counterFollowsTheSwitch() {
    auto document = documentOneTo(10);
    FilterTable table{};
    table[3] = filterOf({1}, 2, true); // the document moves it to the front: panel 1
    QVERIFY(document->setFilters(table));
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
    QVERIFY(dialog.panelSwitch()->isOn());
    press(dialog, QStringLiteral("cmdNext1")); // a switched-off panel
    QVERIFY(!dialog.panelSwitch()->isOn());
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    press(dialog, QStringLiteral("optCond(0)"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("02"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("998"));
    press(dialog, QStringLiteral("optCond(1)"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriOFF")), QStringLiteral("999"));
}

void FiltersUiTest::clearPanelAndClearAll() {
    auto document = documentOneTo(10);
    const auto& state = document->state();
    FilterTable table{};
    table[0] = filterOf({1, 2}, 3, true);
    table[1] = filterOf({3}, 3, true);
    QVERIFY(document->setFilters(table));
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
    press(dialog, QStringLiteral("cmdCancella"));
    QCOMPARE(dialog.numberGrid()->markedCount(), 0);
    QCOMPARE(dialog.presenceGrid()->markedCount(), 0);
    QVERIFY(!dialog.panelSwitch()->isOn());
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));
    press(dialog, QStringLiteral("cmdNext1"));
    press(dialog, QStringLiteral("cmdPrev1"));
    QCOMPARE(dialog.numberGrid()->markedCount(), 0); // the cleared panel was stored when left
    QVERIFY(!dialog.panelSwitch()->isOn());
    press(dialog, QStringLiteral("cmdNext1"));

    prompt.answerQuestion(false);
    press(dialog, QStringLiteral("cmdCancellaTutto"));
    QCOMPARE(prompt.calls().back().text, ClearAllQuestion);
    QCOMPARE(dialog.panelNumber(), 2);
    QVERIFY(dialog.numberGrid()->marked(2));
    QVERIFY(dialog.panelSwitch()->isOn());
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("01"));

    prompt.answerQuestion(true);
    press(dialog, QStringLiteral("cmdCancellaTutto"));
    QCOMPARE(dialog.panelNumber(), 1);
    QCOMPARE(labelText(dialog, QStringLiteral("lblTotFiltriON")), QStringLiteral("00"));
    QCOMPARE(state.filterCount, 2); // the document takes the table on closing
    press(dialog, QStringLiteral("cmdNext1"));
    QCOMPARE(dialog.numberGrid()->markedCount(), 0);
    dialog.show();
    QVERIFY(dialog.close());
    QCOMPARE(state.filterCount, 0);
    QVERIFY(state.filters[0] == FilterColumn{});
    QVERIFY(state.filters[1] == FilterColumn{});
}

void FiltersUiTest::closingPutsSwitchedOnPanelsFirst() {
    auto document = documentOneTo(10);
    const auto& state = document->state();
    FilterTable table{};
    for (int i = 0; i < 6; ++i) {
        table[static_cast<std::size_t>(i)] = filterOf({i + 1}, 1U << (i % 6), false);
    }
    QVERIFY(document->setFilters(table));
    const auto old2 = filterOf({2}, 2, true);
    const auto old5 = filterOf({5}, 16, true);
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    QCOMPARE(state.filterCount, 2);
    QVERIFY(state.filters[0] == old2);
    QVERIFY(state.filters[1] == old5);
    QVERIFY(state.filters[2] == filterOf({1}, 1, false));
    QVERIFY(state.filters[3] == filterOf({3}, 4, false));
    QVERIFY(state.filters[5] == filterOf({6}, 32, false));
}

void FiltersUiTest::lockedPanelsAreViewOnly() {
    auto document = documentOneTo(10);
    const auto& state = document->state();
    FilterTable table{};
    table[0] = filterOf({1}, 1, true);
    table[1] = filterOf({2}, 2, true);
    table[2] = filterOf({3}, 4, false);
    QVERIFY(document->setFilters(table));
    QVERIFY(document->lock());
    const auto before = state.filters;
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    QVERIFY(state.filters == before);
    QCOMPARE(state.filterCount, 2);
}

void FiltersUiTest::importNeedsAFileAndAsksFirst() {
    FilterTable table{};
    table[0] = filterOf({9}, 1, true);
    const auto path = writeFile(QStringLiteral("one.txt"), "1 2 3\n");
    ScriptedPrompt prompt;
    FilterImportDialog dialog(table, prompt, *language_, QStringLiteral("/data/txt"), nullptr);
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
    QCOMPARE(activeFilterCount(table), 1);
    QVERIFY(table[0] == filterOf({9}, 1, true));
}

void FiltersUiTest::importLoadsLinesWithChosenHits() {
    FilterTable table{};
    table[7] = filterOf({9}, 1, true);
    const auto path = writeFile(QStringLiteral("three.txt"), "1-2-3\n\n  \t\n4;5.6\r\n7 \t8\n");
    ScriptedPrompt prompt;
    FilterImportDialog dialog(table, prompt, *language_, QString(), nullptr);
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
    QCOMPARE(activeFilterCount(table), 3);
    QVERIFY(table[0] == filterOf({1, 2, 3}, 1 + 8, true));
    QVERIFY(table[1] == filterOf({4, 5, 6}, 1 + 8, true));
    QVERIFY(table[2] == filterOf({7, 8}, 1 + 8, true));
    QVERIFY(table[7] == FilterColumn{});
    QCOMPARE(prompt.calls().size(), 2u); // file, question; no warning
}

void FiltersUiTest::importWarnsAtTheLimitAndAboutSkippedPieces() {
    QByteArray many;
    for (int i = 0; i < 1200; ++i) {
        many += i == 0 ? "1 x 2 77,3\n" : "4 5\n";
    }
    const auto path = writeFile(QStringLiteral("many.txt"), many);
    FilterTable table{};
    ScriptedPrompt prompt;
    FilterImportDialog dialog(table, prompt, *language_, QString(), nullptr);
    dialog.show();
    prompt.answerOpenFile(path);
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    prompt.answerQuestion(true);
    prompt.acceptMessage();
    prompt.acceptMessage();
    press(dialog, QStringLiteral("cmdProcess"));
    QCOMPARE(activeFilterCount(table), MaxFilterColumns);
    QVERIFY(table[0] == filterOf({1, 2, 3}, 0, true));
    QCOMPARE(prompt.calls().size(), 4u);
    QCOMPARE(prompt.calls()[2].title, QStringLiteral("ATTENZIONE"));
    QCOMPARE(prompt.calls()[2].icon, Prompt::Icon::Critical);
    QVERIFY(prompt.calls()[2].text.startsWith(
        QStringLiteral("!!! Colonne superiori alla capienza della memoria")));
    QVERIFY(prompt.calls()[2].text.contains(QStringLiteral("1.000")));
    QVERIFY(prompt.calls()[3].text.startsWith(QStringLiteral("2 valori")));
}

void FiltersUiTest::importOfAnUnreadableFileChangesNothing() {
    FilterTable table{};
    table[0] = filterOf({9}, 1, true);
    const auto before = table;
    ScriptedPrompt prompt;
    FilterImportDialog dialog(table, prompt, *language_, QString(), nullptr);
    dialog.show();
    prompt.answerOpenFile(QDir(xdg_->dataFolder()).filePath(QStringLiteral("missing.txt")));
    press(dialog, QStringLiteral("cmdImportaFiltri"));
    prompt.answerQuestion(true);
    prompt.acceptMessage();
    press(dialog, QStringLiteral("cmdProcess"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompt.calls().back().icon, Prompt::Icon::Critical);
    QVERIFY(!prompt.calls().back().text.isEmpty());
    QVERIFY(table == before);
    QCOMPARE(activeFilterCount(table), 1);
}

void FiltersUiTest::importFromTheFilterDialog() {
    const auto path = writeFile(QStringLiteral("two.txt"), "1 2\n3 4\n");
    auto document = documentOneTo(10);
    ScriptedPrompt prompt;
    FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    QCOMPARE(document->state().filterCount, 2);
    QVERIFY(document->state().filters[1] == filterOf({3, 4}, 0, true));
}

void FiltersUiTest::endToEndFilters() {
    auto document = documentOneTo(12);
    ScriptedPrompt prompt;
    {
        FilterDialog dialog(*document, prompt, *language_, QString(), nullptr);
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
    auto direct = documentOneTo(12);
    const std::array<FilterColumn, 2> switchedOn{filterOf({10, 11, 12}, 2 + 4, true),
                                                 filterOf({1, 2, 3}, 1, true)};
    QVERIFY(direct->setFilters(switchedOn));
    DevelopmentControl control;
    const auto want = develop(direct->state(), {}, control).columns;
    QVERIFY(!want.empty() && want.size() < 792u);
    QCOMPARE(document->state().filterCount, 2);
    QVERIFY(develop(document->state(), {}, control).columns == want);
}

QTEST_MAIN(FiltersUiTest)
#include "FiltersUiTest.moc"
