// The File menu of frmMAIN driven from its entries: opening, saving, save as, exporting and
// importing columns, with the file dialogs and input boxes answered by a script.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/SystemState.h"
#include "files/ColumnText.h"
#include "files/SystemFile.h"
#include "settings/IniFile.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ElidedLabel.h"

#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quintora;
using quintora::test::ScriptedPrompt;
using Kind = ScriptedPrompt::Kind;

namespace {

const QString SystemFilter = QStringLiteral("File Quintora (*.qsy)|*.qsy");
const QString TextFilter = QStringLiteral("File TXT (*.txt)|*.txt");

// Ten numbers, two Euro numbers, three columns and every kind of condition but the reduced one.
SystemState sampleSystem(bool withColumns) {
    SystemState s;
    const std::uint8_t numbers[] = {2, 5, 11, 18, 23, 27, 34, 40, 46, 50};
    s.header.setNumbers(NumberSet::of(numbers));
    s.header.setEuros({4, 10});
    if (withColumns) {
        s.header.systemType = "Condizionato";
        s.columns = {{2, 5, 11, 18, 23}, {5, 11, 27, 40, 50}, {18, 23, 34, 46, 50}};
    }
    s.conditions.setSumOn(true);
    s.conditions.sumFrom = 40;
    s.conditions.sumTo = 200;
    s.conditions.setEvenOddOn(true);
    s.conditions.setEvenCounts({0, 1, 2, 3, 4});
    s.conditions.setFixedOn(true);
    s.conditions.setFixed({5});
    s.minimumDistance.minDistance = 2;
    s.minimumDistance.setOn(true);
    s.consecutive.setRuns(CountSet::fromBits(0b111110));
    s.consecutive.setOn(true);
    s.filters[0].setMembers({1});
    s.filters[0].setHits({0, 1});
    s.filters[0].setOn(true);
    s.filterCount = 1;
    s.excluded.setOn(true);
    s.excluded.setColumns(std::vector{Column{1, 2, 3, 4, 5}});
    return s;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs `action`; the first modal dialog that opens meanwhile gets `script` and is named in
// the answer (empty when none opened).
QString withModalDialog(const std::function<void()>& action,
                        const std::function<void(QDialog&)>& script) {
    QString opened;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            opened = dialog->objectName();
            script(*dialog);
        }
    });
    poll.start();
    action();
    return opened;
}

// What the window shows of the system, to compare before and after a refused command.
struct Snapshot {
    std::vector<Column> columns;
    std::string systemType, systemPath, systemFileName;
    int numbers, euros, locked, marked;
    QString panel;
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class FileCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openFromTheMenu_data();
    void openFromTheMenu();
    void refusedFileKeepsEverything_data();
    void refusedFileKeepsEverything();
    void plainSaveWritesIntoTheSystemsFolder();
    void saveAsProposesTheNameInTheSystemsFolder();
    void exportAndImportColumns();
    void clearingAsksForUnsavedWorkAndNeverSavesOverTheOpenFile();
    void refusedImports_data();
    void refusedImports();
    void settingsFromTheMenu();
    void firstStartAsksForTheLanguage();

private:
    QString panel(int i) const {
        const auto* label = window_->findChild<QLabel*>(QStringLiteral("StBarPanel(%1)").arg(i));
        // The name panel may show a long path cut in the middle; its whole text is kept.
        const auto* name = qobject_cast<const ElidedLabel*>(label);
        return name != nullptr ? name->fullText() : label->text();
    }
    QString systems() const { return context_->dataFolder.systemsFolder(); }
    QString texts() const { return context_->dataFolder.textFolder(); }
    // Saves `s` to `path` and opens it through the menu.
    void openThroughMenu(const SystemState& s, const QString& path);
    Snapshot snapshot() const {
        return {state().columns,
                state().header.systemType,
                state().systemPath,
                state().systemFileName,
                state().header.numberCount(),
                state().header.euroCount(),
                state().locked,
                window_->numberGrid()->markedCount() + window_->euroGrid()->markedCount(),
                panel(1)};
    }
};

void FileCommandsTest::init() {
    QVERIFY(openWindow());
}

void FileCommandsTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
}

void FileCommandsTest::openThroughMenu(const SystemState& s, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(saveSystemFile(path.toStdString(), s).ok());
    prompt_->answerOpenFile(path);
    window_->actions().open->trigger();
}

void FileCommandsTest::openFromTheMenu_data() {
    QTest::addColumn<bool>("withColumns");
    QTest::newRow("developed system") << true;
    QTest::newRow("numbers and conditions only") << false;
}

