// frmMAIN's Edit menu and its keys, the questions before marked numbers are lost, and the
// number grids driven by the keyboard alone.
#include "app/MainWindow.h"
#include "files/SystemFile.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/WidgetLookup.h"
#include "ui/widgets/CellGrid.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quintora;
using quintora::test::ScriptedPrompt;

class UndoWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theEditMenuNamesTheStepAndTakesItsKeys();
    void marksAloneAreAskedAbout_data();
    void marksAloneAreAskedAbout();
    void aFileFromAnotherCopyAsksAboutMarks();
    void clearingADevelopedSystemIsOneStep();
    void aConditionDialogIsOneStepAndEnterConfirmsIt();
    void theGridsAreDrivenByTheKeyboard_data();
    void theGridsAreDrivenByTheKeyboard();
    void tabGoesFromTheNumbersToTheEuroNumbersToTheButtons();
    void eachCellTellsItsNumberAndMark();

private:
    ToggleCell* number(int n) const { return window_->numberGrid()->cell(n - 1); }
    QPushButton* button(const char* name) const {
        return window_->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    void focusWindow() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void mark(std::initializer_list<int> numbers) {
        for (const int n : numbers) {
            QTest::mouseClick(number(n), Qt::LeftButton);
        }
    }
};

void UndoWindowTest::init() {
    QVERIFY(openWindow());
}

void UndoWindowTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
}

void UndoWindowTest::theEditMenuNamesTheStepAndTakesItsKeys() {
    const auto& a = window_->actions();
    QCOMPARE(window_->menus().edit->title(), QStringLiteral("&Modifica"));
    QVERIFY(!a.undo->isEnabled() && !a.redo->isEnabled());
    QCOMPARE(a.undo->text(), QStringLiteral("&Annulla"));

    focusWindow();
    mark({17});
    QCOMPARE(a.undo->text(), QStringLiteral("&Annulla Segna 17"));
    QVERIFY(a.undo->isEnabled());
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!number(17)->marked());
    QVERIFY(!a.undo->isEnabled());
    QCOMPARE(a.redo->text(), QStringLiteral("&Ripeti Segna 17"));
    QVERIFY(!document_->modified());

    QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(number(17)->marked());
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(number(17)->marked());
    QCOMPARE(a.redo->text(), QStringLiteral("&Ripeti"));
    QVERIFY(!a.redo->isEnabled());

    // Ctrl+N: a new system, after the question about the marked number.
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Discard);
    QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!number(17)->marked());
    QCOMPARE(a.undo->text(), QStringLiteral("&Annulla Cancella Sistema"));
    QCOMPARE(a.printSlips->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

void UndoWindowTest::marksAloneAreAskedAbout_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("kept"); // the marked number is still there afterwards
    for (const char* command : {"quit", "clear", "open", "import"}) {
        QTest::addRow("%s, cancel", command)
            << QString::fromUtf8(command) << static_cast<int>(Prompt::SaveChoice::Cancel) << true;
        // Opening and importing then ask for a file, which is not given: the mark stays.
        const bool replaced = QByteArray(command) == "quit" || QByteArray(command) == "clear";
        QTest::addRow("%s, discard", command)
            << QString::fromUtf8(command) << static_cast<int>(Prompt::SaveChoice::Discard)
            << !replaced;
    }
}

