// The program's start: data folders, the splash time, the command-line file, the version
// check's verdict and one running copy (a real second process of the program).
#include "app/StartUp.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/ShippedMatrices.h"
#include "app/SingleInstance.h"
#include "app/VersionCheck.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/StatisticsWindow.h"
#include "ui/widgets/CellGrid.h"

#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

// A developed system of three columns, saved under `path`.
void saveSmallSystem(const QString& path) {
    SystemState s;
    s.header.setNumbers({10, 11, 12, 13, 14, 15});
    s.header.setEuros({4, 5});
    s.header.systemType = "Integrale";
    s.columns = {{10, 11, 12, 13, 14}, {10, 11, 12, 13, 15}, {11, 12, 13, 14, 15}};
    QVERIFY(saveSystemFile(path.toStdString(), s).ok());
}

class EndingVersionCheck final : public VersionCheck {
public:
    bool run(AppContext&) override { return false; }
};

// Announces a newer version in a window of its own, as the real check does, and notes whether
// the splash was still up over it and the pointer still busy when the user got to see it.
class AnnouncingVersionCheck final : public VersionCheck {
public:
    bool run(AppContext&) override {
        QDialog announcement;
        announcement.setObjectName(QStringLiteral("frmNewVersion"));
        QTimer::singleShot(0, &announcement, [&] {
            for (const QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QStringLiteral("frmSplash") && w->isVisible()) {
                    splashOverIt = true;
                }
            }
            busyPointer = QApplication::overrideCursor() != nullptr;
            announcement.accept();
        });
        announcement.exec();
        return false;
    }
    bool splashOverIt = false;
    bool busyPointer = false;
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { xdg_ = std::make_unique<test::TemporaryXdg>(); }

    void startCreatesFoldersShowsSplashAndOpensTheCommandLineFile();
    void aNewerVersionEndsTheStart();
    void noWindowOpensUnderTheSplash();
    void secondCopyHandsItsFileToTheRunningCopy();
    void shippedMatricesGoOnlyIntoAFolderWithoutMatrices();

private:
    std::unique_ptr<test::TemporaryXdg> xdg_;
};

void StartUpTest::startCreatesFoldersShowsSplashAndOpensTheCommandLineFile() {
    // Missing parents of the data folder are made too.
    const QString root = xdg_->dataHome() + QStringLiteral("/not/yet/Quintora");
    const QString file = xdg_->dataHome() + QStringLiteral("/Sistema Prova.qsy");
    saveSmallSystem(file);

    SystemDocument document;
    const SystemState& state = document.state();
    ScriptedPrompt prompt;
    VersionCheck noCheck;
    StartUp startUp(document, prompt, noCheck, root);
    QElapsedTimer timer;
    timer.start();
    // A command line split at its blank still names one file.
    QVERIFY(startUp.run(QString(u'"' + file + u'"').split(u' ')));
    QVERIFY(timer.elapsed() >= 500); // the splash stays at least half a second

    for (const auto& name : DataFolder::subfolderNames()) {
        QVERIFY2(QDir(root + u'/' + name).exists(), qPrintable(name));
    }
    auto* window = startUp.mainWindow();
    QVERIFY(window != nullptr && window->isVisible());
    QTRY_COMPARE(state.columnCount(), 3);
    QCOMPARE(state.systemFileName, std::string("sistema prova.qsy"));
    QVERIFY(state.locked);
    QCOMPARE(window->numberGrid()->markedCount(), 6);
    QCOMPARE(prompt.calls().size(), std::size_t{0});

    // A first start has the real draw history at once; its windows are loaded, not shown.
    QCOMPARE(QFileInfo(root + QStringLiteral("/archivio/quintora.dat")).size(), 974 * 19);
    QCOMPARE(startUp.context().archiveDocument.archive().count(), 974);
    QVERIFY(window->archiveWindow() && !window->archiveWindow()->isVisible());
    QVERIFY(window->statisticsWindow() && !window->statisticsWindow()->isVisible());
    QVERIFY(QFileInfo::exists(window->statisticsWindow()->csvPath()));
    // A first start brings the shipped matrices.
    QVERIFY(QFile::exists(root + QStringLiteral("/matrici/V10T3M3.mzor")));
}

void StartUpTest::shippedMatricesGoOnlyIntoAFolderWithoutMatrices() {
    QTemporaryDir folder;
    const QStringList first = installMatricesOnFirstStart(shippedMatrixFolders(), folder.path());
    QVERIFY(first.contains(QStringLiteral("V7T3M3.mzor")));
    QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.mzor")}).size(), first.size());
    // One the user deleted stays deleted.
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("V7T3M3.mzor"))));
    QVERIFY(installMatricesOnFirstStart(shippedMatrixFolders(), folder.path()).isEmpty());
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("V7T3M3.mzor"))));
}

void StartUpTest::aNewerVersionEndsTheStart() {
    SystemDocument document;
    ScriptedPrompt prompt;
    EndingVersionCheck check;
    StartUp startUp(document, prompt, check, xdg_->dataHome() + QStringLiteral("/ending/Quintora"));
    QVERIFY(!startUp.run({}));
    QVERIFY(startUp.mainWindow() == nullptr);
}

void StartUpTest::noWindowOpensUnderTheSplash() {
    SystemDocument document;
    ScriptedPrompt prompt;
    AnnouncingVersionCheck check;
    StartUp startUp(document, prompt, check, xdg_->dataHome() + QStringLiteral("/news/Quintora"));
    QVERIFY(!startUp.run({}));
    QVERIFY(!check.splashOverIt);
    QVERIFY(!check.busyPointer);
}

void StartUpTest::secondCopyHandsItsFileToTheRunningCopy() {
    SystemDocument document;
    const SystemState& state = document.state();
    ScriptedPrompt prompt;
    VersionCheck noCheck;
    StartUp first(document, prompt, noCheck, DataFolder::standardRoot());
    QVERIFY(first.run({}));
    auto* window = first.mainWindow();
    window->showMinimized();

    const QString file = xdg_->dataHome() + QStringLiteral("/second.qsy");
    saveSmallSystem(file);
    QProcess second;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdg_->dataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), xdg_->configHome());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(xdg_->dataHome());
    second.start(QStringLiteral(QUINTORA_APP_PATH), {QStringLiteral("second.qsy")});
    QVERIFY(second.waitForStarted());
    // The second copy ends by itself at once; the first one stays the only copy.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 15000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    QTRY_COMPARE(state.columnCount(), 3);
    QCOMPARE(QString::fromStdString(state.systemPath), file);
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
