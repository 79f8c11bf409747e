// frmMAIN under both game rules: the Euro grid's cells, the questions before a switch of
// rules, and opening a file that plays Euro 11 or 12.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/SystemState.h"
#include "files/SystemFile.h"
#include "settings/IniFile.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "ui/widgets/CellGrid.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace quintora;
using quintora::test::ScriptedPrompt;

class GameRulesWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        // Every test starts from the program's own rules: no settings file of an earlier test.
        if (xdg_) {
            QFile::remove(DataFolder(xdg_->dataFolder()).settingsPath());
        }
        QVERIFY(openWindow());
    }
    void cleanup() {
        QCOMPARE(prompt_->pending(), 0);
        closeWindow();
    }

    void theEuroGridShowsTheRulesNumbers();
    void switchingToTenAsksBeforeUnmarking_data();
    void switchingToTenAsksBeforeUnmarking();
    void aDevelopedSystemRefusesTheSwitch();
    void aFileWithElevenAsksUnderTheTenRule_data();
    void aFileWithElevenAsksUnderTheTenRule();

private:
    ToggleCell* euro(int n) const { return window_->euroGrid()->cell(n - 1); }
    void clickEuros(std::initializer_list<int> numbers) {
        for (const int n : numbers) {
            QTest::mouseClick(euro(n), Qt::LeftButton);
        }
    }
    void chooseInSettings(const char* euroMax) {
        Settings settings = context_->settingsDocument.settings();
        settings.rules = *GameRules::withEuroMax(std::stoi(euroMax));
        QVERIFY(context_->settingsDocument.save(settings).ok());
    }
    int visibleEuroCells() const {
        int n = 0;
        for (int i = 0; i < window_->euroGrid()->count(); ++i) {
            n += window_->euroGrid()->cell(i)->isVisible() ? 1 : 0;
        }
        return n;
    }
};

void GameRulesWindowTest::theEuroGridShowsTheRulesNumbers() {
    QCOMPARE(visibleEuroCells(), 10);
    QVERIFY(euro(10)->isVisible() && !euro(11)->isVisible() && !euro(12)->isVisible());
    chooseInSettings("12");
    QCOMPARE(visibleEuroCells(), 12);
    QCOMPARE(euro(12)->text(), QStringLiteral("12"));
    clickEuros({12, 11, 3}); // the third is refused as ever
    QVERIFY(euro(11)->marked() && euro(12)->marked() && !euro(3)->marked());
    QCOMPARE(state().header.euros(), (NumberSet{11, 12}));
}

void GameRulesWindowTest::switchingToTenAsksBeforeUnmarking_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes unmarks 11") << true;
    QTest::newRow("no keeps everything") << false;
}

void GameRulesWindowTest::switchingToTenAsksBeforeUnmarking() {
    QFETCH(bool, yes);
    chooseInSettings("12");
    clickEuros({4, 11});
    prompt_->answerQuestion(yes);
    QCOMPARE(window_->maySwitchRules(GameRules::classic()), yes);
    const auto question = prompt_->callsOf(ScriptedPrompt::Kind::Question).at(0);
    QVERIFY2(question.text.contains(QStringLiteral("11")), qPrintable(question.text));
    if (yes) { // the settings dialog saves, and the window reads the settings again
        chooseInSettings("10");
        QCOMPARE(state().header.euros(), NumberSet{4});
        QVERIFY(!euro(11)->isVisible());
    } else {
        QCOMPARE(state().header.euros(), (NumberSet{4, 11}));
    }
    // Nothing to lose, or no switch at all: no question.
    QVERIFY(window_->maySwitchRules(document_->rules()));
    QVERIFY(window_->maySwitchRules(GameRules::current()));
}

void GameRulesWindowTest::aDevelopedSystemRefusesTheSwitch() {
    for (int n = 1; n <= 5; ++n) {
        QTest::mouseClick(window_->numberGrid()->cell(n - 1), Qt::LeftButton);
    }
    clickEuros({1, 2});
    prompt_->acceptMessage(); // the development's summary
    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("cmdCalcolo")),
                      Qt::LeftButton);
    QTRY_VERIFY(!window_->isDeveloping());
    QVERIFY(document_->locked());
    prompt_->acceptMessage();
    QVERIFY(!window_->maySwitchRules(GameRules::current()));
    const auto message = prompt_->callsOf(ScriptedPrompt::Kind::Message).back();
    QVERIFY2(message.text.contains(QStringLiteral("Modifiche")), qPrintable(message.text));
    QCOMPARE(document_->rules(), GameRules::classic());
}

void GameRulesWindowTest::aFileWithElevenAsksUnderTheTenRule_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes switches and opens") << true;
    QTest::newRow("no leaves everything") << false;
}

void GameRulesWindowTest::aFileWithElevenAsksUnderTheTenRule() {
    QFETCH(bool, yes);
    SystemState saved;
    saved.header.setNumbers({3, 7, 12, 25, 33});
    saved.header.setEuros({5, 11});
    saved.header.systemType = "Integrale";
    saved.columns = {{3, 7, 12, 25, 33}};
    const QString path = context_->dataFolder.path(QStringLiteral("oggi.qsy"));
    QVERIFY(saveSystemFile(path.toStdString(), saved).ok());
    clickEuros({2});

    prompt_->answerQuestion(yes);
    QCOMPARE(window_->openSystemFile(path), yes);
    QVERIFY(prompt_->callsOf(ScriptedPrompt::Kind::Message).empty()); // no error box on No
    const IniFile ini(context_->dataFolder.settingsPath().toStdString());
    if (yes) {
        QCOMPARE(document_->rules(), GameRules::current());
        QVERIFY(euro(11)->isVisible() && euro(11)->marked() && euro(5)->marked());
        QCOMPARE(ini.getProperty("IMPOSTAZIONI", "NUMERI EURO"), std::string("12"));
    } else {
        QCOMPARE(document_->rules(), GameRules::classic());
        QCOMPARE(state().header.euros(), NumberSet{2});
        QVERIFY(!document_->locked() && !euro(11)->isVisible());
        QVERIFY(!ini.find("IMPOSTAZIONI", "NUMERI EURO"));
    }
}

QTEST_MAIN(GameRulesWindowTest)
#include "GameRulesWindowTest.moc"
