// frmMAIN driven through its widgets: enable rules, the counts, dragging, developing (small,
// at the limit, cancelled), reopening for changes, clearing, opening a file and closing.
#include "app/MainWindow.h"

#include "app/AppContext.h"
#include "core/Development.h"
#include "core/Format.h"
#include "core/SystemState.h"
#include "files/SystemFile.h"
#include "matrix/MatrixFile.h"
#include "settings/IniFile.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/DevelopmentRunner.h"
#include "ui/matrix/MatrixDialog.h"
#include "ui/print/ListingDialog.h"
#include "ui/print/SlipPrintDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/widgets/CellGrid.h"

#include <atomic>
#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

QString count(double value) {
    return QString::fromStdString(formatDevelopmentCount(value));
}

} // namespace

class MainWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void developNeedsFiveNumbersAndTwoEuroNumbers();
    void aNewUserIsToldWhatDevelopNeeds();
    void numbersLabelAndIntegral();
    void dragTogglesEachEnteredCellOnce();
    void developLocksAndModificheReopens();
    void developWithoutColumnsStaysUnlocked();
    void developStopsAtTheLimit();
    void cancelQuestion_data();
    void cancelQuestion();
    void openSystemFileMarksGridsAndLocks();
    void refusedSystemFileChangesNothing();
    void reopeningColumnsWithoutNumbersKeepsDevelopOff();
    void columnPriceFollowsTheSettings();
    void closeAsksFirst();
    void unsavedWorkIsOfferedForSavingBeforeQuitting_data();
    void unsavedWorkIsOfferedForSavingBeforeQuitting();
    void fileFromAnotherCopyAsksBeforeReplacingWork();
    void adaptAndMatrixListOpenTheMatrixWindow();
    void printCommandsOpenTheirWindows();

private:
    QPushButton* button(const char* name) const {
        return window_->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    ToggleCell* number(int n) const { return window_->numberGrid()->cell(n - 1); }
    ToggleCell* euro(int n) const { return window_->euroGrid()->cell(n - 1); }
    void clickNumbers(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            QTest::mouseClick(number(n), Qt::LeftButton);
        }
    }
    void clickAllNumbersAndTwoEuros() {
        for (int n = 1; n <= MainNumberCount; ++n) {
            QTest::mouseClick(number(n), Qt::LeftButton);
        }
        QTest::mouseClick(euro(1), Qt::LeftButton);
        QTest::mouseClick(euro(2), Qt::LeftButton);
    }
    QString panel(int i) const {
        return window_->findChild<QLabel*>(QStringLiteral("StBarPanel(%1)").arg(i))->text();
    }
    QString numbersLabel() const {
        return window_->findChild<QLabel*>(QStringLiteral("labnumeri"))->text();
    }
    void verifyLocked(bool locked) const;
    // Runs `open`; once the matrix window shows, notes its files and runs `inside` on it.
    QStringList withMatrixWindow(const std::function<void()>& open,
                                 const std::function<void(MatrixDialog&)>& inside);
    void verifyDevelopEnabled(bool enabled) const {
        QCOMPARE(button("cmdCalcolo")->isEnabled(), enabled);
        QCOMPARE(button("cmdAdatta")->isEnabled(), enabled);
        QCOMPARE(window_->actions().develop->isEnabled(), enabled);
        QCOMPARE(window_->menus().conditions->menuAction()->isEnabled(), enabled);
        // The archive and the statistics are always within reach.
        QVERIFY(window_->menus().operations->menuAction()->isEnabled());
        QVERIFY(window_->actions().archive->isEnabled());
        QVERIFY(window_->actions().statistics->isEnabled());
    }
};

void MainWindowTest::init() {
    QVERIFY(openWindow());
}

void MainWindowTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
}

