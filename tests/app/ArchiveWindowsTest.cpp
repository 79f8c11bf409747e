// The archive window, the archive check and the statistics, opened from the main window: the
// list and its double click, the update that keeps the archive, the grid with its filter on
// "Max", the statistics CSV and the charts.
#include "app/MainWindow.h"
#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"
#include "archive/Delays.h"
#include "archive/StatisticsCsv.h"
#include "check/SystemAnalysis.h"
#include "support/FakeServer.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetLookup.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/DelayView.h"
#include "ui/archive/StatisticsWindow.h"
#include "ui/check/AnalysisDialog.h"
#include "ui/check/ArchiveCheckDialog.h"
#include "ui/check/CheckDialog.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

Draw draw(int contest, const char* date, std::array<std::uint8_t, 5> numbers,
          std::array<std::uint8_t, 2> euro) {
    return Draw{static_cast<std::int16_t>(contest), parseDate(date).value(), numbers, euro};
}

// Against the system below: best "1+2", "5+1", "5+2", "5+1".
const DrawArchive SmallArchive{{
    draw(1, "23/03/2012", {5, 12, 23, 34, 45}, {3, 8}),
    draw(2, "30/03/2012", {1, 2, 3, 4, 5}, {3, 9}),
    draw(3, "06/04/2012", {1, 2, 3, 4, 6}, {3, 8}),
    draw(4, "13/04/2012", {1, 2, 3, 4, 5}, {3, 11}),
}};

// The same draws as the server sends them.
const char* const SmallArchiveText = "1|23/03/2012|5|12|23|34|45|3|8\r\n"
                                     "2|30/03/2012|1|2|3|4|5|3|9\r\n"
                                     "3|06/04/2012|1|2|3|4|6|3|8\r\n"
                                     "4|13/04/2012|1|2|3|4|5|3|11\r\n";

// Played with the Euro numbers 3 and 8.
const std::vector<Column> Columns = {
    {1, 2, 3, 4, 5},    {1, 2, 3, 4, 6},     {1, 2, 3, 10, 11},
    {1, 2, 20, 21, 22}, {1, 30, 31, 32, 33}, {40, 41, 42, 43, 44},
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList shownColumn(const QTableWidget* grid, int column) {
    QStringList texts;
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (!grid->isRowHidden(r)) {
            texts << grid->item(r, column)->text();
        }
    }
    return texts;
}

} // namespace

class ArchiveWindowsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShowsTheArchiveLatestFirst();
    void doubleClickMakesTheDrawTheCheckCombination();
    void updateWithoutServerKeepsTheArchive();
    void updateReplacesTheArchiveAndRefusesClosing();
    void updateAsksTheServerOfTheSettings();
    void anUpdateThatCorrectsHeldDrawsAsksFirst();
    void aDamagedArchiveShowsWhatIsWhole();
    void anUpdateMovesNothingAndSaysWhatItAdded();
    void aNewLanguageKeepsTheLatestDrawShown();
    void archiveCheckRowsAndFilterOnMax();
    void archiveCheckOfTheRealHistory();
    void archiveCheckTotalsAndWinningDrawsOnly();
    void statisticsCsvWrittenAndStaleOnesRemoved();
    void statisticsCsvThatCannotBeWritten();
    void chartsOfTheSixTables();
    void delayTabsSortTheirTableAndChart();
    void analysisWindowFromTheButton();

private:
    // The archive file in place, then the windows loaded as the start loads them.
    void loadWith(const DrawArchive& archive) {
        QVERIFY(saveArchiveFile(context_->dataFolder.archivePath().toStdString(), archive));
        window_->loadArchiveWindows();
        QVERIFY(window_->archiveWindow() && window_->statisticsWindow());
    }
    // The archive file in place and read by the document, without the windows.
    void holdArchive(const DrawArchive& archive) {
        const std::string path = context_->dataFolder.archivePath().toStdString();
        QVERIFY(saveArchiveFile(path, archive));
        QVERIFY(context_->archiveDocument.open(path));
    }
    QString tempFile(const QString& name) const {
        return context_->dataFolder.tempFolder() + u'/' + name;
    }
};

void ArchiveWindowsTest::init() {
    QVERIFY(openWindow());
}

void ArchiveWindowsTest::cleanup() {
    QCOMPARE(prompt_->pending(), 0);
    closeWindow();
}