void FileCommandsTest::openFromTheMenu() {
    QFETCH(bool, withColumns);
    prompt_->answerOpenFile({}); // cancelled: nothing happens
    window_->actions().open->trigger();
    QCOMPARE(panel(1), QStringLiteral("nuovo.qsy"));

    const QString path = xdg_->dataHome() + QStringLiteral("/altrove/Mio Sistema.QSY");
    openThroughMenu(sampleSystem(withColumns), path);

    const auto dialogs = prompt_->callsOf(Kind::OpenFile);
    QCOMPARE(dialogs.size(), 2u);
    QCOMPARE(dialogs[1].title, SystemFilter);
    QCOMPARE(dialogs[1].text, systems());

    for (int n : {2, 5, 11, 18, 23, 27, 34, 40, 46, 50}) {
        QVERIFY(window_->numberGrid()->marked(n - 1));
    }
    QCOMPARE(window_->numberGrid()->markedCount(), 10);
    QVERIFY(window_->euroGrid()->marked(3) && window_->euroGrid()->marked(9));
    QCOMPARE(window_->euroGrid()->markedCount(), 2);
    QCOMPARE(state().header.numberCount(), 10);
    QCOMPARE(state().header.euroCount(), 2);

    const auto& a = window_->actions();
    for (auto* ticked : {a.sum, a.evenOdd, a.fixedNumbers, a.minimumDistance, a.filterColumns,
                         a.consecutive, a.excludedColumns}) {
        QVERIFY2(ticked->isChecked(), qPrintable(ticked->objectName()));
    }
    QVERIFY(!a.reduced->isChecked());

    QCOMPARE(state().locked, withColumns);
    QCOMPARE(window_->buttons().develop->isEnabled(), !withColumns);
    QCOMPARE(window_->buttons().view->isEnabled(), withColumns);
    QCOMPARE(QString::fromStdString(state().systemPath), path);
    QCOMPARE(panel(1), QStringLiteral("mio sistema.qsy"));
    QCOMPARE(panel(2), withColumns ? QStringLiteral("3") : QStringLiteral("0"));
}

void FileCommandsTest::refusedFileKeepsEverything_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("a text file") << QByteArray(" 01 02 03 04 05 \r\n")
                                 << QStringLiteral("Questo file non puo' essere letto");
    QTest::newRow("an empty file")
        << QByteArray() << QStringLiteral("Questo file non puo' essere letto");
    // The head of a system that claims 3 columns, cut inside the first one.
    SystemState cut = sampleSystem(true);
    const auto encoded = encodeSystemFile(cut);
    const auto headSize = static_cast<qsizetype>(155 + cut.header.systemType.size());
    QTest::newRow("cut in the columns")
        << QByteArray(reinterpret_cast<const char*>(encoded.data()), headSize + 3) << QString();
}

void FileCommandsTest::refusedFileKeepsEverything() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    openThroughMenu(sampleSystem(true), systems() + QStringLiteral("/buono.qsy"));
    const Snapshot before = snapshot();

    const QString bad = systems() + QStringLiteral("/cattivo.qsy");
    writeFile(bad, bytes);
    prompt_->answerOpenFile(bad);
    prompt_->acceptMessage();
    window_->actions().open->trigger();

    const auto message = prompt_->callsOf(Kind::Message).at(0);
    QCOMPARE(message.icon, Prompt::Icon::Critical);
    QCOMPARE(message.title, QStringLiteral("E R R O R E"));
    QVERIFY2(message.text.startsWith(QStringLiteral("Questo file non puo' essere letto")),
             qPrintable(message.text));
    if (!text.isEmpty()) {
        QCOMPARE(message.text, text);
    }
    QVERIFY(snapshot() == before);
    QVERIFY(window_->actions().sum->isChecked());
}

void FileCommandsTest::plainSaveWritesIntoTheSystemsFolder() {
    const QString elsewhere = xdg_->dataHome() + QStringLiteral("/altrove/Mio Sistema.qsy");
    openThroughMenu(sampleSystem(true), elsewhere);
    const QByteArray original = contents(elsewhere);

    window_->actions().save->trigger();

    const QString target = systems() + QStringLiteral("/Mio Sistema.qsy");
    QCOMPARE(QString::fromStdString(state().systemPath), target);
    QCOMPARE(contents(target), original);
    QCOMPARE(contents(elsewhere), original);
    QCOMPARE(panel(1), QStringLiteral("mio sistema.qsy"));
}

