// The condition, filter and shuffle commands as the main window runs them: each dialog opens
// from its menu entry, the entry's check mark follows the condition, and a development from
// the window gives what the engine gives for the same conditions.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Development.h"
#include "document/SystemDocument.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/widgets/CellGrid.h"

#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace quintora;
using test::ScriptedPrompt;

namespace {

using test::child;

void press(const QWidget& dialog, const QString& name) {
    test::click(child(dialog, name));
}

QAction* entry(const QWidget& window, const QString& name) {
    return child<QAction>(window, name);
}

std::vector<Column> engine(const SystemState& state) {
    DevelopmentControl control;
    return develop(state, {}, control).columns;
}

using DialogScript = std::function<void(QDialog&)>;
using DirectSetup = std::function<void(SystemDocument&)>;

} // namespace

Q_DECLARE_METATYPE(DialogScript)
Q_DECLARE_METATYPE(DirectSetup)

class ConditionsWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesOpenTheirDialogsAndTickTheirMarks_data();
    void entriesOpenTheirDialogsAndTickTheirMarks();
    void reductionMarksFollowBothFlags();
    void marksStayOffOverALockedSystem();
    void shuffleFromTheMenu();

    void developsLikeTheEngine_data();
    void developsLikeTheEngine();
    void excludedColumnsTakeEffectInTheNextDevelopment();

    // Not a check: with QUINTORA_SCREENSHOTS naming a folder, saves a picture of every
    // dialog of these commands, opened over a real system (scripts/screenshots-conditions.sh).
    void screenshots();

private:
    void capture(QWidget& dialog, const QString& name);

    // Runs the entry; `script` drives the dialog it opens, which is then closed. Returns the
    // name of the dialog that opened.
    QString runEntry(const QString& entryName, const DialogScript& script);
    void playNumbers(int last);
    void developFromWindow();
};

void ConditionsWindowTest::init() {
    QVERIFY(openWindow());
}

void ConditionsWindowTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0); // every scripted answer was asked for
    closeWindow();
    xdg_.reset(); // each test starts from empty folders
}

QString ConditionsWindowTest::runEntry(const QString& entryName, const DialogScript& script) {
    QString opened;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        opened = dialog->objectName();
        if (script) {
            script(*dialog);
        }
        dialog->close();
        if (dialog->isVisible()) { // refused to close: give up rather than hang
            opened += QStringLiteral(" (stayed open)");
            dialog->QDialog::done(QDialog::Rejected);
        }
    });
    entry(*window_, entryName)->trigger();
    return opened;
}

void ConditionsWindowTest::playNumbers(int last) {
    for (int i = 0; i < last; ++i) {
        window_->clickNumber(i);
    }
    window_->clickEuro(0);
    window_->clickEuro(1);
}

void ConditionsWindowTest::developFromWindow() {
    prompt_->acceptMessage(); // the elapsed time
    entry(*window_, QStringLiteral("menucalcolo"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isDeveloping(), 20000);
}

void ConditionsWindowTest::entriesOpenTheirDialogsAndTickTheirMarks_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("switchOn"); // the option that switches the condition on
    QTest::newRow("sum") << "menuSomma"
                         << "frmSomma"
                         << "optCondSomma(0)";
    QTest::newRow("even/odd") << "menuPariDispari"
                              << "frmPari"
                              << "optCondizione(0)";
    QTest::newRow("fixed") << "menuFisse"
                           << "frmFisse"
                           << "optCondFisse(0)";
    QTest::newRow("consecutive") << "menuConsecutivi"
                                 << "frmConsecutivi"
                                 << "optCond(0)";
    QTest::newRow("excluded") << "menuEscludiColonne"
                              << "frmEscludiColonne"
                              << "optCondizione(0)";
    QTest::newRow("filters") << "menuColonnaFiltro"
                             << "frmFiltri"
                             << "optCond(0)";
}