void ArchiveWindowsTest::listShowsTheArchiveLatestFirst() {
    loadWith(SmallArchive);
    auto* w = window_->archiveWindow();
    QVERIFY(!w->isVisible()); // loaded hidden
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(w->list()->count(), 4);
    QCOMPARE(w->list()->item(0)->text(),
             QStringLiteral(" 13/04/2012 | 004 |  01 02 03 04 05  | 03 | 11"));
    QCOMPARE(w->list()->item(3)->text(),
             QStringLiteral(" 23/03/2012 | 001 |  05 12 23 34 45  | 03 | 08"));
    QCOMPARE(w->list()->currentRow(), 0);
    QCOMPARE(test::child<QLabel>(*w, "lbLast")->text(), w->list()->item(0)->text());
    QCOMPARE(test::child<QLabel>(*w, "lbTotale")->text(), QStringLiteral("4"));

    window_->openArchive();
    QVERIFY(w->isVisible());
    w->close(); // only hidden: the archive stays
    QVERIFY(!w->isVisible());
    QCOMPARE(window_->archiveWindow(), w);
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
}

void ArchiveWindowsTest::doubleClickMakesTheDrawTheCheckCombination() {
    loadWith(SmallArchive);
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
    window_->checkDraw(); // open beside the archive: its fields follow the double click
    auto* check = window_->checkDialog();
    QVERIFY(check);
    window_->openArchive();
    QVERIFY(QTest::qWaitForWindowExposed(window_->archiveWindow()));
    auto* list = window_->archiveWindow()->list();

    prompt_->acceptMessage();
    const QRect second = list->visualItemRect(list->item(1));
    // As a user's double click arrives: a click, then the double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());

    const auto calls = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].title, window_->archiveWindow()->windowTitle());
    QCOMPARE(calls[0].text, QStringLiteral("La Colonna \n01 02 03 04 06\ndel 06/04/2012 è stata "
                                           "imposta come nuova colonna di Spoglio"));
    QCOMPARE(calls[0].icon, Prompt::Icon::Information);
    QCOMPARE(context_->archiveDocument.winningCombination(),
             (WinningCombination{{1, 2, 3, 4, 6}, {3, 8}}));
    QStringList fields;
    for (int k = 0; k < 7; ++k) {
        fields << check->field(k)->text();
    }
    QCOMPARE(fields, (QStringList{"01", "02", "03", "04", "06", "03", "08"}));

    // The check then runs against that draw.
    test::click(test::child<QPushButton>(*check, "cmdSpoglio"));
    QCOMPARE(check->resultLabel()->text(), QStringLiteral("Massimo punteggio raggiunto 5+2"));
}

void ArchiveWindowsTest::updateWithoutServerKeepsTheArchive() {
    loadWith(SmallArchive);
    const QString path = context_->dataFolder.archivePath();
    const QByteArray before = fileBytes(path);
    window_->openArchive();
    prompt_->acceptMessage();
    test::click(test::child<QPushButton>(*window_->archiveWindow(), "cmdUpdate"));

    const auto calls = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].text, QStringLiteral("Errore durante il download dell'aggiornamento"));
    QCOMPARE(calls[0].icon, Prompt::Icon::Critical);
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(window_->archiveWindow()->list()->count(), 4);
    QVERIFY(window_->archiveWindow()->list()->isVisible());
    QVERIFY(!window_->archiveWindow()->updating());
}

void ArchiveWindowsTest::updateReplacesTheArchiveAndRefusesClosing() {
    loadWith(SmallArchive);
    auto* w = window_->archiveWindow();
    window_->openArchive();
    bool closedWhileUpdating = true;
    w->setDownload(
        [&](const std::string&, const std::string& target) -> Status {
            // The user tries to close the window while the download runs.
            w->close();
            closedWhileUpdating = !w->isVisible();
            QFile text(QString::fromStdString(target));
            if (!text.open(QIODevice::WriteOnly)) {
                return Error{"", "cannot write"};
            }
            text.write(SmallArchiveText);
            text.write("7|01/01/2020|10|20|30|40|50|1|2\r\n8|08/01/2020|11|21|31|41|49|3|12\r\n");
            return success();
        },
        [] { return std::string(); });
    prompt_->acceptMessage(); // "Aggiornamento Archivio in corso...attendere"
    test::click(test::child<QPushButton>(*w, "cmdUpdate"));

    QVERIFY(!closedWhileUpdating);
    QCOMPARE(prompt_->calls().at(0).text,
             QStringLiteral("Aggiornamento Archivio in corso...attendere"));
    QCOMPARE(context_->archiveDocument.archive().count(), 6);
    QCOMPARE(w->list()->item(0)->text(),
             QStringLiteral(" 08/01/2020 | 008 |  11 21 31 41 49  | 03 | 12"));
    QCOMPARE(test::child<QLabel>(*w, "lbTotale")->text(), QStringLiteral("6"));
    const auto reread = readArchiveFile(context_->dataFolder.archivePath().toStdString());
    QVERIFY(reread);
    QCOMPARE(reread.value(), context_->archiveDocument.archive());
    // The statistics follow the new archive.
    QCOMPARE(window_->statisticsWindow()->stats(),
             computeStatistics(context_->archiveDocument.archive()));
    QCOMPARE(fileBytes(window_->statisticsWindow()->csvPath()),
             QByteArray::fromStdString(statisticsCsvText(context_->archiveDocument.archive())));
    w->close();
    QVERIFY(!w->isVisible());
}

