// quintora_language_screenshots OUTDIR LANGUAGE: every window loaded with one of the shipped
// language files and saved as a PNG, to look for texts cut off or overlapping
// (scripts/screenshots-languages.sh runs it for each language under a virtual X server).
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "ArchiveScreenshots.h"
#include "core/Development.h"
#include "core/SystemState.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixList.h"
#include "PrintScreenshots.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/AboutDialog.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/ColumnViewer.h"
#include "ui/conditions/ConsecutiveDialog.h"
#include "ui/conditions/EvenOddDialog.h"
#include "ui/conditions/ExcludedColumnsDialog.h"
#include "ui/conditions/FixedDialog.h"
#include "ui/conditions/MinimumDistanceDialog.h"
#include "ui/conditions/ReducedDialog.h"
#include "ui/conditions/SumDialog.h"
#include "ui/filters/FilterDialog.h"
#include "ui/filters/FilterImportDialog.h"
#include "ui/matrix/MatrixDialog.h"
#include "ui/matrix/NewMatrixDialog.h"
#include "ui/NewVersionDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/SplashWindow.h"
#include "ui/widgets/CellGrid.h"

#include <cstdio>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QThread>
#include <QUrl>

using namespace quintora;

namespace {

void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 150) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void save(QWidget* w, const QString& path) {
    w->show();
    settle();
    if (!w->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    // On a real window system, the window with its frame too: a title cut short by the window
    // manager shows only there.
    if (QGuiApplication::platformName() == QStringLiteral("xcb") && w->isWindow()) {
        QString framed = path;
        framed.replace(QStringLiteral(".png"), QStringLiteral("-framed.png"));
        // Above the windows captured before it, which stay open.
        w->raise();
        w->activateWindow();
        settle();
        const QRect frame = w->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(framed);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: quintora_language_screenshots OUTDIR LANGUAGE\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString language = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    test::TemporaryXdg xdg;
    QDir().mkpath(xdg.dataFolder());
    const QString file = language + QStringLiteral(".lng");
    if (!QFile::copy(QStringLiteral(QUINTORA_SOURCE_DATA) + u'/' + file,
                     xdg.dataFolder() + u'/' + file)) {
        std::fprintf(stderr, "no language file %s\n", qPrintable(file));
        return 1;
    }
    QFile ini(xdg.dataFolder() + QStringLiteral("/quintora.ini"));
    if (!ini.open(QIODevice::WriteOnly)) {
        return 1;
    }
    // Three recent systems, the last of them gone since.
    const QString systems = xdg.dataFolder() + QStringLiteral("/sistemi");
    QDir().mkpath(systems);
    QByteArray recent;
    int entry = 0;
    for (const char* recentName : {"ricevitoria-sabato.qsy", "integrale-10.qsy", "vecchio.qsy"}) {
        const QString path = systems + u'/' + QString::fromUtf8(recentName);
        if (entry < 2) {
            SystemState recentSystem;
            recentSystem.columns = {{1, 2, 3, 4, 5}};
            (void)saveSystemFile(path.toStdString(), recentSystem);
        }
        recent += "FILE RECENTE " + QByteArray::number(++entry) + "=" + path.toUtf8() + "\r\n";
    }
    ini.write("[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=Laser\r\nLINGUA=" + language.toLatin1() +
              "\r\n" + recent);
    ini.close();

    SystemDocument document;
    // Loading the windows asks nothing: a prompt would be answered No / cancel, and reported.
    test::ScriptedPrompt prompt;
    prompt.setObserver([](const test::ScriptedPrompt::Call& call) {
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(call.text));
    });
    AppContext context(document, prompt, DataFolder(DataFolder::standardRoot()));
    context.dataFolder.createTree();
    const auto name = [&](const char* what) {
        return out + QStringLiteral("/lang-%1-%2.png").arg(language, QString::fromUtf8(what));
    };

    MainWindow main(context);
    for (int n : {3, 8, 15, 22, 30, 37, 41, 44}) {
        main.clickNumber(n - 1);
    }
    main.clickEuro(1);
    main.clickEuro(6);
    save(&main, name("main"));
    // Today's game: Euro 1-12, with 11 marked; then back to the program's own for the rest.
    (void)context.document.setRules(GameRules::current());
    main.clickEuro(6);
    main.clickEuro(10);
    save(&main, name("main-euro12"));
    main.clickEuro(10);
    main.clickEuro(6);
    (void)context.document.setRules(GameRules::classic());
    // The widest menu, open, over the window.
    main.menus().conditions->popup(main.mapToGlobal(
        main.menuBar()->actionGeometry(main.menus().conditions->menuAction()).bottomLeft()));
    settle();
    main.menus().conditions->grab().save(name("menu-conditions"));
    main.menus().conditions->hide();
    // The recent systems, open beside the File menu: the screen around the window, menus
    // included.
    QMenu* fileMenu = main.menus().file;
    fileMenu->popup(
        main.mapToGlobal(main.menuBar()->actionGeometry(fileMenu->menuAction()).bottomLeft()));
    settle();
    fileMenu->setActiveAction(main.menus().recent->menuAction());
    main.menus().recent->popup(fileMenu->mapToGlobal(
        fileMenu->actionGeometry(main.menus().recent->menuAction()).topRight()));
    settle();
    const QRect shown = main.frameGeometry()
                            .united(fileMenu->geometry())
                            .united(main.menus().recent->geometry())
                            .adjusted(0, 0, 8, 8);
    if (QScreen* screen = main.screen()) {
        screen->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
            .save(name("menu-recent"));
    }
    main.menus().recent->hide();
    fileMenu->hide();

    // The Edit menu naming the last step, and the number grid with the keyboard's frame.
    QMenu* edit = main.menus().edit;
    edit->popup(main.mapToGlobal(main.menuBar()->actionGeometry(edit->menuAction()).bottomLeft()));
    settle();
    edit->grab().save(name("menu-edit"));
    edit->hide();
    main.activateWindow();
    main.numberGrid()->setFocus(Qt::TabFocusReason);
    main.numberGrid()->setCurrentCell(16);
    save(&main, name("main-focused-grid"));

    Language& l = context.language;
    const QString texts = context.dataFolder.textFolder();
    SettingsDialog settingsDialog(context.settingsDocument, l, prompt,
                                  {QStringLiteral("Laser"), QStringLiteral("Ufficio")}, &main);
    save(&settingsDialog, name("settings"));
    // The condition dialogs over the system still being set up, so they are editable.
    FilterDialog filters(document, prompt, l, texts, &main);
    save(&filters, name("filters"));
    auto filterTable = document.state().filters;
    FilterImportDialog filterImport(filterTable, prompt, l, texts, &main);
    save(&filterImport, name("filter-import"));
    SumDialog sum(document, prompt, l, &main);
    save(&sum, name("sum"));
    EvenOddDialog evenOdd(document, l, &main);
    save(&evenOdd, name("even-odd"));
    FixedDialog fixed(document, l, &main);
    save(&fixed, name("fixed"));
    ConsecutiveDialog consecutive(document, l, &main);
    save(&consecutive, name("consecutive"));
    MinimumDistanceDialog distance(document, prompt, l, &main);
    save(&distance, name("minimum-distance"));
    ReducedDialog reduced(document, prompt, l, &main);
    save(&reduced, name("reduced"));

    // The shipped matrices, and one for the same numbers that is damaged and expired.
    const QString matrices = context.dataFolder.matrixFolder();
    installShippedMatrices({QUINTORA_SOURCE_DATA "/server/matrici"}, matrices.toStdString());
    Matrix damaged;
    damaged.header = MatrixHeader{
        8, 5, 2, 2, 0, 2, "100%", "Quintora", "Matrice di prova", 0, 1, matrixfile::Identifier};
    damaged.body = {1, 4, 2, 5, 3, 6, 4, 7, 5, 8};
    auto bytes = encodeMatrixFile(damaged);
    bytes[matrixfile::HeaderSize] ^= 1;
    QFile damagedFile(matrices + QStringLiteral("/zz-danneggiata.mzor"));
    if (damagedFile.open(QIODevice::WriteOnly)) {
        damagedFile.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qint64>(bytes.size()));
        damagedFile.close();
    }
    MatrixDialog matrixDialog(document, prompt, l, matrices, 8, todayLocal(), &main);
    save(&matrixDialog, name("matrices"));
    auto* matrixList = matrixDialog.findChild<QListWidget*>(QStringLiteral("flZOR"));
    matrixList->setCurrentRow(matrixList->count() - 1);
    save(&matrixDialog, name("matrices-damaged"));
    MatrixDialog allMatrices(document, prompt, l, matrices, 0, todayLocal(), &main);
    save(&allMatrices, name("matrices-all"));
    NewMatrixDialog newMatrix(prompt, l, matrices, todayLocal(), 8, &main);
    save(&newMatrix, name("new-matrix"));
    // A search under way: the best size so far and the share of the time used.
    newMatrix.findChild<QSpinBox*>(QStringLiteral("spnV"))->setValue(19);
    newMatrix.findChild<QSpinBox*>(QStringLiteral("spnSecondi"))->setValue(3);
    newMatrix.start();
    settle();
    QThread::msleep(1200);
    save(&newMatrix, name("new-matrix-running"));
    newMatrix.stop();
    while (newMatrix.running()) {
        settle();
    }

    // The column lists over the developed system.
    auto input = document.startDevelopment();
    if (!input) {
        std::fprintf(stderr, "cannot develop: %s\n", input.error().message.c_str());
        return 1;
    }
    DevelopmentControl control;
    (void)document.finishDevelopment(develop(input.value(), {}, control));
    ExcludedColumnsDialog excluded(document, prompt, l, &main);
    save(&excluded, name("excluded"));
    ProgressDialog progress(l, &main);
    save(&progress, name("progress"));
    ColumnViewer viewer(document.state(), l, &main);
    save(&viewer, name("viewer"));
    AboutDialog about(QUrl(QStringLiteral("http://127.0.0.1:8642/")), l, &main);
    save(&about, name("about"));
    NewVersionDialog newVersion(QUrl(QStringLiteral("http://127.0.0.1:8642/")), l, &main);
    newVersion.setLocalVersion(QStringLiteral("1.0.0"));
    newVersion.setRemoteVersion(QStringLiteral("1.1.0"));
    newVersion.show();
    save(&newVersion, name("new-version"));
    newVersion.hide(); // modal: it would stay above the windows captured after it
    SplashWindow splash(l);
    save(&splash, name("splash"));
    splash.hide(); // it stays on top: the windows captured after it would sit under it
    test::saveArchiveScreenshots(
        main, QStringLiteral(QUINTORA_SOURCE_DATA "/eurojackpot-draws.txt"),
        [&](QWidget* w, const QString& what) { save(w, name(qPrintable(what))); });
    test::savePrintScreenshots(
        main, out + QStringLiteral("/lang-%1-print").arg(language),
        [&](QWidget* w, const QString& what) { save(w, name(qPrintable(what))); });

    // The archive window once the other language is saved: its captions change, its data stay.
    const QString other = language == QStringLiteral("english") ? QStringLiteral("italiano")
                                                                : QStringLiteral("english");
    QFile::copy(QStringLiteral(QUINTORA_SOURCE_DATA) + u'/' + other + QStringLiteral(".lng"),
                xdg.dataFolder() + u'/' + other + QStringLiteral(".lng"));
    Settings saved = context.settingsDocument.settings();
    saved.language = other.toStdString();
    if (!context.settingsDocument.save(saved)) {
        return 1;
    }
    main.openArchive();
    save(main.archiveWindow(), name("archive-after-language-change"));
    return prompt.calls().empty() ? 0 : 1;
}