void ConditionsWindowTest::entriesOpenTheirDialogsAndTickTheirMarks() {
    QFETCH(QString, entry);
    QFETCH(QString, dialog);
    QFETCH(QString, switchOn);
    playNumbers(10);
    auto* action = ::entry(*window_, entry);
    QCOMPARE(runEntry(entry, {}), dialog);
    QVERIFY(!action->isChecked());
    QCOMPARE(runEntry(entry, [&](QDialog& d) { press(d, switchOn); }), dialog);
    QVERIFY(action->isChecked());
    const auto off = QString(switchOn).replace(QStringLiteral("(0)"), QStringLiteral("(1)"));
    QCOMPARE(runEntry(entry, [&](QDialog& d) { press(d, off); }), dialog);
    QVERIFY(!action->isChecked());
}

void ConditionsWindowTest::reductionMarksFollowBothFlags() {
    playNumbers(10);
    auto* reduced = entry(*window_, QStringLiteral("menuRidotto"));
    auto* distance = entry(*window_, QStringLiteral("menuDistanzaMinima"));
    const auto switchOn = [](const QString& option) {
        return [option](QDialog& d) {
            press(d, option);
        };
    };
    QCOMPARE(runEntry(QStringLiteral("menuDistanzaMinima"), switchOn(QStringLiteral("optCond(0)"))),
             QStringLiteral("frmDistanzaMinima"));
    QVERIFY(distance->isChecked());
    QVERIFY(!reduced->isChecked());
    QVERIFY(prompt_->calls().empty());
    prompt_->acceptMessage(); // "0021"

    QCOMPARE(runEntry(QStringLiteral("menuRidotto"), switchOn(QStringLiteral("optCondizione(0)"))),
             QStringLiteral("frmRidotto"));
    QVERIFY(reduced->isChecked());
    QVERIFY(!distance->isChecked());
    QCOMPARE(prompt_->calls().size(), 1u);
    QCOMPARE(prompt_->calls().front().icon, Prompt::Icon::Exclamation);
    prompt_->acceptMessage(); // "0005"

    QCOMPARE(runEntry(QStringLiteral("menuDistanzaMinima"), switchOn(QStringLiteral("optCond(0)"))),
             QStringLiteral("frmDistanzaMinima"));
    QVERIFY(distance->isChecked());
    QVERIFY(!reduced->isChecked());
    QCOMPARE(prompt_->calls().size(), 2u);
}

// On a developed system the dialogs only show the conditions: choosing an entry must not
// tick a condition that stays off.
void ConditionsWindowTest::marksStayOffOverALockedSystem() {
    playNumbers(7);
    developFromWindow();
    QVERIFY(document_->locked());
    for (const char* name :
         {"menuSomma", "menuPariDispari", "menuFisse", "menuConsecutivi", "menuDistanzaMinima",
          "menuRidotto", "menuColonnaFiltro", "menuEscludiColonne"}) {
        const auto entryName = QString::fromUtf8(name);
        QVERIFY2(!runEntry(entryName, {}).isEmpty(), name);
        QVERIFY2(!entry(*window_, entryName)->isChecked(), name);
    }
}

void ConditionsWindowTest::shuffleFromTheMenu() {
    playNumbers(9);
    developFromWindow();
    auto* shuffle = entry(*window_, QStringLiteral("menuMescola"));
    QVERIFY(shuffle->isEnabled());
    const auto before = state().columns;
    bool changed = false;
    for (int i = 0; i < 5 && !changed; ++i) {
        prompt_->answerQuestion(true);
        shuffle->trigger();
        changed = state().columns != before;
    }
    QVERIFY(changed);
    QVERIFY(shuffle->isEnabled());
    auto sorted = state().columns;
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(sorted == before);
}