void ArchiveWindowsTest::updateAsksTheServerOfTheSettings() {
    test::FakeServer server;
    const std::string url = "http://127.0.0.1:8642/quintora/archivio.asp";
    (*server.files)[url] = "1|23/03/2012|5|8|x|37|46|6|8\r\n"; // a field that does not convert
    context_->download = server.download();
    loadWith(SmallArchive);
    const QByteArray before = fileBytes(context_->dataFolder.archivePath());
    window_->openArchive();
    auto* update = test::child<QPushButton>(*window_->archiveWindow(), "cmdUpdate");
    prompt_->acceptMessage();
    test::click(update);
    QCOMPARE(*server.asked, std::vector<std::string>{url});
    QCOMPARE(prompt_->calls().back().icon, Prompt::Icon::Critical);
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(fileBytes(context_->dataFolder.archivePath()), before);

    // A whole archive with fewer draws than the outlet's is refused and says so.
    (*server.files)[url] = "1|23/03/2012|5|8|21|37|46|6|8\r\n";
    prompt_->acceptMessage();
    test::click(update);
    QCOMPARE(prompt_->calls().back().text,
             QStringLiteral("L'archivio scaricato contiene 1 estrazioni, meno delle 4 "
                            "dell'archivio: l'archivio non e' stato cambiato"));
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(fileBytes(context_->dataFolder.archivePath()), before);

    (*server.files)[url] = std::string(SmallArchiveText) + "5|20/04/2012|7|8|9|10|11|1|2\r\n";
    test::click(update);
    QCOMPARE(context_->archiveDocument.archive().count(), 5);
    QCOMPARE(fileBytes(context_->dataFolder.archivePath()).size(), 5 * 19);
}

// A download as long as the archive or longer that changes held draws lists the changes and is
// applied only when the user agrees; one with the same draws and more is applied without a
// question; a shorter one stays refused.
void ArchiveWindowsTest::anUpdateThatCorrectsHeldDrawsAsksFirst() {
    test::FakeServer server;
    const std::string url = "http://127.0.0.1:8642/quintora/archivio.asp";
    context_->download = server.download();
    loadWith(SmallArchive);
    const QString path = context_->dataFolder.archivePath();
    const QByteArray before = fileBytes(path);
    window_->openArchive();
    auto* update = test::child<QPushButton>(*window_->archiveWindow(), "cmdUpdate");
    const std::string corrected = "1|23/03/2012|5|12|23|34|45|3|8\r\n"
                                  "2|30/03/2012|1|2|3|4|7|3|9\r\n" // a number corrected
                                  "3|06/04/2012|1|2|3|4|6|3|8\r\n"
                                  "4|14/04/2012|1|2|3|4|5|3|11\r\n"; // a date corrected
    const QString question =
        QStringLiteral("L'archivio scaricato cambia estrazioni dell'archivio (1 estrazioni "
                       "aggiunte, 1 cambiate, 1 mancanti):\n"
                       "cambiata:  30/03/2012 | 002 |  01 02 03 04 05  | 03 | 09 ->  30/03/2012 "
                       "| 002 |  01 02 03 04 07  | 03 | 09\n"
                       "mancante:  13/04/2012 | 004 |  01 02 03 04 05  | 03 | 11\n"
                       "aggiunta:  14/04/2012 | 004 |  01 02 03 04 05  | 03 | 11\n"
                       "\nApplicare le correzioni all'archivio?");

    // Declined: the archive stays, and the refusal says why.
    (*server.files)[url] = corrected;
    prompt_->reset();
    prompt_->answerQuestion(false);
    prompt_->acceptMessage();
    test::click(update);
    auto questions = prompt_->callsOf(ScriptedPrompt::Kind::Question);
    QCOMPARE(questions.size(), std::size_t{1});
    QCOMPARE(questions[0].text, question);
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(fileBytes(path), before);
    QVERIFY(prompt_->calls().back().text.contains(QStringLiteral("non e' stato cambiato")));

    // Shorter: refused without a question.
    (*server.files)[url] = "1|23/03/2012|5|12|23|34|45|3|8\r\n";
    prompt_->reset();
    prompt_->acceptMessage();
    test::click(update);
    QVERIFY(prompt_->callsOf(ScriptedPrompt::Kind::Question).empty());
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);

    // The same draws and one more: applied without a question.
    (*server.files)[url] = std::string(SmallArchiveText) + "5|20/04/2012|7|8|9|10|11|1|2\r\n";
    prompt_->reset();
    test::click(update);
    QVERIFY(prompt_->calls().empty());
    QCOMPARE(context_->archiveDocument.archive().count(), 5);

    // Agreed: the corrections replace the archive in memory and on disk.
    (*server.files)[url] = corrected + "5|20/04/2012|7|8|9|10|11|1|2\r\n";
    prompt_->reset();
    prompt_->answerQuestion(true);
    test::click(update);
    QCOMPARE(prompt_->callsOf(ScriptedPrompt::Kind::Question).size(), std::size_t{1});
    const auto& draws = context_->archiveDocument.archive().draws;
    QCOMPARE(draws.size(), std::size_t{5});
    QCOMPARE(draws[1].numbers[4], std::uint8_t{7});
    QCOMPARE(draws[3].dateText(), std::string("14/04/2012"));
    QCOMPARE(readArchiveFile(path.toStdString()).value(), context_->archiveDocument.archive());
}

