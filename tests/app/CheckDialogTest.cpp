// frmSpoglio opened from the main window: Enter and focus through the fields, the sorting and
// the refused entries, the lists of a check, cmdCancella, the shared combination, and the
// dialog following the system.
#include "ui/check/CheckDialog.h"

#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetLookup.h"

#include <map>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

// Played with the Euro numbers 3 and 8.
const std::vector<Column> Columns = {
    {1, 2, 3, 4, 5},    {1, 2, 3, 4, 6},     {1, 2, 3, 10, 11},
    {1, 2, 20, 21, 22}, {1, 30, 31, 32, 33}, {40, 41, 42, 43, 44},
};

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

} // namespace

class CheckDialogTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingMovesOnAndEnterChecks();
    void refusedEntries_data();
    void refusedEntries();
    void checkListsTheWinningColumns();
    void cancellaClearsEverything();
    void leftFieldsAreKeptForTheNextOpening();
    void followsTheSystem();
    void anArchivedDrawWithElevenIsCheckedUnderTheTenRule();

private:
    CheckDialog* openDialog() {
        window_->checkDraw();
        auto* dialog = window_->checkDialog();
        // Keys and focus changes reach the dialog once it is the active window.
        if (dialog && !QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; })) {
            return nullptr;
        }
        return dialog;
    }
    void type(CheckDialog* d, const QStringList& texts) {
        for (int k = 0; k < texts.size(); ++k) {
            d->field(k)->selectAll();
            QTest::keyClicks(d->field(k), texts[k]);
        }
    }
    QStringList fields(CheckDialog* d) const {
        QStringList texts;
        for (int k = 0; k < 7; ++k) {
            texts << d->field(k)->text();
        }
        return texts;
    }
};

void CheckDialogTest::init() {
    QVERIFY(openWindow());
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
}

void CheckDialogTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
}

// A combination typed in one go fills the fields one after the other; Enter checks it from
// any field, and from the button the typing ends on.
void CheckDialogTest::typingMovesOnAndEnterChecks() {
    auto* d = openDialog();
    QVERIFY(d);
    QVERIFY(d->field(0)->hasFocus());
    for (const QChar digit : QStringLiteral("01020304050309")) {
        QTest::keyClick(QApplication::focusWidget(), digit.toLatin1());
    }
    QCOMPARE(fields(d), (QStringList{"01", "02", "03", "04", "05", "03", "09"}));
    auto* run = test::child<QPushButton>(*d, "cmdSpoglio");
    QVERIFY(run->hasFocus());
    QCOMPARE(prompt_->calls().size(), std::size_t{0});
    QVERIFY(d->resultLabel()->text().isEmpty()); // no check yet, no result line
    QTest::keyClick(run, Qt::Key_Return);
    QCOMPARE(d->resultLabel()->text(), QStringLiteral("Massimo punteggio raggiunto 5+1"));

    // Entering a field selects what it holds; Enter there checks what the fields hold.
    d->field(1)->setFocus();
    QTRY_COMPARE(d->field(1)->selectedText(), QStringLiteral("02"));
    QTest::keyClicks(d->field(1), QStringLiteral("40"));
    QVERIFY(d->field(2)->hasFocus());
    QTest::keyClick(d->field(2), Qt::Key_Enter);
    QCOMPARE(d->resultLabel()->text(), QStringLiteral("Massimo punteggio raggiunto 4+1"));
    QCOMPARE(prompt_->calls().size(), std::size_t{0});
}

