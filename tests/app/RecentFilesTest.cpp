// The recent systems of the File menu across restarts, and system files dropped on the window.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/SystemState.h"
#include "files/SystemFile.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

using namespace quintora;
using quintora::test::ScriptedPrompt;
using Kind = ScriptedPrompt::Kind;

namespace {

SystemState developedSystem(std::uint8_t first) {
    SystemState s;
    const std::uint8_t numbers[] = {first, 12, 23, 34, 45, 46};
    s.header.setNumbers(NumberSet::of(numbers));
    s.header.setEuros({3, 8});
    s.header.systemType = "Integrale";
    s.columns = {{first, 12, 23, 34, 45}, {first, 12, 23, 34, 46}};
    return s;
}

} // namespace

class RecentFilesTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openedAndSavedSystemsStayListedAcrossRestarts();
    void aRecentSystemAsksAboutUnsavedWorkFirst_data();
    void aRecentSystemAsksAboutUnsavedWorkFirst();
    void droppedFiles_data();
    void droppedFiles();
    void aListTheSettingsCannotKeepIsSaidInTheStatusBar();

private:
    // A developed system written into the data home under `name`.
    QString writeSystem(const QString& name, std::uint8_t first) {
        const QString path = xdg_->dataHome() + u'/' + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        [&] {
            QVERIFY(saveSystemFile(path.toStdString(), developedSystem(first)).ok());
        }();
        return path;
    }
    QStringList listed() const {
        QStringList paths;
        for (auto* action : window_->recentActions()) {
            paths << action->data().toString();
        }
        return paths;
    }
    QList<bool> enabled() const {
        QList<bool> states;
        for (auto* action : window_->recentActions()) {
            states << action->isEnabled();
        }
        return states;
    }
    void restart() {
        QCOMPARE(prompt_->pending(), 0);
        window_->hide(); // leaves without the exit question
        closeWindow();
        QVERIFY(openWindow());
    }
    void drop(const QList<QUrl>& urls, bool accepted) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window_->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted) {
            QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_.get(), &dropped);
        }
    }
};

void RecentFilesTest::init() {
    QVERIFY(openWindow());
}

void RecentFilesTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
    xdg_.reset(); // every test starts without a settings file
}

void RecentFilesTest::openedAndSavedSystemsStayListedAcrossRestarts() {
    // Nothing yet: the submenu is there, greyed, and the settings file untouched.
    auto* recent = window_->menus().recent;
    QCOMPARE(recent->objectName(), QStringLiteral("menuFileRecenti"));
    QVERIFY(!recent->menuAction()->isEnabled());
    QVERIFY(listed().isEmpty());

    const QString a = writeSystem(QStringLiteral("altrove/a.qsy"), 1);
    const QString b = writeSystem(QStringLiteral("altrove/b.qsy"), 2);
    prompt_->answerOpenFile(a);
    window_->actions().open->trigger();
    prompt_->answerOpenFile(b);
    window_->actions().open->trigger();
    const QString saved = context_->dataFolder.systemsFolder() + QStringLiteral("/copia.qsy");
    prompt_->answerSaveFile(saved);
    window_->actions().saveAs->trigger();
    // Opening a listed one again moves it up, once.
    prompt_->answerOpenFile(a);
    window_->actions().open->trigger();
    QCOMPARE(listed(), (QStringList{a, saved, b}));
    QVERIFY(recent->menuAction()->isEnabled());
    QCOMPARE(window_->recentActions().front()->text(), QStringLiteral("&1 a.qsy"));

    restart();
    QCOMPARE(listed(), (QStringList{a, saved, b}));
    QCOMPARE(enabled(), (QList<bool>{true, true, true}));

    // A file that went is greyed, and comes back with its file.
    QVERIFY(QFile::rename(b, b + QStringLiteral(".via")));
    emit window_->menus().recent->aboutToShow();
    QCOMPARE(enabled(), (QList<bool>{true, true, false}));
    QVERIFY(QFile::rename(b + QStringLiteral(".via"), b));
    emit window_->menus().recent->aboutToShow();
    QCOMPARE(enabled(), (QList<bool>{true, true, true}));

    // Choosing an entry opens that system.
    window_->recentActions().at(2)->trigger();
    QCOMPARE(state().columns.front()[0], std::uint8_t{2});
    QCOMPARE(listed(), (QStringList{b, a, saved}));

    // Nine systems keep the latest eight.
    for (int i = 0; i < 9; ++i) {
        const QString path = writeSystem(QStringLiteral("molti/%1.qsy").arg(i), 3);
        QVERIFY(window_->openSystemFile(path));
    }
    QCOMPARE(listed().size(), 8);
    QVERIFY(listed().front().endsWith(QStringLiteral("/8.qsy")));
    QVERIFY(listed().back().endsWith(QStringLiteral("/1.qsy")));

    window_->actions().clearRecent->trigger();
    QVERIFY(listed().isEmpty());
    restart();
    QVERIFY(listed().isEmpty());
    QVERIFY(!window_->menus().recent->menuAction()->isEnabled());
}