// One stray byte or one record out of range no longer empties the window: the valid draws are
// listed and a warning says how many records were skipped.
void ArchiveWindowsTest::aDamagedArchiveShowsWhatIsWhole() {
    const QString path = context_->dataFolder.archivePath();
    QVERIFY(saveArchiveFile(path.toStdString(), SmallArchive));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray("\x05\x00"
                              "20/04/2012"
                              "\x01\x02\x03\x04\x33\x01\x02",
                              19));
        file.write("x");
    }
    prompt_->acceptMessage();
    window_->loadArchiveWindows();
    const auto calls = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].text,
             QStringLiteral("Record non validi saltati nell'archivio estrazioni: 2"));
    QCOMPARE(calls[0].icon, Prompt::Icon::Exclamation);
    QCOMPARE(context_->archiveDocument.archive(), SmallArchive);
    QCOMPARE(window_->archiveWindow()->list()->count(), 4);
}

// While an update runs the list stays in place, greyed; afterwards the window has its size
// and its header where they were, and says how many draws came in.
void ArchiveWindowsTest::anUpdateMovesNothingAndSaysWhatItAdded() {
    loadWith(SmallArchive);
    auto* w = window_->archiveWindow();
    window_->openArchive();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QSize size = w->size();
    auto* heading = test::child<QLabel>(*w, "lbIntestazione");
    const QPoint headingAt = heading->pos();
    bool stillDuringTheUpdate = false;
    QString text = QStringLiteral("1|23/03/2012|5|12|23|34|45|3|8\r\n");
    w->setDownload(
        [&](const std::string&, const std::string& target) -> Status {
            stillDuringTheUpdate = w->list()->isVisible() && !w->list()->isEnabled() &&
                                   heading->pos() == headingAt && w->size() == size;
            QFile file(QString::fromStdString(target));
            if (text.isEmpty() || !file.open(QIODevice::WriteOnly)) {
                return Error{"", "no server"};
            }
            file.write(text.toLatin1());
            return success();
        },
        [] { return std::string(); });
    auto* update = test::child<QPushButton>(*w, "cmdUpdate");
    const auto finished = [&] {
        QCOMPARE(w->size(), size);
        QCOMPARE(heading->pos(), headingAt);
        QVERIFY(w->list()->isEnabled());
    };
    text.clear(); // the server fails
    prompt_->acceptMessage();
    test::click(update);
    QVERIFY(stillDuringTheUpdate);
    finished();

    text = QStringLiteral("1|23/03/2012|5|12|23|34|45|3|8\r\n2|30/03/2012|1|2|3|4|5|3|9\r\n"
                          "3|06/04/2012|1|2|3|4|6|3|8\r\n4|13/04/2012|1|2|3|4|5|3|11\r\n"
                          "5|20/04/2012|7|8|9|10|11|1|2\r\n6|27/04/2012|7|8|9|10|12|1|2\r\n");
    stillDuringTheUpdate = false;
    test::click(update);
    QVERIFY(stillDuringTheUpdate);
    finished();
    auto* said = test::child<QLabel>(*w, "lbElaborazione");
    QVERIFY(said->isVisible());
    QCOMPARE(said->text(), QStringLiteral("Estrazioni aggiunte: 2"));
    test::click(update); // nothing new
    QCOMPARE(said->text(), QString::fromUtf8("Archivio gi\u00e0 aggiornato"));
}