void FileCommandsTest::saveAsProposesTheNameInTheSystemsFolder() {
    openThroughMenu(sampleSystem(true), systems() + QStringLiteral("/Primo.qsy"));
    const QStringList files = QDir(systems()).entryList(QDir::Files);
    prompt_->answerSaveFile({}); // cancelled: nothing is written
    window_->actions().saveAs->trigger();
    QCOMPARE(QDir(systems()).entryList(QDir::Files), files);

    const QString chosen = xdg_->dataHome() + QStringLiteral("/Secondo.QSY");
    prompt_->answerSaveFile(chosen);
    window_->actions().saveAs->trigger();

    const auto dialogs = prompt_->callsOf(Kind::SaveFile);
    QCOMPARE(dialogs.size(), 2u);
    for (const auto& dialog : dialogs) {
        QCOMPARE(dialog.title, SystemFilter);
        QCOMPARE(dialog.text, systems() + QStringLiteral("/primo.qsy"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("qsy"));
    }
    QCOMPARE(contents(chosen), contents(systems() + QStringLiteral("/Primo.qsy")));
    QCOMPARE(QString::fromStdString(state().systemPath), chosen);
    QCOMPARE(panel(1), QStringLiteral("secondo.qsy"));
    // The system keeps its name; only the panel shows where it went.
    QCOMPARE(QString::fromStdString(state().systemFileName), QStringLiteral("primo.qsy"));
}

void FileCommandsTest::exportAndImportColumns() {
    const SystemState saved = sampleSystem(true);
    openThroughMenu(saved, systems() + QStringLiteral("/Colonne.qsy"));

    const QString exported = texts() + QStringLiteral("/colonne.txt");
    prompt_->answerSaveFile(exported);
    prompt_->acceptMessage();
    window_->actions().exportColumns->trigger();
    const auto dialog = prompt_->callsOf(Kind::SaveFile).at(0);
    QCOMPARE(dialog.title, TextFilter);
    QCOMPARE(dialog.text, texts() + QStringLiteral("/colonne.txt"));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("txt"));
    const auto done = prompt_->callsOf(Kind::Message).at(0);
    QCOMPARE(done.text, QStringLiteral("File ") + exported + QStringLiteral(" ok "));
    QCOMPARE(done.icon, Prompt::Icon::Information);
    QCOMPARE(contents(exported),
             QByteArray(" 02 05 11 18 23 \r\n 05 11 27 40 50 \r\n 18 23 34 46 50 \r\n"));

    window_->clearAll();
    prompt_->reset();
    prompt_->answerOpenFile(exported);
    prompt_->answerInput(QStringLiteral("9"));
    prompt_->answerInput(QStringLiteral(" 1 "));
    window_->actions().importColumns->trigger();

    QCOMPARE(prompt_->callsOf(Kind::OpenFile).at(0).text, texts());
    QCOMPARE(prompt_->callsOf(Kind::OpenFile).at(0).title, TextFilter);
    const auto inputs = prompt_->callsOf(Kind::Input);
    QCOMPARE(inputs.size(), 2u);
    QCOMPARE(inputs[0].title, QStringLiteral("Euro Numeri"));
    QCOMPARE(inputs[0].text, QStringLiteral("Valore N. 1 ?"));
    QCOMPARE(inputs[1].text, QStringLiteral("Valore N. 2 ?"));

    QCOMPARE(state().columns, saved.columns);
    QCOMPARE(state().header.systemType, std::string(SystemTypeTextFile));
    // The numbers in play are those the columns hold; conditions are gone.
    QCOMPARE(window_->numberGrid()->markedCount(), 10);
    QCOMPARE(state().header.numberCount(), 10);
    QVERIFY(window_->euroGrid()->marked(0) && window_->euroGrid()->marked(8));
    QCOMPARE(state().header.euroCount(), 2);
    QCOMPARE(euroNumbers(state().header)[0], 1);
    QCOMPARE(euroNumbers(state().header)[1], 9);
    QVERIFY(!window_->actions().sum->isChecked());
    QVERIFY(state().locked);
    QCOMPARE(panel(1), exported);
    QCOMPARE(panel(2), QStringLiteral("3"));
    QCOMPARE(panel(3), QStringLiteral("€ 6,00"));
    QCOMPARE(panel(4), QStringLiteral("FILE TXT"));

    // A plain save turns the text's name into a system file of the same name.
    window_->actions().save->trigger();
    QCOMPARE(contents(systems() + QStringLiteral("/colonne.qsy")).size(), 155 + 8 + 15);
}