void MainWindowTest::verifyLocked(bool locked) const {
    QCOMPARE(state().locked, locked);
    for (const char* name : {"cmdAdatta", "cmdCalcolo"}) {
        QVERIFY2(button(name)->isEnabled() == !locked, name);
    }
    QVERIFY(button("cmdCancella")->isEnabled()); // a developed system can be cleared too
    for (const char* name :
         {"cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza"}) {
        QVERIFY2(button(name)->isEnabled() == locked, name);
    }
    const auto& a = window_->actions();
    QCOMPARE(window_->findChild<QGroupBox*>(QStringLiteral("frameNumeri"))->isEnabled(), !locked);
    QCOMPARE(a.develop->isEnabled(), !locked);
    QCOMPARE(a.adaptMatrix->isEnabled(), !locked);
    for (auto* action : {a.shuffle, a.reopenForChanges, a.checkDraw, a.view}) {
        QCOMPARE(action->isEnabled(), locked);
    }
    QCOMPARE(window_->menus().print->menuAction()->isEnabled(), locked);
}

void MainWindowTest::developNeedsFiveNumbersAndTwoEuroNumbers() {
    verifyDevelopEnabled(false);
    clickNumbers({4, 17, 23, 50});
    QTest::mouseClick(euro(3), Qt::LeftButton);
    QTest::mouseClick(euro(10), Qt::LeftButton);
    verifyDevelopEnabled(false);

    clickNumbers({1});
    verifyDevelopEnabled(true);

    // Until then no hint; a third Euro number is refused with a hint in the status bar that
    // names the two marked, and no box to answer.
    QVERIFY(window_->statusBar()->currentMessage().isEmpty());
    QTest::mouseClick(euro(5), Qt::LeftButton);
    QVERIFY(!euro(5)->marked());
    QCOMPARE(window_->statusBar()->currentMessage(),
             QStringLiteral("Sono già segnati due numeri Euro (03 - 10): togline uno per "
                            "sceglierne un altro"));
    QVERIFY(prompt_->calls().empty());
    QCOMPARE(state().header.euroCount(), 2);
    QCOMPARE(euro(5)->property("Tag").toString(), QStringLiteral("0"));
    QCOMPARE(euro(3)->property("Tag").toString(), QStringLiteral("1"));

    QTest::mouseClick(euro(3), Qt::LeftButton);
    QCOMPARE(state().header.euroCount(), 1);
    verifyDevelopEnabled(false);
    QTest::mouseClick(euro(5), Qt::LeftButton);
    verifyDevelopEnabled(true);
}

// The disabled commands say why they are disabled, and so does the status bar, until the
// system has its 5 numbers and 2 Euro numbers; a developed system's type takes the panel back.
void MainWindowTest::aNewUserIsToldWhatDevelopNeeds() {
    const QString hint = QStringLiteral("Segnare almeno 5 numeri e 2 numeri Euro");
    auto* develop = window_->findChild<QPushButton*>(QStringLiteral("cmdCalcolo"));
    auto* typePanel = window_->findChild<QLabel*>(QStringLiteral("StBarPanel(4)"));
    QCOMPARE(develop->toolTip(), hint);
    QCOMPARE(typePanel->text(), hint);
    clickNumbers({1, 2, 3, 4, 5});
    QTest::mouseClick(euro(3), Qt::LeftButton);
    QCOMPARE(develop->toolTip(), hint);
    QTest::mouseClick(euro(4), Qt::LeftButton);
    QVERIFY(develop->isEnabled());
    QCOMPARE(develop->toolTip(), QString());
    QCOMPARE(typePanel->text(), QString());
    prompt_->acceptMessage(); // the elapsed time
    QTest::mouseClick(develop, Qt::LeftButton);
    QTRY_VERIFY(!window_->isDeveloping());
    QVERIFY(document_->locked());
    QCOMPARE(typePanel->text(), QString::fromStdString(state().header.systemType));
    QVERIFY(!typePanel->text().isEmpty());
}

void MainWindowTest::numbersLabelAndIntegral() {
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [00]"));
    clickNumbers({9, 9});
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [00]"));
    clickNumbers({1, 2, 3, 4, 5, 6, 7, 8, 10, 11});
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [10]"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("lblIntegrale"))->text(),
             QStringLiteral("252"));

    prompt_->answerSaveQuestion(Prompt::SaveChoice::Discard); // marked numbers are work
    QTest::mouseClick(button("cmdCancella"), Qt::LeftButton);
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [00]"));
    QCOMPARE(window_->numberGrid()->markedCount(), 0);
    QCOMPARE(state().header.numberCount(), 0);
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("lblIntegrale"))->text(),
             QStringLiteral("0"));
}