// Saving a new language rewrites the captions of every window: the labels that show data
// show the same data afterwards.
void ArchiveWindowsTest::aNewLanguageKeepsTheLatestDrawShown() {
    loadWith(SmallArchive);
    auto* w = window_->archiveWindow();
    const QString latest = test::child<QLabel>(*w, "lbLast")->text();
    const QString total = test::child<QLabel>(*w, "lbTotale")->text();
    QCOMPARE(latest, w->list()->item(0)->text());
    QVERIFY(QFile::copy(QStringLiteral(QUINTORA_SHIPPED_DATA "/english.lng"),
                        context_->dataFolder.root() + QStringLiteral("/english.lng")));
    Settings english = context_->settingsDocument.settings();
    english.language = "english";
    QVERIFY(context_->settingsDocument.save(english).ok());
    QCOMPARE(test::child<QGroupBox>(*w, "frameUltima")->title(), QStringLiteral("Latest Draw"));
    QCOMPARE(test::child<QLabel>(*w, "lbLast")->text(), latest);
    QCOMPARE(test::child<QLabel>(*w, "lbTotale")->text(), total);
    // The data folder outlives the test: the next one starts in the program's own language.
    QVERIFY(QFile::remove(context_->dataFolder.settingsPath()));
    QVERIFY(QFile::remove(context_->dataFolder.root() + QStringLiteral("/english.lng")));
}

void ArchiveWindowsTest::archiveCheckRowsAndFilterOnMax() {
    holdArchive(SmallArchive);
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
    window_->checkArchive();
    auto* d = window_->archiveCheckDialog();
    QVERIFY(d);
    QCOMPARE(d->fromBox()->count(), 4);
    QCOMPARE(d->fromBox()->currentIndex(), 0);
    QCOMPARE(d->toBox()->currentIndex(), 3);
    auto* grid = d->grid();
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Data "));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Colonna "));
    QCOMPARE(grid->horizontalHeaderItem(14)->text(), QStringLiteral("Pt.2+1"));

    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("05-12-23-34-45 J 03-08"));
    QCOMPARE(shownColumn(grid, 2), (QStringList{"1+2", "5+1", "5+2", "5+1"}));
    QCOMPARE(grid->item(2, 3)->text(), QStringLiteral("1")); // one 5+2 in the third draw
    // Every column wide enough for its widest text.
    for (int c = 0; c < grid->columnCount(); ++c) {
        QVERIFY(grid->columnWidth(c) >
                grid->fontMetrics().horizontalAdvance(grid->horizontalHeaderItem(c)->text()));
    }

    test::click(d->filterSwitch());
    QVERIFY(d->filterOn());
    auto* max = d->filterBox(2);
    QVERIFY(max);
    QCOMPARE(max->objectName(), QStringLiteral("cmbFilter(2)"));
    QStringList entries;
    for (int i = 0; i < max->count(); ++i) {
        entries << max->itemText(i);
    }
    QCOMPARE(entries, (QStringList{"*", "1+2", "5+1", "5+2"}));
    max->setCurrentIndex(2);
    emit max->activated(2);
    QCOMPARE(shownColumn(grid, 0), (QStringList{"30/03/2012", "13/04/2012"}));
    // Conditions of two columns together.
    d->filterBox(0)->setCurrentIndex(2);
    emit d->filterBox(0)->activated(2);
    QCOMPARE(shownColumn(grid, 0), (QStringList{"30/03/2012"}));
    max->setCurrentIndex(0);
    emit max->activated(0);
    d->filterBox(0)->setCurrentIndex(0);
    emit d->filterBox(0)->activated(0);
    QCOMPARE(shownColumn(grid, 0).size(), 4);

    // Switching off, or a new run, shows every row without drop-downs.
    max->setCurrentIndex(3);
    emit max->activated(3);
    QCOMPARE(shownColumn(grid, 0).size(), 1);
    test::click(d->filterSwitch());
    QVERIFY(!d->filterOn());
    QVERIFY(d->filterBox(2) == nullptr);
    QCOMPARE(shownColumn(grid, 0).size(), 4);

    // One draw, then a "from" after the "to": one row, then none.
    d->fromBox()->setCurrentIndex(2);
    d->toBox()->setCurrentIndex(2);
    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    QCOMPARE(shownColumn(grid, 0), (QStringList{"06/04/2012"}));
    d->toBox()->setCurrentIndex(1);
    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    QCOMPARE(grid->rowCount(), 0);
}