void ConditionsWindowTest::developsLikeTheEngine_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<DialogScript>("script");
    QTest::addColumn<DirectSetup>("direct");

    QTest::newRow("sum") << "menuSomma" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCondSomma(0)"));
        child<QLineEdit>(d, QStringLiteral("meDa"))->setText(QStringLiteral("25"));
        child<QLineEdit>(d, QStringLiteral("meA"))->setText(QStringLiteral("40"));
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::SumEdit{true, 25, 40}));
    });
    QTest::newRow("even/odd") << "menuPariDispari" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        press(d, QStringLiteral("labPariDispari(1)"));
        press(d, QStringLiteral("labPariDispari(4)"));
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::EvenOddEdit{true, CountSet{1, 4}}));
    });
    QTest::newRow("fixed") << "menuFisse" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCondFisse(0)"));
        press(d, QStringLiteral("labGriglia(6)"));
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::FixedEdit{true, NumberSet{7}}));
    });
    QTest::newRow("consecutive") << "menuConsecutivi" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCond(0)"));
        press(d, QStringLiteral("lbPresenze(2)"));
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::ConsecutiveEdit{true, CountSet{2}}));
    });
    QTest::newRow("minimum distance") << "menuDistanzaMinima" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCond(0)"));
        child<QScrollBar>(d, QStringLiteral("hsDistanzaMinima"))->setValue(3);
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::MinimumDistanceEdit{true, 3}));
    });
    QTest::newRow("reduced") << "menuRidotto" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        child<QScrollBar>(d, QStringLiteral("hsRidottoNx"))->setValue(3);
    }) << DirectSetup([](SystemDocument& d) {
        QVERIFY(d.editCondition(SystemDocument::ReducedEdit{true, 3}));
    });
    QTest::newRow("filters") << "menuColonnaFiltro" << DialogScript([](QDialog& d) {
        press(d, QStringLiteral("cmdNext1"));
        press(d, QStringLiteral("labGriglia(0)"));
        press(d, QStringLiteral("labGriglia(1)"));
        press(d, QStringLiteral("lbPresenze(1)"));
        press(d, QStringLiteral("optCond(0)"));
    }) << DirectSetup([](SystemDocument& d) {
        FilterColumn filter;
        filter.setMembers(NumberSet{1, 2});
        filter.setHits(CountSet{1});
        filter.setOn(true);
        QVERIFY(d.setFilters(std::span(&filter, 1)));
    });
}

void ConditionsWindowTest::developsLikeTheEngine() {
    QFETCH(QString, entry);
    QFETCH(DialogScript, script);
    QFETCH(DirectSetup, direct);

    playNumbers(11);
    QVERIFY(!runEntry(entry, script).contains(QStringLiteral("stayed open")));
    QVERIFY(::entry(*window_, entry)->isChecked());
    developFromWindow();

    SystemDocument expected;
    QVERIFY(expected.setNumbers(state().header.numbers()));
    QVERIFY(expected.setEuros(state().header.euros()));
    direct(expected);
    const auto want = engine(expected.state());
    QVERIFY(!want.empty());
    QVERIFY(want.size() < 462u); // the condition did thin the integral
    QCOMPARE(state().columns.size(), want.size());
    QVERIFY(state().columns == want);
    QVERIFY(document_->locked());
}

void ConditionsWindowTest::excludedColumnsTakeEffectInTheNextDevelopment() {
    playNumbers(7);
    developFromWindow();
    QCOMPARE(state().columnCount(), 21);
    const auto first = state().columns[0];
    const auto sixth = state().columns[5];
    runEntry(QStringLiteral("menuEscludiColonne"), [](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        auto* list = child<QListWidget>(d, QStringLiteral("lstColonneSistema"));
        list->item(0)->setSelected(true);
        list->item(5)->setSelected(true);
        press(d, QStringLiteral("cmdAdd"));
    });
    QVERIFY(entry(*window_, QStringLiteral("menuEscludiColonne"))->isChecked());

    prompt_->answerQuestion(true); // "Continuare ?"
    entry(*window_, QStringLiteral("menumodifiche"))->trigger();
    QVERIFY(!document_->locked());
    developFromWindow();

    SystemDocument expected;
    QVERIFY(expected.setNumbers(state().header.numbers()));
    QVERIFY(expected.setEuros(state().header.euros()));
    const std::vector<Column> excluded{first, sixth};
    QVERIFY(expected.editCondition(SystemDocument::ExcludedEdit{true, excluded}));
    const auto want = engine(expected.state());
    QCOMPARE(want.size(), 19u);
    QVERIFY(state().columns == want);
}