void MainWindowTest::dragTogglesEachEnteredCellOnce() {
    auto centre = [](QWidget* w) {
        return w->rect().center();
    };
    // Press on 11, wander inside it, cross 12 and 13, come back to 12, release there.
    QTest::mousePress(number(11), Qt::LeftButton, {}, centre(number(11)));
    QTest::mouseMove(number(11), centre(number(11)) + QPoint(3, 2));
    QTest::mouseMove(number(12), centre(number(12)));
    QTest::mouseMove(number(12), centre(number(12)) + QPoint(2, 0));
    QTest::mouseMove(number(13), centre(number(13)));
    QTest::mouseMove(number(12), centre(number(12)));
    QTest::mouseRelease(number(12), Qt::LeftButton, {}, centre(number(12)));

    QVERIFY(number(11)->marked());
    QVERIFY(!number(12)->marked()); // entered twice
    QVERIFY(number(13)->marked());
    QCOMPARE(window_->numberGrid()->markedCount(), 2);
    QCOMPARE(state().header.numberCount(), 2);
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [02]"));
}

void MainWindowTest::developLocksAndModificheReopens() {
    clickNumbers({2, 4, 6, 8, 10, 12});
    QTest::mouseClick(euro(1), Qt::LeftButton);
    QTest::mouseClick(euro(7), Qt::LeftButton);
    prompt_->acceptMessage(); // the elapsed time

    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);
    // While it runs the main window is disabled and the progress dialog answers.
    auto* dialog = window_->findChild<ProgressDialog*>();
    QVERIFY(dialog != nullptr);
    QVERIFY(!window_->isEnabled());
    QVERIFY(dialog->isVisible() && dialog->isEnabled());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Elaborazione in corso..."));

    QTRY_VERIFY(!window_->isDeveloping());
    QVERIFY(window_->isEnabled());
    QCOMPARE(state().columnCount(), 6);
    QCOMPARE(QString::fromStdString(state().header.systemType), QStringLiteral("Integrale"));
    const auto elapsed = prompt_->callsOf(ScriptedPrompt::Kind::Message).at(0);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ Days? \\d\\d:\\d\\d:\\d\\d$"))
                 .match(elapsed.text)
                 .hasMatch(),
             qPrintable(elapsed.text));
    QCOMPARE(panel(1), QStringLiteral("nuovo.qsy"));
    QCOMPARE(panel(2), QStringLiteral("6"));
    QCOMPARE(panel(3), QStringLiteral("€ 12,00"));
    QCOMPARE(panel(4), QStringLiteral("Integrale"));
    verifyLocked(true);

    // "Modifiche" asks first; No keeps the columns.
    // Excluded columns are picked on the developed system and survive the reopening.
    const std::vector<Column> excluded{{2, 4, 6, 8, 10}};
    QVERIFY(document_->editCondition(SystemDocument::ExcludedEdit{true, excluded}).ok());
    QVERIFY(!document_->editCondition(SystemDocument::SumEdit{true, {}, {}})
                 .ok()); // other conditions wait for "Modifiche"
    prompt_->answerQuestion(false);
    QTest::mouseClick(button("cmdModifiche"), Qt::LeftButton);
    QCOMPARE(state().columnCount(), 6);
    verifyLocked(true);
    const auto question = prompt_->callsOf(ScriptedPrompt::Kind::Question).at(0);
    QCOMPARE(question.title, QStringLiteral("Attenzione"));
    QCOMPARE(question.text, QStringLiteral("Questa operazione comporta la perdita \n"
                                           "     di tutte le combinazioni del sistema\n\n"
                                           "                    Continuare ?"));

    prompt_->answerQuestion(true);
    window_->actions().reopenForChanges->trigger();
    verifyLocked(false);
    QCOMPARE(state().columnCount(), 0);
    QVERIFY(state().header.systemType.empty());
    QCOMPARE(panel(2), QStringLiteral("0"));
    QCOMPARE(panel(4), QString());
    QCOMPARE(state().header.numberCount(), 6);
    QCOMPARE(window_->numberGrid()->markedCount(), 6);
    QCOMPARE(state().header.euroCount(), 2);
    QVERIFY(state().excluded.on());
    QCOMPARE(state().excluded.columns().size(), std::size_t{1});
    QVERIFY(document_->editCondition(SystemDocument::SumEdit{true, {}, {}}).ok());
    QVERIFY(button("cmdCalcolo")->isEnabled());
}