void CheckDialogTest::refusedEntries_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    const QString wrong = QStringLiteral("Colonna Errata");
    QTest::newRow("duplicate") << QStringList{"45", "12", "45", "3", "7", "1", "2"}
                               << QStringList{"3", "7", "12", "45", "45", "1", "2"} << wrong
                               << QStringLiteral("Duplicazione di numeri") << 3;
    QTest::newRow("two empty") << QStringList{"5", "", "9", "", "1", "1", "2"}
                               << QStringList{"", "", "1", "5", "9", "1", "2"} << wrong
                               << QStringLiteral("Duplicazione di numeri") << 0;
    QTest::newRow("equal Euro") << QStringList{"5", "4", "3", "2", "1", "07", "7"}
                                << QStringList{"1", "2", "3", "4", "5", "07", "7"}
                                << QStringLiteral("!!! E R R O R E !!!")
                                << QStringLiteral("Combinazione errata") << 0;
    QTest::newRow("one empty") << QStringList{"5", "4", "", "2", "1", "1", "2"}
                               << QStringList{"", "1", "2", "4", "5", "1", "2"} << wrong
                               << QStringLiteral("Valore 0 non ammesso") << 0;
    QTest::newRow("51") << QStringList{"51", "4", "3", "2", "1", "1", "2"}
                        << QStringList{"1", "2", "3", "4", "51", "1", "2"} << wrong
                        << QStringLiteral("Valore 51 non ammesso") << 4;
    QTest::newRow("Euro 11") << QStringList{"5", "4", "3", "2", "1", "11", "2"}
                             << QStringList{"1", "2", "3", "4", "5", "11", "2"} << wrong
                             << QStringLiteral("Valore 11 non ammesso") << 5;
}

void CheckDialogTest::refusedEntries() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(int, focus);
    auto* d = openDialog();
    QVERIFY(d);
    type(d, typed);
    prompt_->acceptMessage();
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));

    const auto calls = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].title, title);
    QCOMPARE(calls[0].text, message);
    QCOMPARE(calls[0].icon, Prompt::Icon::Exclamation);
    QCOMPARE(fields(d), shown); // sorted also when refused
    QTRY_VERIFY(d->field(focus)->hasFocus());
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        QCOMPARE(d->winnersList(c)->count(), 0);
    }
}

void CheckDialogTest::checkListsTheWinningColumns() {
    auto* d = openDialog();
    QVERIFY(d);
    // Any order: the fields end up sorted and the combination stored.
    type(d, {"05", "4", "3", "2", "1", "3", "9"});
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));

    QCOMPARE(fields(d), (QStringList{"1", "2", "3", "4", "05", "3", "9"}));
    QCOMPARE(context_->archiveDocument.winningCombination(),
             (WinningCombination{{1, 2, 3, 4, 5}, {3, 9}}));
    // One Euro number matches: 5+1, 4+1, 3+1, 2+1; columns 5 and 6 win nothing.
    const std::map<int, QStringList> expected = {
        {1, {"C. 1"}}, {4, {"C. 2"}}, {7, {"C. 3"}}, {11, {"C. 4"}}};
    int total = 0;
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        const QStringList want = expected.contains(c) ? expected.at(c) : QStringList{};
        QCOMPARE(itemsOf(d->winnersList(c)), want);
        QCOMPARE(d->countLabel(c)->text(), QString::number(want.size()));
        total += d->countLabel(c)->text().toInt();
    }
    QCOMPARE(total, 4);
    QCOMPARE(d->resultLabel()->text(), QStringLiteral("Massimo punteggio raggiunto 5+1"));
    QCOMPARE(prompt_->calls().size(), std::size_t{0});

    // A combination no column reaches.
    type(d, {"46", "47", "48", "49", "50", "1", "2"});
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));
    QCOMPARE(d->resultLabel()->text(), QStringLiteral("Nessuna Vincita"));
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        QCOMPARE(d->winnersList(c)->count(), 0);
        QCOMPARE(d->countLabel(c)->text(), QStringLiteral("0"));
    }
}

void CheckDialogTest::cancellaClearsEverything() {
    auto* d = openDialog();
    QVERIFY(d);
    type(d, {"1", "2", "3", "4", "5", "3", "8"});
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));
    QCOMPARE(d->winnersList(0)->count(), 1);

    test::click(test::child<QPushButton>(*d, "cmdCancella"));
    QCOMPARE(context_->archiveDocument.winningCombination(), WinningCombination{});
    QCOMPARE(fields(d), QStringList(7, QString()));
    QCOMPARE(d->field(0)->displayText(), QStringLiteral("__"));
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        QCOMPARE(d->winnersList(c)->count(), 0);
        QCOMPARE(d->countLabel(c)->text(), QStringLiteral("0"));
    }
    QTRY_VERIFY(d->field(0)->hasFocus());
}