void ConditionsWindowTest::capture(QWidget& dialog, const QString& name) {
    const QDir folder(qEnvironmentVariable("QUINTORA_SCREENSHOTS"));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(150);
    QVERIFY(dialog.grab().save(folder.filePath(name + QStringLiteral(".png"))));
    // On a real X server also take what the screen shows, window system and all.
    const auto import = QStandardPaths::findExecutable(QStringLiteral("import"));
    if (QGuiApplication::platformName() == QStringLiteral("xcb") && !import.isEmpty()) {
        QProcess::execute(import, {QStringLiteral("-window"), QStringLiteral("root"),
                                   folder.filePath(name + QStringLiteral("-screen.png"))});
    }
}

void ConditionsWindowTest::screenshots() {
    if (qEnvironmentVariableIsEmpty("QUINTORA_SCREENSHOTS")) {
        QSKIP("set QUINTORA_SCREENSHOTS to a folder to take the pictures");
    }
    QVERIFY(QDir().mkpath(qEnvironmentVariable("QUINTORA_SCREENSHOTS")));
    for (int n : {3, 5, 8, 9, 10, 17, 21, 26, 30, 34, 41, 45}) {
        window_->clickNumber(n - 1);
    }
    window_->clickEuro(2);
    window_->clickEuro(7);
    auto& d = *document_;
    QVERIFY(d.editCondition(SystemDocument::EvenOddEdit{false, CountSet{2, 3}}));
    QVERIFY(d.editCondition(SystemDocument::FixedEdit{false, NumberSet{8, 21}}));
    QVERIFY(d.editCondition(SystemDocument::ConsecutiveEdit{false, CountSet{1, 2}}));
    FilterColumn filter;
    filter.setMembers(NumberSet{3, 5, 8});
    filter.setHits(CountSet{0, 1});
    filter.setOn(true);
    QVERIFY(d.setFilters(std::span(&filter, 1)));

    const auto shoot = [this](const QString& name) {
        return [this, name](QDialog& d) {
            capture(d, name);
        };
    };
    runEntry(QStringLiteral("menuSomma"), [&](QDialog& d) {
        press(d, QStringLiteral("optCondSomma(0)"));
        capture(d, QStringLiteral("frmSomma"));
    });
    runEntry(QStringLiteral("menuPariDispari"), [&](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        capture(d, QStringLiteral("frmPari"));
    });
    runEntry(QStringLiteral("menuFisse"), shoot(QStringLiteral("frmFisse")));
    runEntry(QStringLiteral("menuConsecutivi"), shoot(QStringLiteral("frmConsecutivi")));
    runEntry(QStringLiteral("menuDistanzaMinima"), shoot(QStringLiteral("frmDistanzaMinima")));
    runEntry(QStringLiteral("menuRidotto"), [&](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        child<QScrollBar>(d, QStringLiteral("hsRidottoNx"))->setValue(2);
        capture(d, QStringLiteral("frmRidotto"));
        press(d, QStringLiteral("optCondizione(1)")); // a bigger system for the excluded list
    });
    runEntry(QStringLiteral("menuColonnaFiltro"), [&](QDialog& d) {
        capture(d, QStringLiteral("frmFiltri"));
        QTimer::singleShot(0, this, [&] {
            if (auto* import = QApplication::activeModalWidget()) {
                press(*import, QStringLiteral("lbPresenze(0)"));
                press(*import, QStringLiteral("lbPresenze(1)"));
                capture(*import, QStringLiteral("frmImportFiltri"));
                import->close();
            }
        });
        press(d, QStringLiteral("cmdLoadFiltri"));
    });

    developFromWindow();
    runEntry(QStringLiteral("menuEscludiColonne"), [&](QDialog& d) {
        press(d, QStringLiteral("optCondizione(0)"));
        auto* list = child<QListWidget>(d, QStringLiteral("lstColonneSistema"));
        for (int row : {1, 4, 6}) {
            list->item(row)->setSelected(true);
        }
        press(d, QStringLiteral("cmdAdd"));
        list->item(10)->setSelected(true);
        capture(d, QStringLiteral("frmEscludiColonne"));
    });
    runEntry(QStringLiteral("menuSomma"), shoot(QStringLiteral("frmSomma-locked")));
    runEntry(QStringLiteral("menuColonnaFiltro"), shoot(QStringLiteral("frmFiltri-locked")));
}

QTEST_MAIN(ConditionsWindowTest)
#include "ConditionsWindowTest.moc"