void MainWindowTest::developWithoutColumnsStaysUnlocked() {
    clickNumbers({20, 21, 22, 23, 24});
    QTest::mouseClick(euro(1), Qt::LeftButton);
    QTest::mouseClick(euro(2), Qt::LeftButton);
    // 20+21+22+23+24 = 110: nothing passes
    QVERIFY(document_->editCondition(SystemDocument::SumEdit{true, 15, 20}).ok());
    prompt_->acceptMessage();
    window_->actions().develop->trigger();
    QTRY_VERIFY(!window_->isDeveloping());
    QCOMPARE(state().columnCount(), 0);
    QCOMPARE(QString::fromStdString(state().header.systemType), QStringLiteral("Condizionato"));
    verifyLocked(false);
}

void MainWindowTest::developStopsAtTheLimit() {
    clickAllNumbersAndTwoEuros();
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("lblIntegrale"))->text(),
             QStringLiteral("2.118.760"));
    QString alarmWhenWarned;
    prompt_->setObserver([&](const ScriptedPrompt::Call& call) {
        if (call.title == QStringLiteral("ATTENZIONE")) {
            alarmWhenWarned = window_->findChild<QLabel*>(QStringLiteral("labAllarm"))->text();
        }
    });
    prompt_->acceptMessage(); // the limit warning
    prompt_->acceptMessage(); // the elapsed time
    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isDeveloping(), 30000);

    QCOMPARE(state().columnCount(), MaxColumns);
    QCOMPARE(QString::fromStdString(state().header.systemType), QStringLiteral("Integrale - ***"));
    const auto messages = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(messages.at(0).title, QStringLiteral("ATTENZIONE"));
    QCOMPARE(messages.at(0).icon, Prompt::Icon::Critical);
    QCOMPARE(messages.at(0).text,
             QStringLiteral("!!! Colonne superiori alla capienza della memoria\r"
                            "Capienza memoria 200.000 colonne"));
    QCOMPARE(alarmWhenWarned, QStringLiteral("Colonne superiori alla capienza della memoria"));
    QCOMPARE(panel(2), QStringLiteral("200.000"));
    QCOMPARE(panel(3), QStringLiteral("€ 400.000,00"));
    verifyLocked(true);
}

void MainWindowTest::cancelQuestion_data() {
    QTest::addColumn<bool>("stop");
    QTest::newRow("Yes stops") << true;
    QTest::newRow("No goes on") << false;
}

void MainWindowTest::cancelQuestion() {
    QFETCH(bool, stop);
    clickAllNumbersAndTwoEuros();
    prompt_->answerQuestion(stop);
    if (!stop) {
        prompt_->acceptMessage(); // it runs on to the limit
    }
    prompt_->acceptMessage();
    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);

    // Hold the engine at its first report, so the question comes mid-run.
    auto* runner = window_->findChild<DevelopmentRunner*>();
    QVERIFY(runner != nullptr);
    std::atomic<bool> held{false};
    connect(
        runner, &DevelopmentRunner::progress, runner,
        [&held, runner](const DevelopmentProgress&) {
            if (!held.exchange(true)) {
                runner->pause();
            }
        },
        Qt::DirectConnection);
    auto* dialog = window_->findChild<ProgressDialog*>();
    QTRY_VERIFY(dialog->processedCount() > 0);
    const double processed = dialog->processedCount();
    const double accepted = dialog->acceptedCount();

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSvilAnnulla")),
                      Qt::LeftButton);
    QCOMPARE(prompt_->beeps(), 1);
    const auto question = prompt_->callsOf(ScriptedPrompt::Kind::Question).at(0);
    QCOMPARE(question.title, QStringLiteral("Elaborazione in corso..."));
    // Without a language file the words are the program's own.
    QCOMPARE(question.text, QStringLiteral("Colonne Integrali") + count(2118760) +
                                QStringLiteral("\r\nColonne Elaborate") + count(processed) +
                                QStringLiteral("\r\nColonne Sistema") + count(accepted) +
                                QStringLiteral("\r\nVuoi interrompere l'elaborazione ?"));

    QTRY_VERIFY_WITH_TIMEOUT(!window_->isDeveloping(), 30000);
    QCOMPARE(QString::fromStdString(state().header.systemType), QStringLiteral("Integrale - ***"));
    if (stop) {
        QVERIFY(state().columnCount() >= 1);
        QVERIFY(state().columnCount() <= static_cast<int>(processed) + 1);
    } else {
        QCOMPARE(state().columnCount(), MaxColumns);
    }
    verifyLocked(true);
}