// One marked number is work: every command that would drop it offers to save it first, and
// never with the plain exit question.
void UndoWindowTest::marksAloneAreAskedAbout() {
    QFETCH(QString, command);
    QFETCH(int, choice);
    QFETCH(bool, kept);
    mark({12});
    prompt_->answerSaveQuestion(static_cast<Prompt::SaveChoice>(choice));
    const bool asksFile = choice == static_cast<int>(Prompt::SaveChoice::Discard) &&
                          (command == QLatin1String("open") || command == QLatin1String("import"));
    if (asksFile) {
        prompt_->answerOpenFile(QString());
    }
    const auto& a = window_->actions();
    if (command == QLatin1String("quit")) {
        window_->close();
        QCOMPARE(window_->isVisible(), kept);
    } else if (command == QLatin1String("clear")) {
        QTest::mouseClick(button("cmdCancella"), Qt::LeftButton);
    } else {
        (command == QLatin1String("open") ? a.open : a.importColumns)->trigger();
    }
    const auto asked = prompt_->callsOf(ScriptedPrompt::Kind::SaveQuestion);
    QCOMPARE(asked.size(), 1U);
    QCOMPARE(asked.front().text, QStringLiteral("Salvare le modifiche al sistema nuovo.qsy?"));
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::Question).size(), 0U);
    if (command != QLatin1String("quit")) {
        QCOMPARE(number(12)->marked(), kept);
    }
}

// Another copy of the program hands over a file: one marked number is asked about too.
void UndoWindowTest::aFileFromAnotherCopyAsksAboutMarks() {
    SystemState stored;
    stored.header.setNumbers({1, 2, 3, 4, 5, 6});
    const QString path = context_->dataFolder.path(QStringLiteral("altro.qsy"));
    QVERIFY(saveSystemFile(path.toStdString(), stored).ok());
    mark({12});
    prompt_->answerQuestion(false);
    window_->activateFromOtherCopy(path);
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::Question).size(), 1U);
    QVERIFY(number(12)->marked());
}

void UndoWindowTest::clearingADevelopedSystemIsOneStep() {
    mark({1, 2, 3, 4, 5, 6});
    QTest::mouseClick(window_->euroGrid()->cell(0), Qt::LeftButton);
    QTest::mouseClick(window_->euroGrid()->cell(1), Qt::LeftButton);
    prompt_->acceptMessage(); // the elapsed time
    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);
    QTRY_VERIFY(!window_->isDeveloping());
    QCOMPARE(state().columnCount(), 6);

    QVERIFY(button("cmdCancella")->isEnabled());
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Discard);
    QTest::mouseClick(button("cmdCancella"), Qt::LeftButton);
    QCOMPARE(state().columnCount(), 0);
    QVERIFY(!number(1)->marked());
    QVERIFY(!document_->modified());
    QCOMPARE(window_->actions().undo->text(), QStringLiteral("&Annulla Cancella Sistema"));

    window_->actions().undo->trigger();
    QCOMPARE(state().columnCount(), 6);
    QVERIFY(state().locked);
    QVERIFY(number(1)->marked());
    QVERIFY(window_->actions().view->isEnabled());
    QVERIFY(document_->modified());
}

// The switch clicked three times in the dialog: one step, named after the dialog.
void UndoWindowTest::aConditionDialogIsOneStepAndEnterConfirmsIt() {
    mark({1, 2, 3, 4, 5, 6});
    QTest::mouseClick(window_->euroGrid()->cell(0), Qt::LeftButton);
    QTest::mouseClick(window_->euroGrid()->cell(1), Qt::LeftButton);
    bool closed = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (const char* option : {"optCondSomma(0)", "optCondSomma(1)", "optCondSomma(0)"}) {
            test::click(test::child(*dialog, QString::fromUtf8(option)));
        }
        QTest::keyClick(dialog, Qt::Key_Return);
        closed = !dialog->isVisible();
        if (!closed) {
            dialog->QDialog::done(QDialog::Rejected); // never hang the test
        }
    });
    window_->actions().sum->trigger();
    QVERIFY(closed);
    QVERIFY(state().conditions.sumOn());
    QCOMPARE(window_->actions().undo->text(), QStringLiteral("&Annulla Somma"));
    window_->actions().undo->trigger();
    QVERIFY(!state().conditions.sumOn());
    QVERIFY(!window_->actions().sum->isChecked());
    QCOMPARE(window_->actions().undo->text(), QStringLiteral("&Annulla Segna Euro 2"));
}