void CheckDialogTest::leftFieldsAreKeptForTheNextOpening() {
    auto* d = openDialog();
    QVERIFY(d);
    d->field(5)->setFocus();
    d->field(5)->selectAll();
    QTest::keyClicks(d->field(5), QStringLiteral("7"));
    d->field(6)->setFocus(); // leaving field 5 stores it at once
    QCOMPARE(context_->archiveDocument.winningCombination().euro[0], std::uint8_t{7});
    // An empty field keeps what is stored.
    WinningCombination stored = context_->archiveDocument.winningCombination();
    stored.numbers[0] = 9;
    context_->archiveDocument.setWinningCombination(stored);
    d->field(0)->clear(); // the dialog shows the stored 9: empty the field again
    d->field(0)->setFocus();
    d->field(1)->setFocus();
    QCOMPARE(context_->archiveDocument.winningCombination().numbers[0], std::uint8_t{9});

    d->close();
    QTRY_VERIFY(window_->checkDialog() == nullptr);
    d = openDialog();
    QVERIFY(d);
    QCOMPARE(fields(d), (QStringList{"09", "", "", "", "", "07", ""}));
}

void CheckDialogTest::followsTheSystem() {
    auto* d = openDialog();
    QVERIFY(d);
    type(d, {"1", "2", "3", "4", "5", "3", "8"});
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));
    QCOMPARE(d->winnersList(0)->count(), 1);
    // Opening it again shows the same dialog.
    window_->checkDraw();
    QCOMPARE(window_->checkDialog(), d);

    // New column order: the listed numbers would be wrong.
    QVERIFY(document_->shuffle(7));
    QCOMPARE(d->winnersList(0)->count(), 0);
    QVERIFY(d->resultLabel()->text().isEmpty()); // it went with the checked columns

    // A system without columns cannot be checked: the dialog goes.
    QVERIFY(document_->reopenForChanges());
    QTRY_VERIFY(window_->checkDialog() == nullptr);
    QVERIFY(!window_->buttons().checkDraw->isEnabled());
    QVERIFY(!window_->actions().checkArchive->isEnabled());
}

void CheckDialogTest::anArchivedDrawWithElevenIsCheckedUnderTheTenRule() {
    // The archive holds a draw of today's game; the rules stay Euro 1-10.
    const QString text = context_->dataFolder.path(QStringLiteral("temp/archivio.txt"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1|29/03/2022|5|4|3|2|1|11|3\r\n");
    file.close();
    QVERIFY(context_->archiveDocument.importText(text.toStdString(),
                                                 context_->dataFolder.archivePath().toStdString()));
    context_->archiveDocument.setWinningCombination(
        winningCombinationOf(context_->archiveDocument.archive().draws.front()));
    QCOMPARE(document_->rules(), GameRules::classic());

    auto* d = openDialog();
    QVERIFY(d);
    QCOMPARE(fields(d), (QStringList{"05", "04", "03", "02", "01", "11", "03"}));
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));
    // Its 11 matches none of the system's Euro numbers; its 3 does.
    QCOMPARE(itemsOf(d->winnersList(1)), QStringList{"C. 1"}); // 5+1
    QCOMPARE(itemsOf(d->winnersList(4)), QStringList{"C. 2"}); // 4+1

    // The same 11 typed with other numbers is no draw: refused as ever.
    type(d, {"6", "4", "3", "2", "1", "11", "3"});
    prompt_->acceptMessage();
    test::click(test::child<QPushButton>(*d, "cmdSpoglio"));
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::Message).at(0).text,
             QStringLiteral("Valore 11 non ammesso"));
}

QTEST_MAIN(CheckDialogTest)
#include "CheckDialogTest.moc"