void MainWindowTest::openSystemFileMarksGridsAndLocks() {
    SystemState saved;
    const std::uint8_t numbers[] = {3, 7, 12, 25, 33, 41};
    saved.header.setNumbers(NumberSet::of(numbers));
    saved.header.setEuros({2, 9});
    saved.header.systemType = "Integrale";
    saved.columns = {{3, 7, 12, 25, 33}, {3, 7, 12, 25, 41}, {7, 12, 25, 33, 41}};
    saved.conditions.setSumOn(true);
    saved.conditions.sumFrom = 50;
    saved.conditions.sumTo = 150;
    saved.excluded.setOn(true);
    saved.excluded.setColumns(std::vector{Column{1, 2, 3, 4, 5}});
    const QString path = context_->dataFolder.path(QStringLiteral("Mio Sistema.QSY"));
    QVERIFY(saveSystemFile(path.toStdString(), saved).ok());

    clickNumbers({49, 50}); // replaced by the file's numbers
    QVERIFY(window_->openSystemFile(u'"' + path + u'"'));

    QCOMPARE(window_->numberGrid()->markedCount(), 6);
    for (int n : numbers) {
        QVERIFY(number(n)->marked());
    }
    QVERIFY(euro(2)->marked() && euro(9)->marked());
    QCOMPARE(state().header.numberCount(), 6);
    QCOMPARE(state().header.euroCount(), 2);
    QCOMPARE(numbersLabel(), QStringLiteral("Numeri in gioco [06]"));
    const auto& a = window_->actions();
    QVERIFY(a.sum->isChecked() && a.excludedColumns->isChecked());
    QVERIFY(!a.fixedNumbers->isChecked() && !a.reduced->isChecked() &&
            !a.filterColumns->isChecked());
    verifyLocked(true);
    QCOMPARE(QString::fromStdString(state().systemPath), path);
    QCOMPARE(panel(1), QStringLiteral("mio sistema.qsy"));
    QCOMPARE(panel(2), QStringLiteral("3"));
    QCOMPARE(panel(3), QStringLiteral("€ 6,00"));
    QCOMPARE(panel(4), QStringLiteral("Integrale"));
}