// Clearing unsaved work offers to save it first; a cleared system is a new one, so a plain save
// after it never writes the empty system over the file that was open.
void FileCommandsTest::clearingAsksForUnsavedWorkAndNeverSavesOverTheOpenFile() {
    const SystemState saved = sampleSystem(true);
    const QString path = systems() + QStringLiteral("/Aperto.qsy");
    openThroughMenu(saved, path);
    const QByteArray before = contents(path);
    QVERIFY(!document_->modified());
    window_->clearAll(); // nothing unsaved: no question
    QCOMPARE(panel(1), QStringLiteral("nuovo.qsy"));
    window_->actions().save->trigger();
    QCOMPARE(contents(path), before);
    QVERIFY(QFile::exists(context_->dataFolder.newSystemPath()));

    openThroughMenu(saved, path);
    QVERIFY(document_->reopenForChanges());
    QVERIFY(document_->modified());
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Cancel);
    window_->clearAll();
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::SaveQuestion).back().text,
             QStringLiteral("Salvare le modifiche al sistema aperto.qsy?"));
    QCOMPARE(panel(1), QStringLiteral("aperto.qsy"));
    QVERIFY(document_->hasWork());
    prompt_->answerSaveQuestion(Prompt::SaveChoice::Discard);
    window_->clearAll();
    QVERIFY(!document_->hasWork());
    QCOMPARE(panel(1), QStringLiteral("nuovo.qsy"));
    QCOMPARE(contents(path), before); // discarded: the file stays as it was
}

void FileCommandsTest::refusedImports_data() {
    // The prompts in the order the program shows them: "?answer" is an answer to the Euro
    // input box ("?" alone an empty one, "?<cancel>" cancels it), "!text" a message.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<bool>("imported");

    const QByteArray good(" 01 02 03 04 05 \r\n 06 07 08 09 10 \r\n");
    QTest::newRow("four numbers") << QByteArray("1 2 3 4 5\r\n1 2 3 4\r\n")
                                  << QStringList{QStringLiteral(
                                         "!Riga 2: servono cinque numeri, trovati 4")}
                                  << false;
    QTest::newRow("number above 50")
        << QByteArray("1 2 3 4 51\r\n")
        << QStringList{QStringLiteral("!Riga 1: il numero \"51\" e' fuori dall'intervallo 1..50")}
        << false;
    QTest::newRow("repeated number")
        << QByteArray("7 2 3 7 5\r\n")
        << QStringList{QStringLiteral("!Riga 1: il numero 7 e' ripetuto")} << false;
    QTest::newRow("no columns") << QByteArray("\r\n  \r\n")
                                << QStringList{QStringLiteral("!Il file non contiene colonne")}
                                << false;
    QByteArray tooMany;
    for (int i = 0; i <= MaxColumns; ++i) {
        tooMany += " 01 02 03 04 05 \r\n";
    }
    QTest::newRow("more than 200,000 lines")
        << tooMany
        << QStringList{QStringLiteral(
               "!Il file contiene piu' di 200.000 colonne, la capienza massima")}
        << false;
    const QString cancelled = QStringLiteral("!Importazione annullata: il sistema non e' cambiato");
    QTest::newRow("first Euro number cancelled")
        << good << QStringList{QStringLiteral("?<cancel>"), cancelled} << false;
    QTest::newRow("bad answers asked again, then cancelled")
        << good
        << QStringList{QStringLiteral("?"),
                       QStringLiteral("!Inserire un numero Euro da 1 a 10"),
                       QStringLiteral("?11"),
                       QStringLiteral("!Il numero Euro deve essere compreso tra 1 e 10"),
                       QStringLiteral("?x"),
                       QStringLiteral("!\"x\" non e' un numero"),
                       QStringLiteral("?4"),
                       QStringLiteral("?04"),
                       QStringLiteral("!Il numero Euro 4 e' gia' stato scelto"),
                       QStringLiteral("?<cancel>"),
                       cancelled}
        << false;
    QTest::newRow("bad answer asked again, then right")
        << good
        << QStringList{QStringLiteral("?0"),
                       QStringLiteral("!Il numero Euro deve essere compreso tra 1 e 10"),
                       QStringLiteral("?10"), QStringLiteral("?2")}
        << true;
    QTest::newRow("pieces beyond the fifth are read over, and said")
        << QByteArray("1 2 3 4 5 6 7\r\n6 7 8 9 10\r\n")
        << QStringList{QStringLiteral("?10"), QStringLiteral("?2"),
                       QStringLiteral("!Una riga conteneva piu' di cinque valori: sono stati "
                                      "letti solo i primi cinque")}
        << true;
}