void RecentFilesTest::aRecentSystemAsksAboutUnsavedWorkFirst_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("opened");
    QTest::newRow("cancel") << static_cast<int>(Prompt::SaveChoice::Cancel) << false;
    QTest::newRow("discard") << static_cast<int>(Prompt::SaveChoice::Discard) << true;
}

void RecentFilesTest::aRecentSystemAsksAboutUnsavedWorkFirst() {
    QFETCH(int, choice);
    QFETCH(bool, opened);
    const QString a = writeSystem(QStringLiteral("a.qsy"), 1);
    const QString b = writeSystem(QStringLiteral("b.qsy"), 2);
    QVERIFY(window_->openSystemFile(b));
    QVERIFY(window_->openSystemFile(a));
    QVERIFY(document_->shuffle(7)); // unsaved work
    prompt_->answerSaveQuestion(static_cast<Prompt::SaveChoice>(choice));
    window_->recentActions().at(1)->trigger();
    QCOMPARE(prompt_->callsOf(Kind::SaveQuestion).size(), 1u);
    QCOMPARE(state().columns.front()[0] == 2, opened);
}

void RecentFilesTest::droppedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("system file") << QStringLiteral("caduto.qsy") << true;
    QTest::newRow("upper-case extension") << QStringLiteral("CADUTO.QSY") << true;
    QTest::newRow("column text") << QStringLiteral("colonne.txt") << false;
}

void RecentFilesTest::droppedFiles() {
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const QString path = writeSystem(name, 9);
    drop({QUrl::fromLocalFile(path)}, accepted);
    QCOMPARE(!state().columns.empty(), accepted);
    QCOMPARE(listed(), accepted ? QStringList{path} : QStringList{});
    // A web address is not a file to open.
    drop({QUrl(QStringLiteral("https://example.org/x.qsy"))}, false);

    // Over unsaved work the drop asks first, as opening does.
    if (accepted) {
        // Unsaved work: a shuffle that changes the order (one that keeps it changes nothing).
        const auto dropped = state().columns;
        for (std::uint64_t seed = 3; state().columns == dropped; ++seed) {
            QVERIFY(document_->shuffle(seed));
        }
        prompt_->answerSaveQuestion(Prompt::SaveChoice::Cancel);
        const auto before = state().columns;
        drop({QUrl::fromLocalFile(writeSystem(QStringLiteral("altro.qsy"), 4))}, true);
        QCOMPARE(state().columns, before);
    }
}

// The system opens all the same; the status bar says why the list did not change.
void RecentFilesTest::aListTheSettingsCannotKeepIsSaidInTheStatusBar() {
    const QString a = writeSystem(QStringLiteral("altrove/a.qsy"), 1);
    // A folder where the settings file goes: no write can take its place.
    const QString ini = QString::fromStdString(context_->settingsDocument.path());
    QFile::remove(ini);
    QVERIFY(QDir().mkpath(ini));
    prompt_->answerOpenFile(a);
    window_->actions().open->trigger();
    QCOMPARE(state().columnCount(), 2);
    QVERIFY(listed().isEmpty());
    QVERIFY(window_->statusBar()->currentMessage().startsWith(
        QStringLiteral("L'elenco dei file recenti non è stato salvato: ")));
    QCOMPARE(prompt_->callsOf(Kind::Message).size(), 0u);
}

QTEST_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