void MainWindowTest::refusedSystemFileChangesNothing() {
    const QString path = context_->dataFolder.path(QStringLiteral("note.qsy"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("quintsys001 an older file");
    file.close();
    clickNumbers({5, 6, 7});

    prompt_->acceptMessage();
    QVERIFY(!window_->openSystemFile(path));
    const auto message = prompt_->callsOf(ScriptedPrompt::Kind::Message).at(0);
    QCOMPARE(message.title, QStringLiteral("E R R O R E"));
    QCOMPARE(message.text, QStringLiteral("Questo file non puo' essere letto"));
    QCOMPARE(message.icon, Prompt::Icon::Critical);
    QCOMPARE(state().header.numberCount(), 3);
    QCOMPARE(window_->numberGrid()->markedCount(), 3);
    QCOMPARE(panel(1), QStringLiteral("nuovo.qsy"));
    QVERIFY(
        QString::fromStdString(state().systemPath).endsWith(QStringLiteral("/sistemi/nuovo.qsy")));
}

void MainWindowTest::reopeningColumnsWithoutNumbersKeepsDevelopOff() {
    // Columns imported from text carry no numbers in play.
    SystemState saved;
    saved.columns = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
    const QString path = context_->dataFolder.path(QStringLiteral("importato.qsy"));
    QVERIFY(saveSystemFile(path.toStdString(), saved).ok());
    QVERIFY(window_->openSystemFile(path));
    verifyLocked(true);

    prompt_->answerQuestion(true);
    window_->reopenForChanges();
    QCOMPARE(state().columnCount(), 0);
    verifyDevelopEnabled(false);
}

void MainWindowTest::columnPriceFollowsTheSettings() {
    Settings settings = context_->settingsDocument.settings();
    settings.pricePerColumn = 250;
    QVERIFY(context_->settingsDocument.save(settings).ok());
    clickNumbers({1, 2, 3, 4, 5, 6});
    QTest::mouseClick(euro(1), Qt::LeftButton);
    QTest::mouseClick(euro(2), Qt::LeftButton);
    prompt_->acceptMessage();
    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);
    QTRY_VERIFY(!window_->isDeveloping());
    QCOMPARE(panel(3), QStringLiteral("€ 15,00"));
}

void MainWindowTest::closeAsksFirst() {
    prompt_->answerQuestion(false);
    window_->close();
    QVERIFY(window_->isVisible());
    QVERIFY(!context_->closing);
    const auto question = prompt_->callsOf(ScriptedPrompt::Kind::Question).at(0);
    QCOMPARE(question.title, window_->windowTitle());
    QCOMPARE(question.text, QStringLiteral("Uscire dall'applicazione?"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quintora - Ver. 1.0.0 - Freeware"));

    prompt_->answerQuestion(true);
    window_->actions().exit->trigger();
    QVERIFY(!window_->isVisible());
    QVERIFY(context_->closing);
}

void MainWindowTest::unsavedWorkIsOfferedForSavingBeforeQuitting_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << static_cast<int>(Prompt::SaveChoice::Save) << true << true;
    QTest::newRow("discard") << static_cast<int>(Prompt::SaveChoice::Discard) << true << false;
    QTest::newRow("cancel") << static_cast<int>(Prompt::SaveChoice::Cancel) << false << false;
}

// A developed system that no file holds: quitting offers to save it instead of the plain exit
// question, and opening another file or importing columns asks the same way.
void MainWindowTest::unsavedWorkIsOfferedForSavingBeforeQuitting() {
    QFETCH(int, choice);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    clickNumbers({1, 2, 3, 4, 5, 6});
    QTest::mouseClick(euro(1), Qt::LeftButton);
    QTest::mouseClick(euro(2), Qt::LeftButton);
    prompt_->acceptMessage(); // the elapsed time
    QTest::mouseClick(button("cmdCalcolo"), Qt::LeftButton);
    QTRY_VERIFY(!window_->isDeveloping());
    QVERIFY(document_->modified());

    // Opening and importing ask first; cancelled, nothing else is asked.
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Cancel);
    window_->actions().open->trigger();
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Cancel);
    window_->actions().importColumns->trigger();
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::OpenFile).size(), 0u);

    const QString file = context_->dataFolder.newSystemPath();
    QFile::remove(file); // the data folder outlives a row

    prompt_->answerSaveQuestion(static_cast<Prompt::SaveChoice>(choice));
    window_->close();
    const auto asked = prompt_->callsOf(ScriptedPrompt::Kind::SaveQuestion);
    QCOMPARE(asked.back().text, QStringLiteral("Salvare le modifiche al sistema nuovo.qsy?"));
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::Question).size(), 0u);
    QCOMPARE(!window_->isVisible(), closed);
    QCOMPARE(QFile::exists(file), saved);
    if (saved) {
        QVERIFY(!document_->modified());
    }
}

void MainWindowTest::fileFromAnotherCopyAsksBeforeReplacingWork() {
    SystemState saved;
    saved.header.setNumbers({1, 2, 3, 4, 5, 6});
    saved.header.setEuros({1, 2});
    const QString path = context_->dataFolder.path(QStringLiteral("altro.qsy"));
    QVERIFY(saveSystemFile(path.toStdString(), saved).ok());

    // Nothing to lose: the file opens at once.
    window_->activateFromOtherCopy(path);
    QCOMPARE(state().header.numberCount(), 6);

    // Work in hand: a question naming the file; No keeps the system.
    QVERIFY(document_->editCondition(SystemDocument::SumEdit{true, {}, {}}).ok());
    clickNumbers({40});
    prompt_->answerQuestion(false);
    window_->activateFromOtherCopy(path);
    const auto question = prompt_->callsOf(ScriptedPrompt::Kind::Question).at(0);
    QVERIFY2(question.text.contains(QStringLiteral("altro.qsy")), qPrintable(question.text));
    QCOMPARE(state().header.numberCount(), 7);

    prompt_->answerQuestion(true);
    window_->activateFromOtherCopy(path);
    QCOMPARE(state().header.numberCount(), 6);
    QVERIFY(!state().conditions.sumOn());
}