void UndoWindowTest::theGridsAreDrivenByTheKeyboard_data() {
    QTest::addColumn<QString>("keys"); // a key per letter: l r u d (arrows), s space, e enter
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<int>("current"); // the number the focus is on at the end
    QTest::newRow("space on the first cell") << "s" << QList<int>{1} << 1;
    QTest::newRow("right then enter") << "rre" << QList<int>{3} << 3;
    QTest::newRow("left wraps to the last cell") << "ls" << QList<int>{50} << 50;
    QTest::newRow("down wraps from the bottom row to the top") << "ddddd" << QList<int>{} << 1;
    QTest::newRow("down a row") << "ds" << QList<int>{11} << 11;
    QTest::newRow("up from the top row wraps") << "us" << QList<int>{41} << 41;
    QTest::newRow("end of a row to the next") << "rrrrrrrrrrs" << QList<int>{11} << 11;
    QTest::newRow("twice toggles back") << "ss" << QList<int>{} << 1;
    QTest::newRow("two digits") << "17" << QList<int>{17} << 17;
    QTest::newRow("two digits, then a second number") << "1705" << QList<int>{5, 17} << 5;
    QTest::newRow("a leading zero") << "09s" << QList<int>{} << 9;
    QTest::newRow("no such number") << "77s" << QList<int>{1} << 1;
    QTest::newRow("an arrow forgets a lone digit") << "1r7s" << QList<int>{2} << 2;
}

void UndoWindowTest::theGridsAreDrivenByTheKeyboard() {
    QFETCH(QString, keys);
    QFETCH(QList<int>, marked);
    QFETCH(int, current);
    focusWindow();
    CellGrid* grid = window_->numberGrid();
    grid->setFocus(Qt::TabFocusReason);
    QVERIFY(grid->hasFocus());
    for (const QChar k : keys) {
        switch (k.toLatin1()) {
        case 'l':
            QTest::keyClick(grid, Qt::Key_Left);
            break;
        case 'r':
            QTest::keyClick(grid, Qt::Key_Right);
            break;
        case 'u':
            QTest::keyClick(grid, Qt::Key_Up);
            break;
        case 'd':
            QTest::keyClick(grid, Qt::Key_Down);
            break;
        case 's':
            QTest::keyClick(grid, Qt::Key_Space);
            break;
        case 'e':
            QTest::keyClick(grid, Qt::Key_Return);
            break;
        default:
            QTest::keyClick(grid, k.toLatin1());
        }
    }
    QList<int> numbers;
    for (const int n : state().header.numbers().ascending()) {
        numbers << n;
    }
    QCOMPARE(numbers, marked);
    QCOMPARE(grid->currentCell() + 1, current);
    // Only the current cell is framed, and only while the grid has the focus.
    for (int i = 0; i < grid->count(); ++i) {
        QCOMPARE(grid->cell(i)->current(), i + 1 == current);
    }
    button("cmdArchivio")->setFocus();
    QVERIFY(!grid->cell(current - 1)->current());
}

void UndoWindowTest::tabGoesFromTheNumbersToTheEuroNumbersToTheButtons() {
    focusWindow();
    window_->numberGrid()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window_->euroGrid());
    // Under the ten-number rule the Euro cells 11 and 12 are hidden: the arrows skip them.
    QTest::keyClick(window_->euroGrid(), Qt::Key_Left);
    QCOMPARE(window_->euroGrid()->currentCell(), 9);
    QTest::keyClick(window_->euroGrid(), Qt::Key_Space);
    QVERIFY(state().header.euros().contains(10));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdArchivio"));
}

void UndoWindowTest::eachCellTellsItsNumberAndMark() {
    mark({17});
    QCOMPARE(number(17)->accessibleName(), QStringLiteral("Numero 17, segnato"));
    QCOMPARE(number(18)->accessibleName(), QStringLiteral("Numero 18, non segnato"));
    QCOMPARE(window_->euroGrid()->cell(2)->accessibleName(),
             QStringLiteral("Numero Euro 3, non segnato"));
}

QTEST_MAIN(UndoWindowTest)
#include "UndoWindowTest.moc"