void FileCommandsTest::refusedImports() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, script);
    QFETCH(bool, imported);
    openThroughMenu(sampleSystem(true), systems() + QStringLiteral("/prima.qsy"));
    const Snapshot before = snapshot();

    const QString path = texts() + QStringLiteral("/colonne.txt");
    writeFile(path, file);
    prompt_->reset();
    prompt_->answerOpenFile(path);
    QStringList expected;
    for (const QString& step : script) {
        const QString text = step.mid(1);
        if (step.startsWith(u'!')) {
            prompt_->acceptMessage();
            expected << text;
        } else if (text == QStringLiteral("<cancel>")) {
            prompt_->answerInput(std::nullopt);
        } else {
            prompt_->answerInput(text);
        }
    }
    window_->actions().importColumns->trigger();

    QStringList shown;
    for (const auto& call : prompt_->callsOf(Kind::Message)) {
        shown << call.text;
    }
    QCOMPARE(shown, expected);
    if (imported) {
        QCOMPARE(state().columns.size(), 2u);
        QCOMPARE(euroNumbers(state().header)[0], 2);
        QCOMPARE(euroNumbers(state().header)[1], 10);
        QVERIFY(state().locked);
    } else {
        QVERIFY(snapshot() == before);
        QVERIFY(window_->actions().sum->isChecked());
    }
}

void FileCommandsTest::settingsFromTheMenu() {
    const QString ini = context_->dataFolder.settingsPath();
    writeFile(ini, "[IMPOSTAZIONI]\r\nCOSTO_COLONNA=100\r\nSTAMPANTE TABULATO=Laser\r\n");
    // The program reads the settings file once, as it starts.
    QVERIFY(context_->settingsDocument.open(ini.toStdString()).ok());
    QCOMPARE(state().pricePerColumn, Cents{100});
    context_->printerNames = [] {
        return QStringList{QStringLiteral("Laser")};
    };
    const QString opened =
        withModalDialog([this] { window_->actions().settings->trigger(); },
                        [](QDialog& dialog) {
                            auto* price =
                                dialog.findChild<QLineEdit*>(QStringLiteral("txtCostoCol"));
                            QCOMPARE(price->text(), QStringLiteral("1,00"));
                            price->setText(QStringLiteral("1,50"));
                            dialog.findChild<QPushButton*>(QStringLiteral("cmdSalva"))->click();
                        });
    QCOMPARE(opened, QStringLiteral("frmImpostazioni"));
    QCOMPARE(IniFile(ini.toStdString()).getProperty("IMPOSTAZIONI", "COSTO_COLONNA"),
             std::string("150"));
    // Saved settings apply at once: the price shown follows the file.
    QCOMPARE(state().pricePerColumn, Cents{150});
    QFile::remove(ini);
}

void FileCommandsTest::firstStartAsksForTheLanguage() {
    window_.reset();
    writeFile(context_->dataFolder.path(QStringLiteral("english.lng")),
              "[frmMAIN]\r\ncmdCancella.Caption=Clear System\r\n");
    writeFile(context_->dataFolder.path(QStringLiteral("italiano.lng")), "");
    context_->askSettingsWithoutLanguage = true;
    context_->printerNames = [] {
        return QStringList{QStringLiteral("Laser")};
    };
    writeFile(context_->dataFolder.settingsPath(),
              "[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=Laser\r\n");
    QVERIFY(
        context_->settingsDocument.open(context_->dataFolder.settingsPath().toStdString()).ok());

    QString offered;
    QString opened =
        withModalDialog([this] { window_ = std::make_unique<MainWindow>(*context_); },
                        [&offered](QDialog& dialog) {
                            auto* box = dialog.findChild<QComboBox*>(QStringLiteral("cmbLingua"));
                            offered = box->currentText();
                            box->setCurrentText(QStringLiteral("english"));
                            dialog.findChild<QPushButton*>(QStringLiteral("cmdSalva"))->click();
                        });
    QCOMPARE(opened, QStringLiteral("frmImpostazioni"));
    QCOMPARE(offered, QStringLiteral("italiano"));
    QCOMPARE(context_->language.name(), std::string("english"));
    QCOMPARE(window_->buttons().clear->text(), QStringLiteral("Clear System"));

    // With a language chosen the next start goes straight to the window.
    window_.reset();
    opened = withModalDialog([this] { window_ = std::make_unique<MainWindow>(*context_); },
                             [](QDialog& dialog) { dialog.reject(); });
    QCOMPARE(opened, QString());
    for (const char* name : {"quintora.ini", "english.lng", "italiano.lng"}) {
        QFile::remove(context_->dataFolder.path(QString::fromUtf8(name)));
    }
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