namespace {

// A valid matrix for v numbers of one column, positions 1..5, valid for every day.
Matrix oneColumnMatrix(int v) {
    Matrix m;
    m.header.v = static_cast<std::uint8_t>(v);
    m.header.k = 5;
    m.header.t = 2;
    m.header.m = 2;
    m.header.columnCount = 1;
    m.header.validFrom = 0;
    m.header.validTo = 2958465; // 31/12/9999
    m.header.formatId = matrixfile::Identifier;
    m.body = {1, 2, 3, 4, 5};
    return m;
}

} // namespace

QStringList MainWindowTest::withMatrixWindow(const std::function<void()>& open,
                                             const std::function<void(MatrixDialog&)>& inside) {
    QStringList names;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<MatrixDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll.stop();
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("flZOR"));
        for (int i = 0; i < list->count(); ++i) {
            names << list->item(i)->text();
        }
        inside(*dialog);
    });
    poll.start();
    open();
    return names;
}

void MainWindowTest::adaptAndMatrixListOpenTheMatrixWindow() {
    const QString folder = context_->dataFolder.matrixFolder();
    for (int v : {7, 8}) {
        QVERIFY(saveMatrixFile(QStringLiteral("%1/v%2.mzor").arg(folder).arg(v).toStdString(),
                               oneColumnMatrix(v)));
    }
    // The list of every matrix, from the File menu.
    const auto all = withMatrixWindow([this] { window_->actions().matrixList->trigger(); },
                                      [](MatrixDialog& d) { d.reject(); });
    QCOMPARE(all, (QStringList{QStringLiteral("v7.mzor"), QStringLiteral("v8.mzor")}));

    // cmdAdatta lists the matrices for the numbers in play and adapts one.
    clickNumbers({3, 8, 15, 22, 30, 41, 49});
    QTest::mouseClick(euro(2), Qt::LeftButton);
    QTest::mouseClick(euro(9), Qt::LeftButton);
    const auto seven = withMatrixWindow(
        [this] { button("cmdAdatta")->click(); },
        [](MatrixDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cmdAdatta"))->click(); });
    QCOMPARE(seven, QStringList{QStringLiteral("v7.mzor")});
    verifyLocked(true);
    QCOMPARE(state().columns.at(0), (Column{3, 8, 15, 22, 30}));
    QCOMPARE(panel(2), QStringLiteral("1"));
    QVERIFY(window_->actions().reduced->isChecked());
}

void MainWindowTest::printCommandsOpenTheirWindows() {
    context_->printerNames = [] {
        return QStringList{};
    };
    QVERIFY(document_->adoptImportedColumns(
        {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}}, {3, 8}, "/tmp/prova.txt"));
    // Each command shows its window modally; the test reads it and closes it.
    const auto opened = [this](const std::function<void()>& open) {
        QDialog* seen = nullptr;
        QString name;
        QString total;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!seen) {
                return;
            }
            poll.stop();
            name = seen->objectName();
            if (auto* label = seen->findChild<QLabel*>(QStringLiteral("labSchede"))) {
                total = label->text();
            }
            seen->reject();
        });
        poll.start();
        open();
        return std::make_pair(name, total);
    };
    QCOMPARE(opened([this] { button("cmdSchedine")->click(); }),
             std::make_pair(QStringLiteral("frmStampa"), QStringLiteral("3")));
    QCOMPARE(opened([this] { window_->actions().printListing->trigger(); }).first,
             QStringLiteral("frmTabulato"));
    QCOMPARE(opened([this] { button("cmdTabulato")->click(); }).first,
             QStringLiteral("frmTabulato"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