void ArchiveWindowsTest::archiveCheckOfTheRealHistory() {
    QVERIFY(context_->archiveDocument.importText(std::string(QUINTORA_SHIPPED_DATA) +
                                                     "/eurojackpot-draws.txt",
                                                 context_->dataFolder.archivePath().toStdString()));
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
    window_->checkArchive();
    auto* d = window_->archiveCheckDialog();
    QVERIFY(d);
    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    const int draws = context_->archiveDocument.archive().count();
    QCOMPARE(draws, 974);
    QCOMPARE(d->grid()->rowCount(), draws);
    QCOMPARE(d->grid()->item(draws - 1, 0)->text(),
             QString::fromStdString(context_->archiveDocument.archive().draws.back().dateText()));
    QVERIFY(d->grid()->isVisible());
    QVERIFY(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni")->isEnabled());
}

void ArchiveWindowsTest::archiveCheckTotalsAndWinningDrawsOnly() {
    DrawArchive archive = SmallArchive;
    archive.draws.push_back(draw(5, "20/04/2012", {45, 46, 47, 48, 49}, {1, 2})); // no win
    holdArchive(archive);
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
    window_->checkArchive();
    auto* d = window_->archiveCheckDialog();
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QSize before = d->size();
    auto* totals = d->totals();
    QCOMPARE(totals->objectName(), QStringLiteral("flexTotali"));
    auto totalTexts = [totals] {
        QStringList texts;
        for (int c = 0; c < totals->columnCount(); ++c) {
            texts << (totals->item(0, c) ? totals->item(0, c)->text() : QString());
        }
        return texts;
    };
    QCOMPARE(totalTexts(), QStringList(DrawCheckCellCount, QString())); // nothing before a run

    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    QCOMPARE(d->grid()->rowCount(), 5);
    // Per draw: 1+2; 5+1 4+1 3+1 2+1; 5+2 4+2 3+2 2+2 1+2; 5+1 4+1 3+1 2+1; nothing.
    QCOMPARE(totalTexts(), (QStringList{"Totale su 5 estrazioni, 4 vincenti", "", "5+2", "1", "2",
                                        "0", "1", "2", "0", "1", "2", "1", "0", "2", "2"}));
    // Results fill the window it already was.
    QCOMPARE(d->size(), before);
    QCOMPARE(totals->columnWidth(1), d->grid()->columnWidth(1));

    // Only the winning draws, alone and with the value filter.
    auto* winsOnly = d->winsOnlySwitch();
    QCOMPARE(winsOnly->objectName(), QStringLiteral("chkSoloVincenti"));
    test::click(winsOnly);
    QCOMPARE(shownColumn(d->grid(), 0),
             (QStringList{"23/03/2012", "30/03/2012", "06/04/2012", "13/04/2012"}));
    test::click(d->filterSwitch());
    auto* day = d->filterBox(0);
    day->setCurrentIndex(day->findText(QStringLiteral("20/04/2012")));
    emit day->activated(day->currentIndex());
    QVERIFY(shownColumn(d->grid(), 0).isEmpty());
    test::click(d->filterSwitch()); // the value filter off: the winning draws stay alone
    QCOMPARE(shownColumn(d->grid(), 0).size(), 4);
    test::click(winsOnly);
    QCOMPARE(shownColumn(d->grid(), 0).size(), 5);
    // A new run keeps the choice.
    test::click(winsOnly);
    test::click(test::child<QPushButton>(*d, "cmdSpoglioEstrazioni"));
    QCOMPARE(shownColumn(d->grid(), 0).size(), 4);

    // Changed columns empty the totals with the rows.
    QVERIFY(document_->shuffle(5));
    QCOMPARE(totalTexts(), QStringList(DrawCheckCellCount, QString()));
}

void ArchiveWindowsTest::statisticsCsvWrittenAndStaleOnesRemoved() {
    const QString stale = tempFile(QStringLiteral("quintora_20200101_120000.csv"));
    const QString other = tempFile(QStringLiteral("keep.csv"));
    for (const auto& path : {stale, other}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    loadWith(SmallArchive);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(other));
    auto* s = window_->statisticsWindow();
    QCOMPARE(QFileInfo(s->csvPath()).dir(), QDir(context_->dataFolder.tempFolder()));
    QVERIFY(QFileInfo(s->csvPath()).fileName().startsWith(QStringLiteral("quintora_")));
    QCOMPARE(fileBytes(s->csvPath()), QByteArray::fromStdString(statisticsCsvText(SmallArchive)));
    QVERIFY(fileBytes(s->csvPath())
                .startsWith("Data;Concorso;P1;P2;P3;P4;P5;jck1;jck2;Ripetuti;Pari;Dispari;"
                            "Consecutivi;Somma\r\n"));
    QCOMPARE(s->stats(), computeStatistics(SmallArchive));

    // The archive's button recomputes and shows them.
    window_->openArchive();
    test::click(test::child<QPushButton>(*window_->archiveWindow(), "cmdStatistiche"));
    QVERIFY(s->isVisible());
    QVERIFY(QFile::exists(s->csvPath()));
}

void ArchiveWindowsTest::statisticsCsvThatCannotBeWritten() {
    // A file where the folder should be: the CSV cannot be written there.
    const QString notAFolder = tempFile(QStringLiteral("file"));
    {
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    holdArchive(SmallArchive);
    prompt_->acceptMessage();
    StatisticsWindow s(context_->archiveDocument, *prompt_, context_->language, notAFolder,
                       window_.get());
    const auto calls = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(calls.size(), std::size_t{1});
    QCOMPARE(calls[0].title, QStringLiteral("ERRORE"));
    QCOMPARE(calls[0].text,
             QStringLiteral("Chiudere il file delle statistiche per proseguire !!!"));
    QCOMPARE(calls[0].icon, Prompt::Icon::Critical);
    // The tables are shown all the same.
    QCOMPARE(s.stats(), computeStatistics(SmallArchive));
}

void ArchiveWindowsTest::chartsOfTheSixTables() {
    loadWith(SmallArchive);
    window_->openStatistics();
    auto* s = window_->statisticsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    const struct {
        const char* option;
        const char* title;
        int rows;
        const char* firstLabel;
    } tables[] = {
        {"optStat(0)", "Consecutivi", 5, "01 -->      1"},
        {"optStat(1)", "Ripetuti", 6, "00 -->      0"},
        {"optStat(2)", "Pari", 6, "00 -->      0"},
        {"optStat(3)", "Dispari", 6, "00 -->      0"},
        {"optStat(4)", "Somma", 5, "0015-0060 -->      3"},
        {"optStat(5)", "Frequenza Numeri", 50, "01 -->      3"}, // shown as "01 --> 3"
    };
    for (const auto& t : tables) {
        auto* option = test::child<QAbstractButton>(*s, t.option);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QCOMPARE(s->chart()->title(), QString::fromUtf8(t.title));
        // Rows at the left, the first at the top, each tall enough for its label to be read at
        // the window's size: the fifty numbers make the chart scroll instead.
        const auto axes = s->chart()->axes(Qt::Vertical);
        QCOMPARE(axes.size(), 1);
        auto* rows = qobject_cast<QBarCategoryAxis*>(axes.front());
        QVERIFY(rows);
        QCOMPARE(rows->count(), t.rows);
        QString first = rows->categories().back();
        QCOMPARE(first.replace(QChar(0xA0), u' '), QString::fromUtf8(t.firstLabel));
        QVERIFY(rows->labelsFont().pointSize() >= 9);
        const int labelHeight = QFontMetrics(rows->labelsFont()).height();
        QTRY_VERIFY2(s->chart()->plotArea().height() / t.rows >= labelHeight,
                     qPrintable(QString::number(s->chart()->plotArea().height())));
    }
    // A refresh comes back to the consecutive numbers.
    s->refreshStat();
    QCOMPARE(s->shownTable(), StatTable::Consecutive);
    QCOMPARE(s->chart()->title(), QStringLiteral("Consecutivi"));
}

void ArchiveWindowsTest::delayTabsSortTheirTableAndChart() {
    loadWith(SmallArchive);
    window_->openStatistics();
    auto* s = window_->statisticsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QCOMPARE(s->tabs()->count(), 3);
    QCOMPARE(s->tabs()->tabText(1), QStringLiteral("Ritardi"));
    const auto expected = computeDelays(SmallArchive);
    // The draws of 2012: Euro numbers 1..8.
    QCOMPARE(s->euroDelays()->table()->rowCount(), 8);
    auto* view = s->mainDelays();
    auto* table = view->table();
    QCOMPARE(table->rowCount(), 50);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("01"));
    QCOMPARE(table->item(49, 1)->text().toInt(), expected.main[49].current);

    // By the current delay, longest first: the table and the chart's rows follow.
    table->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    const auto shown = view->shownNumbers();
    QCOMPARE(shown.front(), 7); // the first of the numbers never drawn
    for (std::size_t i = 1; i < shown.size(); ++i) {
        QVERIFY(expected.main[static_cast<std::size_t>(shown[i - 1] - 1)].current >=
                expected.main[static_cast<std::size_t>(shown[i] - 1)].current);
    }
    const auto axes = view->chart()->axes(Qt::Vertical);
    QCOMPARE(axes.size(), 1);
    auto* rows = qobject_cast<QBarCategoryAxis*>(axes.front());
    QVERIFY(rows);
    QCOMPARE(rows->categories().size(), 50);
    QCOMPARE(rows->categories().back(), QStringLiteral("07")); // the first row at the top
}

void ArchiveWindowsTest::analysisWindowFromTheButton() {
    auto* button = test::child<QPushButton>(*window_, "cmdAnalisi");
    QVERIFY(!button->isEnabled());
    QVERIFY(!window_->actions().analyse->isEnabled());
    QVERIFY(document_->adoptImportedColumns(Columns, {3, 8}, "/tmp/prova.txt"));
    QVERIFY(button->isEnabled());
    QVERIFY(window_->actions().analyse->isEnabled());

    test::click(button);
    auto* dialog = window_->analysisDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(dialog->result().has_value(), 20000);
    const std::array<std::uint8_t, 2> euro{3, 8};
    const auto expected = analyseSystem(Columns, euro, 10);
    QCOMPARE(dialog->result()->odds.outcomes, expected->odds.outcomes);
    auto* odds = test::child<QTableWidget>(*dialog, "gridProbabilita");
    QCOMPARE(odds->rowCount(), PrizeCategoryCount + 1);
    QCOMPARE(odds->item(0, 0)->text(), QStringLiteral("5+2"));
    QCOMPARE(odds->item(0, 2)->text(),
             QString::fromStdString(oddsText(expected->odds.outcomes[0], expected->odds.total)));
    QCOMPARE(odds->item(PrizeCategoryCount, 0)->text(), QStringLiteral("Nessuna Vincita"));
    QVERIFY(!test::child<QProgressBar>(*dialog, "pbAnalisi")->isVisible());
    auto* guarantee = test::child<QTableWidget>(*dialog, "gridGaranzia");
    QCOMPARE(guarantee->rowCount(), 5);
    // One headed column per count of hits, 5 down to 0: row "3 drawn" holds the sets reaching
    // 3, 2, 1 and 0 hits under those headings, and nothing under 5 and 4.
    QCOMPARE(guarantee->columnCount(), 8);
    QCOMPARE(guarantee->horizontalHeaderItem(2)->text(), QStringLiteral("5 punti"));
    QCOMPARE(guarantee->horizontalHeaderItem(6)->text(), QStringLiteral("1 punto"));
    QCOMPARE(guarantee->horizontalHeaderItem(7)->text(), QStringLiteral("0 punti"));
    const auto& three = expected->guarantee[2];
    QCOMPARE(guarantee->item(2, 0)->text(), QStringLiteral("3"));
    QVERIFY(guarantee->item(2, 2)->text().isEmpty());
    QVERIFY(guarantee->item(2, 3)->text().isEmpty());
    for (int hits = 3; hits >= 0; --hits) {
        QCOMPARE(guarantee->item(2, 7 - hits)->text(),
                 QLocale().toString(static_cast<qlonglong>(
                     three.setsReaching[static_cast<std::size_t>(3 - hits)])));
    }

    // A second request starts over on the system as it is then.
    window_->analyseSystem();
    QVERIFY(window_->analysisDialog() != dialog || !dialog->isVisible());
    window_->analysisDialog()->close();
}

QTEST_MAIN(ArchiveWindowsTest)
#include "ArchiveWindowsTest.moc"
