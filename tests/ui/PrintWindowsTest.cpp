// The printing windows with a scripted prompt and PDF output: the slip range messages, a stop
// during a slip run, the listing's "no choice" message, and the calibration dialog's start,
// messages and save.
#include "core/SystemState.h"
#include "document/SettingsDocument.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "print/CalibrationFile.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "support/WidgetLookup.h"
#include "ui/print/CalibrationDialog.h"
#include "ui/print/ListingDialog.h"
#include "ui/print/PdfNotice.h"
#include "ui/print/PrintProgressDialog.h"
#include "ui/print/PrintRun.h"
#include "ui/print/SlipPrintDialog.h"
#include "ui/widgets/MessageLine.h"

#include <memory>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace quintora;
using quintora::test::child;
using quintora::test::ScriptedPrompt;
using Kind = ScriptedPrompt::Kind;

namespace {

// The pages of a PDF file, counted on its page objects.
int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// Where a word of a PDF page starts, in millimetres from the page's top-left corner, as
// pdftotext reads it; (-1, -1) when the page has no such word.
QPointF wordPosition(const QString& pdf, const QString& word) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(10000)) {
        return {-1, -1};
    }
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    const QRegularExpression found(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>") +
        QRegularExpression::escape(word) + QStringLiteral("</word>"));
    const auto match = found.match(html);
    if (!match.hasMatch()) {
        return {-1, -1};
    }
    constexpr double MmPerPoint = 25.4 / 72;
    return {match.captured(1).toDouble() * MmPerPoint, match.captured(2).toDouble() * MmPerPoint};
}

// The whole field selected, the mask's blanks included.
bool wholeTextSelected(const QLineEdit* field) {
    return field->hasSelectedText() && field->selectionStart() == 0 &&
           field->selectedText().size() == field->displayText().size();
}

std::vector<Column> columnsOf(int count) {
    std::vector<Column> columns;
    for (int i = 0; i < count; ++i) {
        const auto n = static_cast<std::uint8_t>(1 + i % 46);
        columns.push_back({n, static_cast<std::uint8_t>(n + 1), static_cast<std::uint8_t>(n + 2),
                           static_cast<std::uint8_t>(n + 3), static_cast<std::uint8_t>(n + 4)});
    }
    return columns;
}

// The text of page `page` of a PDF as pdftotext reads it.
QString pageText(const QString& pdf, int page) {
    QProcess tool;
    const QString number = QString::number(page);
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                             number, pdf, QStringLiteral("-")});
    return tool.waitForFinished(10000) ? QString::fromUtf8(tool.readAllStandardOutput())
                                       : QString();
}

} // namespace

class PrintWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rangeErrors_data();
    void rangeErrors();
    void aFullRangeFieldMovesOn();
    void enterMovesThroughTheRange();
    void stopDuringSlipRun_data();
    void stopDuringSlipRun();
    void slipsOfAFreshInstallLandWhereTheDialogShows();
    void theSlipWindowOffersTheLastOutputAgain();
    void listingNeedsAChoice();
    void severalSystemsInOneSlipRun();
    void aWrittenPdfIsNamedInTheWindow();
    void anOutputTheSettingsCannotKeepIsSaidOnALine();
    void calibrationStartsFromDefaults();
    void calibrationPrinterMessages_data();
    void calibrationPrinterMessages();
    void calibrationIsSavedToATenth();
    void calibrationTestPage();

private:
    void developColumns(int count) {
        QVERIFY(document_->adoptImportedColumns(columnsOf(count), {3, 8}, "/tmp/prova.txt"));
    }
    std::unique_ptr<SlipPrintDialog> slipDialog() {
        return std::make_unique<SlipPrintDialog>(
            *document_, *settings_,
            SlipPrintDialog::Setup{
                xdg_->dataFolder(), folder_->path(), "RICEVITORIA", {QStringLiteral("Laser")}},
            *language_, prompt_, nullptr);
    }
    std::unique_ptr<CalibrationDialog> calibrationDialog(SlipType type, QStringList printers) {
        return std::make_unique<CalibrationDialog>(
            type, CalibrationDialog::Paths{calibrationPath(type), folder_->path()}, "RICEVITORIA",
            std::move(printers), *language_, prompt_, nullptr);
    }
    QString calibrationPath(SlipType type) const {
        return xdg_->dataFolder() + u'/' + QString::fromStdString(calibrationFileName(type));
    }
    // Sends the next print to a PDF file in the test's folder.
    QString choosePdf(QWidget& window, const char* name) {
        child<QRadioButton>(window, "optDestinazione(2)")->setChecked(true);
        const QString path = folder_->filePath(QString::fromUtf8(name));
        prompt_.answerSaveFile(path);
        return path;
    }

    // The settings file of the data folder, read as the program reads it at start-up.
    void readSettings() {
        settings_ = std::make_unique<SettingsDocument>(
            (xdg_->dataFolder() + QStringLiteral("/quintora.ini")).toStdString());
    }

    std::unique_ptr<test::TemporaryXdg> xdg_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Language> language_;
    std::unique_ptr<SystemDocument> document_;
    std::unique_ptr<SettingsDocument> settings_;
    ScriptedPrompt prompt_;
};

void PrintWindowsTest::init() {
    xdg_ = std::make_unique<test::TemporaryXdg>();
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(xdg_->dataFolder()));
    language_ = std::make_unique<Language>(xdg_->dataFolder().toStdString());
    document_ = std::make_unique<SystemDocument>();
    readSettings();
    prompt_.reset();
}

void PrintWindowsTest::cleanup() {
    QCOMPARE(prompt_.pending(), 0);
    document_.reset();
    settings_.reset();
    language_.reset();
    folder_.reset();
    xdg_.reset();
}

void PrintWindowsTest::rangeErrors_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("fiveColumns");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString above = QStringLiteral(" !!! E R R O R E !!! ");
    const QString error = QStringLiteral("!!! E R R O R E !!!");
    const QString fromAbove = QStringLiteral("'DA' è maggiore di 'A'");
    QTest::newRow("from above to") << 12 << false << "3"
                                   << "2" << above << fromAbove;
    QTest::newRow("empty to reads 0") << 12 << false << "1"
                                      << "" << above << fromAbove;
    QTest::newRow("from 0") << 12 << false << "0"
                            << "2" << error << QStringLiteral("'DA' è minore del minimo");
    QTest::newRow("to past 12 slips")
        << 12 << false << "1"
        << "13" << error << QStringLiteral("'A' è maggiore del massimo");
    QTest::newRow("to past 3 slips of 5")
        << 12 << true << "1"
        << "4" << error << QStringLiteral("'A' è maggiore del massimo");
    QTest::newRow("no columns, no slips") << 0 << false << "1"
                                          << "0" << above << fromAbove;
}

void PrintWindowsTest::rangeErrors() {
    QFETCH(int, columns);
    QFETCH(bool, fiveColumns);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, title);
    QFETCH(QString, message);
    if (columns > 0) {
        developColumns(columns);
    }
    auto dialog = slipDialog();
    if (fiveColumns) {
        test::click(child<QPushButton>(*dialog, "optTipoScheda(1)"));
    }
    const QString total = QString::number(fiveColumns ? 3 : columns);
    QCOMPARE(child<QLabel>(*dialog, "labSchede")->text(), total);
    // Choosing a type offers every slip of it.
    QCOMPARE(child<QLineEdit>(*dialog, "meDa")->text(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(*dialog, "meA")->text(), total);
    child<QRadioButton>(*dialog, "optDestinazione(2)")->setChecked(true);
    child<QLineEdit>(*dialog, "meDa")->setText(from);
    child<QLineEdit>(*dialog, "meA")->setText(to);
    prompt_.acceptMessage();

    test::click(child<QPushButton>(*dialog, "cmdStampa"));

    // The message and a beep; nothing asked for a file, nothing running.
    QCOMPARE(prompt_.calls().size(), std::size_t{1});
    const auto call = prompt_.calls().front();
    QCOMPARE(call.kind, Kind::Message);
    QCOMPARE(call.title, title);
    QCOMPARE(call.text, message);
    QCOMPARE(call.icon, Prompt::Icon::Exclamation);
    QCOMPARE(prompt_.beeps(), 1);
    QVERIFY(dialog->run() == nullptr);
    QVERIFY(dialog->findChild<PrintProgressDialog*>() == nullptr);
}

void PrintWindowsTest::enterMovesThroughTheRange() {
    developColumns(12);
    auto dialog = slipDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* from = child<QLineEdit>(*dialog, "meDa");
    auto* to = child<QLineEdit>(*dialog, "meA");
    from->setFocus();
    QTRY_VERIFY(wholeTextSelected(from));
    QTest::keyClick(from, Qt::Key_Return);
    QTRY_VERIFY(to->hasFocus());
    QTRY_VERIFY(wholeTextSelected(to));
    QTest::keyClick(to, Qt::Key_Return);
    QTRY_VERIFY(child<QPushButton>(*dialog, "cmdStampa")->hasFocus());
    // Enter only moves on: nothing was printed or asked.
    QVERIFY(dialog->run() == nullptr);
}

void PrintWindowsTest::stopDuringSlipRun_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("pages");
    QTest::newRow("stop confirmed: the first slip only") << true << 1;
    QTest::newRow("stop declined: every slip") << false << 12;
}

void PrintWindowsTest::stopDuringSlipRun() {
    QFETCH(bool, confirm);
    QFETCH(int, pages);
    developColumns(12);
    auto dialog = slipDialog();
    const QString pdf = choosePdf(*dialog, "schedine.pdf");
    QSignalSpy ended(dialog.get(), &SlipPrintDialog::runEnded);

    test::click(child<QPushButton>(*dialog, "cmdStampa"));
    PrintRun* run = dialog->run();
    QVERIFY(run != nullptr);
    auto* progress = dialog->progressDialog();
    QVERIFY(progress != nullptr && progress->isVisible());
    QVERIFY(!child<QPushButton>(*dialog, "cmdStampa")->isEnabled());
    // While the question is open the window keeps running, but the slip that comes due is
    // held, not printed.
    bool heldWhileAsked = false;
    prompt_.setObserver([&](const ScriptedPrompt::Call& call) {
        if (call.kind == Kind::Question) {
            const int before = run->pagesPrinted();
            QSignalSpy held(run, &PrintRun::pageHeld);
            heldWhileAsked = held.wait(5000) && run->pagesPrinted() == before;
        }
    });
    // The user stops as the first slip comes out.
    QStringList labels;
    bool asked = false;
    connect(run, &PrintRun::pagePrinted, this, [&](int, int) {
        labels << child<QLabel>(*progress, "lblScheda")->text();
        if (!asked) {
            asked = true;
            // A click between two slips, with the next one already due.
            QTimer::singleShot(0, progress, [&] {
                prompt_.answerQuestion(confirm);
                test::click(child<QPushButton>(*progress, "cmdInterrompi"));
            });
        }
    });

    QVERIFY(ended.wait(5000));
    QCOMPARE(labels.front(), QStringLiteral("Scheda n. 00001"));
    QCOMPARE(labels.size(), pages);
    const auto questions = prompt_.callsOf(Kind::Question);
    QCOMPARE(questions.size(), std::size_t{1});
    QCOMPARE(questions.front().title, QStringLiteral("Stampa in corso..."));
    QCOMPARE(questions.front().text, QStringLiteral("Sicuro di interrompere la stampa ?"));
    QCOMPARE(prompt_.beeps(), 1);
    QVERIFY(heldWhileAsked);
    prompt_.setObserver({});
    // The slips printed so far are in the file; the window is usable again.
    QCOMPARE(pdfPages(pdf), pages);
    QTRY_VERIFY(dialog->progressDialog() == nullptr);
    QVERIFY(child<QPushButton>(*dialog, "cmdStampa")->isEnabled());
}

// No calibration file yet, as on every fresh install: the slip goes where the calibration
// dialog shows its defaults, the system name beside the grid and not in the page's corner.
void PrintWindowsTest::slipsOfAFreshInstallLandWhereTheDialogShows() {
    QVERIFY(!QFile::exists(calibrationPath(SlipType::OneColumn)));
    QVERIFY(!QFile::exists(calibrationPath(SlipType::FiveColumns)));
    developColumns(5);
    auto dialog = slipDialog();
    const QString pdf = choosePdf(*dialog, "nuova.pdf");
    QSignalSpy ended(dialog.get(), &SlipPrintDialog::runEnded);
    test::click(child<QPushButton>(*dialog, "cmdStampa"));
    QVERIFY(ended.wait(5000));
    const SlipLayout defaults = defaultSlipLayout(SlipType::FiveColumns);
    const QPointF name = wordPosition(pdf, QStringLiteral("Scheda"));
    QVERIFY2(qAbs(name.x() - defaults.nameX) < 0.5, qPrintable(QString::number(name.x())));
    const QPointF header = wordPosition(pdf, QStringLiteral("RICEVITORIA"));
    QVERIFY2(qAbs(header.y() - defaults.headerY) < 3, qPrintable(QString::number(header.y())));
}

// A PDF of slips printed into a folder of the user's: the next slip window, even after the
// program was closed, chooses the PDF again and offers that folder.
void PrintWindowsTest::theSlipWindowOffersTheLastOutputAgain() {
    developColumns(5);
    QVERIFY(QDir().mkpath(folder_->filePath(QStringLiteral("scelta"))));
    const QString pdf = folder_->filePath(QStringLiteral("scelta/mie.pdf"));
    {
        auto dialog = slipDialog();
        QVERIFY(child<QRadioButton>(*dialog, "optDestinazione(0)")->isChecked());
        child<QRadioButton>(*dialog, "optDestinazione(2)")->setChecked(true);
        prompt_.answerSaveFile(pdf);
        QSignalSpy ended(dialog.get(), &SlipPrintDialog::runEnded);
        test::click(child<QPushButton>(*dialog, "cmdStampa"));
        QVERIFY(ended.wait(5000));
        QCOMPARE(QFileInfo(prompt_.callsOf(Kind::SaveFile).back().text).absolutePath(),
                 folder_->path());
    }
    readSettings(); // the next run of the program
    auto again = slipDialog();
    QVERIFY(child<QRadioButton>(*again, "optDestinazione(2)")->isChecked());
    prompt_.answerSaveFile(QString()); // cancelled: nothing printed, the choice kept
    test::click(child<QPushButton>(*again, "cmdStampa"));
    QCOMPARE(QFileInfo(prompt_.callsOf(Kind::SaveFile).back().text).absolutePath(),
             QFileInfo(pdf).absolutePath());
}

// Six digits fill "Da": the keyboard goes on to "a" by itself.
void PrintWindowsTest::aFullRangeFieldMovesOn() {
    developColumns(20);
    auto dialog = slipDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->activateWindow();
    auto* from = child<QLineEdit>(*dialog, "meDa");
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, QStringLiteral("00000"));
    QVERIFY(from->hasFocus());
    QTest::keyClicks(from, QStringLiteral("1"));
    QTRY_VERIFY(child<QLineEdit>(*dialog, "meA")->hasFocus());
}

void PrintWindowsTest::listingNeedsAChoice() {
    developColumns(20);
    ListingDialog dialog(*document_, *settings_, {folder_->path(), {}}, *language_, prompt_,
                         nullptr);
    QCOMPARE(dialog.copies(), 1);
    child<QCheckBox>(dialog, "chkProno")->setChecked(false);
    child<QCheckBox>(dialog, "chkCol")->setChecked(false);
    child<QRadioButton>(dialog, "optDestinazione(2)")->setChecked(true);
    prompt_.acceptMessage();

    test::click(child<QPushButton>(dialog, "cmdStampa"));

    QCOMPARE(prompt_.calls().size(), std::size_t{1});
    QCOMPARE(prompt_.calls().front().title, QStringLiteral(" E R R O R E "));
    QCOMPARE(prompt_.calls().front().text, QStringLiteral("Nessuna scelta selezionata"));
    QCOMPARE(prompt_.calls().front().icon, Prompt::Icon::Exclamation);
    QVERIFY(dialog.run() == nullptr);

    // Either part alone prints; in a PDF the copies follow one another.
    child<QCheckBox>(dialog, "chkCol")->setChecked(true);
    child<QScrollBar>(dialog, "VsCopie")->setValue(3);
    QCOMPARE(child<QLabel>(dialog, "labCopie")->text(), QStringLiteral("3"));
    const QString pdf = choosePdf(dialog, "tabulato.pdf");
    QSignalSpy ended(&dialog, &ListingDialog::runEnded);
    test::click(child<QPushButton>(dialog, "cmdStampa"));
    QVERIFY(!child<QPushButton>(dialog, "cmdStampa")->isEnabled()); // while it prints
    QVERIFY(ended.wait(5000));
    QCOMPARE(pdfPages(pdf), 3);
    QVERIFY(child<QPushButton>(dialog, "cmdStampa")->isEnabled());
}

// An outlet adds further systems after the one of the window: the list, the total of slips
// and amount before printing, and a run whose pages follow the list's order.
void PrintWindowsTest::severalSystemsInOneSlipRun() {
    developColumns(12); // Euro 3 and 8
    SystemState small;
    small.header.setNumbers(NumberSet::of(std::array<std::uint8_t, 7>{30, 31, 32, 33, 34, 35, 36}));
    small.header.setEuros({1, 2});
    small.columns = {{30, 31, 32, 33, 34}, {31, 32, 33, 34, 35}, {32, 33, 34, 35, 36}};
    const QString b = folder_->filePath(QStringLiteral("b.qsy"));
    QVERIFY(saveSystemFile(b.toStdString(), small).ok());
    SystemState empty = small;
    empty.columns.clear();
    const QString none = folder_->filePath(QStringLiteral("vuoto.qsy"));
    QVERIFY(saveSystemFile(none.toStdString(), empty).ok());
    const QString notASystem = folder_->filePath(QStringLiteral("testo.qsy"));
    {
        QFile text(notASystem);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("1 2 3 4 5\n");
    }

    auto dialog = slipDialog();
    dialog->chooseType(SlipType::FiveColumns);
    auto* list = dialog->systemList();
    QCOMPARE(list->count(), 1);
    QCOMPARE(child<QLabel>(*dialog, "labSchede")->text(), QStringLiteral("3"));

    // Refused: a file of another kind, a system without columns, a cancelled choice.
    prompt_.answerOpenFile(notASystem);
    prompt_.acceptMessage();
    QVERIFY(!dialog->addSystem());
    prompt_.answerOpenFile(none);
    prompt_.acceptMessage();
    QVERIFY(!dialog->addSystem());
    QCOMPARE(prompt_.callsOf(Kind::Message).back().text,
             QStringLiteral("Il sistema vuoto.qsy non ha colonne da stampare"));
    prompt_.answerOpenFile(QString());
    QVERIFY(!dialog->addSystem());
    QCOMPARE(list->count(), 1);

    prompt_.answerOpenFile(b);
    test::click(child<QPushButton>(*dialog, "cmdAggiungiSistemi"));
    QCOMPARE(prompt_.callsOf(Kind::OpenFile).back().text,
             xdg_->dataFolder() + QStringLiteral("/sistemi"));
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(1)->text().startsWith(QStringLiteral("b.qsy")));
    QVERIFY(list->item(1)->text().endsWith(QStringLiteral("1 schedine, \u20AC 6,00")));
    QCOMPARE(child<QLabel>(*dialog, "labSchede")->text(), QStringLiteral("4"));
    QCOMPARE(dialog->runSummary()->text(),
             QStringLiteral("Totale schedine 4, importo \u20AC 30,00"));
    QCOMPARE(child<QLineEdit>(*dialog, "meA")->text(), QStringLiteral("4"));
    // Another slip type counts again.
    dialog->chooseType(SlipType::OneColumn);
    QCOMPARE(child<QLabel>(*dialog, "labSchede")->text(), QStringLiteral("15"));
    dialog->chooseType(SlipType::FiveColumns);

    const QString pdf = choosePdf(*dialog, "insieme.pdf");
    QSignalSpy ended(dialog.get(), &SlipPrintDialog::runEnded);
    test::click(child<QPushButton>(*dialog, "cmdStampa"));
    QVERIFY(ended.wait(5000));
    QCOMPARE(pdfPages(pdf), 4);
    for (int page = 1; page <= 3; ++page) {
        QVERIFY2(pageText(pdf, page).contains(QStringLiteral("prova.txt")),
                 qPrintable(pageText(pdf, page)));
    }
    // The added system's slip: its own name, numbered 1 within it.
    const QString last = pageText(pdf, 4);
    QVERIFY2(last.contains(QStringLiteral("b.qsy")), qPrintable(last));
    QVERIFY2(last.contains(QStringLiteral("Scheda n. 1")), qPrintable(last));

    // The window's own system stays; an added one can go.
    list->setCurrentRow(0);
    QVERIFY(!child<QPushButton>(*dialog, "cmdTogliSistema")->isEnabled());
    list->setCurrentRow(1);
    test::click(child<QPushButton>(*dialog, "cmdTogliSistema"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(child<QLabel>(*dialog, "labSchede")->text(), QStringLiteral("3"));
}

// After a PDF is written the window names it and opens its folder on request; the listing
// window remembers its output and folder as the slip window does.
void PrintWindowsTest::aWrittenPdfIsNamedInTheWindow() {
    developColumns(5);
    QVERIFY(QDir().mkpath(folder_->filePath(QStringLiteral("scelta"))));
    const QString pdf = folder_->filePath(QStringLiteral("scelta/tab.pdf"));
    QList<QUrl> opened;
    {
        ListingDialog dialog(*document_, *settings_, {folder_->path(), {}}, *language_, prompt_,
                             nullptr);
        auto* notice = dialog.pdfNotice();
        QVERIFY(notice->isHidden());
        notice->setOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        child<QRadioButton>(dialog, "optDestinazione(2)")->setChecked(true);
        prompt_.answerSaveFile(pdf);
        QSignalSpy ended(&dialog, &ListingDialog::runEnded);
        test::click(child<QPushButton>(dialog, "cmdStampa"));
        QVERIFY(notice->isHidden()); // not before the file is there
        QVERIFY(ended.wait(5000));
        QVERIFY(!notice->isHidden());
        QCOMPARE(notice->label()->text(), QStringLiteral("PDF scritto in ") + pdf);
        QCOMPARE(prompt_.callsOf(Kind::Message).size(), 0u); // said in the window, not a box
        test::click(child<QPushButton>(dialog, "cmdApriCartella"));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(pdf).absolutePath())});
    }
    readSettings(); // the next run of the program
    ListingDialog again(*document_, *settings_, {folder_->path(), {}}, *language_, prompt_,
                        nullptr);
    QVERIFY(child<QRadioButton>(again, "optDestinazione(2)")->isChecked());
    prompt_.answerSaveFile(QString());
    test::click(child<QPushButton>(again, "cmdStampa"));
    QCOMPARE(QFileInfo(prompt_.callsOf(Kind::SaveFile).back().text).absolutePath(),
             QFileInfo(pdf).absolutePath());

    // The slip window says it the same way; a stopped run names the slips it wrote too.
    auto slips = slipDialog();
    const QString slipPdf = choosePdf(*slips, "schede.pdf");
    QSignalSpy ended(slips.get(), &SlipPrintDialog::runEnded);
    test::click(child<QPushButton>(*slips, "cmdStampa"));
    QVERIFY(ended.wait(5000));
    QVERIFY(!slips->pdfNotice()->isHidden());
    QCOMPARE(slips->pdfNotice()->path(), QFileInfo(slipPdf).absoluteFilePath());
}

// Both printing windows print all the same and say on a line, in the window's language, that
// the next print will not offer this output again.
void PrintWindowsTest::anOutputTheSettingsCannotKeepIsSaidOnALine() {
    developColumns(5);
    settings_ = std::make_unique<SettingsDocument>(); // no file: every change is refused
    const QString said = QStringLiteral("L'uscita scelta non sarà ricordata: ");
    ListingDialog listing(*document_, *settings_, {folder_->path(), {}}, *language_, prompt_,
                          nullptr);
    QVERIFY(listing.outputProblem()->isHidden());
    choosePdf(listing, "tab.pdf");
    QSignalSpy listed(&listing, &ListingDialog::runEnded);
    test::click(child<QPushButton>(listing, "cmdStampa"));
    QVERIFY(listed.wait(5000));
    QVERIFY(!listing.pdfNotice()->isHidden());
    QVERIFY(!listing.outputProblem()->isHidden());
    QVERIFY(listing.outputProblem()->text().startsWith(said));

    auto slips = slipDialog();
    choosePdf(*slips, "schede.pdf");
    QSignalSpy printed(slips.get(), &SlipPrintDialog::runEnded);
    test::click(child<QPushButton>(*slips, "cmdStampa"));
    QVERIFY(printed.wait(5000));
    QVERIFY(!slips->pdfNotice()->isHidden());
    QVERIFY(slips->outputProblem()->text().startsWith(said));
    QCOMPARE(prompt_.callsOf(Kind::Message).size(), 0u);
}

void PrintWindowsTest::calibrationStartsFromDefaults() {
    prompt_.acceptMessage(); // no printer saved yet: choose one
    auto dialog = calibrationDialog(SlipType::FiveColumns, {QStringLiteral("Laser")});
    // Without a file: the defaults, and low quality (never set).
    const std::pair<const char*, const char*> shown[] = {
        {"labX", "5"},    {"labY", "4,5"},    {"labTop", "33,5"}, {"labLeft", "12"},
        {"labWebX", "2"}, {"labWebY", "200"}, {"labNomeX", "2"},  {"labNomeY", "0,1"}};
    for (const auto& [name, value] : shown) {
        QCOMPARE(child<QLineEdit>(*dialog, name)->text(), QString::fromUtf8(value));
    }
    QCOMPARE(child<QScrollBar>(*dialog, "VsTop")->value(), 335);
    QVERIFY(child<QPushButton>(*dialog, "optColor(1)")->isChecked());
    QVERIFY(!child<QWidget>(*dialog, "frameDistanza")->isEnabled());
    QCOMPARE(dialog->layout().printQuality, QualityLow);
    // A scroll bar moves its measure in tenths of a millimetre.
    child<QScrollBar>(*dialog, "vsNomeX")->triggerAction(QScrollBar::SliderSingleStepAdd);
    QCOMPARE(child<QLineEdit>(*dialog, "labNomeX")->text(), QStringLiteral("2,1"));
    QCOMPARE(dialog->layout().nameX, 2.1F);
    QCOMPARE(prompt_.calls().size(), std::size_t{1});
    QCOMPARE(prompt_.calls().front().text, QStringLiteral("Attenzione selezionare una stampante"));
}

void PrintWindowsTest::calibrationPrinterMessages_data() {
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("selected");
    QTest::newRow("saved printer gone")
        << QStringList{QStringLiteral("Inkjet"), QStringLiteral("Ufficio")}
        << QStringLiteral("Attenzione selezionare una stampante") << QStringLiteral("Inkjet");
    QTest::newRow("no printer") << QStringList{}
                                << QStringLiteral("Attenzione nessuna stampante installata")
                                << QString();
}

void PrintWindowsTest::calibrationPrinterMessages() {
    QFETCH(QStringList, printers);
    QFETCH(QString, message);
    QFETCH(QString, selected);
    SlipLayout saved;
    saved.printerName = "Laser";
    QVERIFY(saveSlipLayout(calibrationPath(SlipType::OneColumn).toStdString(), saved));
    prompt_.acceptMessage();
    auto dialog = calibrationDialog(SlipType::OneColumn, printers);
    QCOMPARE(prompt_.calls().size(), std::size_t{1});
    QCOMPARE(prompt_.calls().front().title, QStringLiteral("Importante"));
    QCOMPARE(prompt_.calls().front().text, message);
    QCOMPARE(prompt_.calls().front().icon, Prompt::Icon::Critical);
    QCOMPARE(child<QComboBox>(*dialog, "cmbStampante")->currentText(), selected);
}

void PrintWindowsTest::calibrationIsSavedToATenth() {
    const QStringList printers{QStringLiteral("Inkjet"), QStringLiteral("Laser")};
    SlipLayout start = withDefaults(SlipLayout{}, SlipType::OneColumn);
    start.printerName = "Laser";
    start.printQuality = QualityNormal;
    QVERIFY(saveSlipLayout(calibrationPath(SlipType::OneColumn).toStdString(), start));
    {
        auto dialog = calibrationDialog(SlipType::OneColumn, printers);
        QVERIFY(child<QPushButton>(*dialog, "optColor(0)")->isChecked());
        child<QScrollBar>(*dialog, "vsLeft")->setValue(183);
        child<QScrollBar>(*dialog, "vsWebY")->setValue(0); // reloads as its default
        test::click(child<QPushButton>(*dialog, "optColor(1)"));
        child<QComboBox>(*dialog, "cmbStampante")->setCurrentIndex(0);
        test::click(child<QPushButton>(*dialog, "cmdSalva"));
    }
    const auto stored =
        loadSlipLayout(calibrationPath(SlipType::OneColumn).toStdString(), SlipType::OneColumn,
                       /*applyDefaults=*/false);
    QVERIFY(stored);
    QCOMPARE(stored.value().gridLeft, 18.3F);
    QCOMPARE(stored.value().headerY, 0.0F);
    QCOMPARE(stored.value().printQuality, QualityLow);
    QCOMPARE(stored.value().printerName, std::string("Inkjet"));
    auto again = calibrationDialog(SlipType::OneColumn, printers);
    QCOMPARE(child<QLineEdit>(*again, "labLeft")->text(), QStringLiteral("18,3"));
    QCOMPARE(child<QLineEdit>(*again, "labWebY")->text(), QStringLiteral("201,7"));
    QCOMPARE(child<QComboBox>(*again, "cmbStampante")->currentText(), QStringLiteral("Inkjet"));
}

void PrintWindowsTest::calibrationTestPage() {
    prompt_.acceptMessage(); // no printer saved yet
    auto dialog = calibrationDialog(SlipType::FiveColumns, {QStringLiteral("Laser")});
    prompt_.reset();
    const QString pdf = choosePdf(*dialog, "taratura.pdf");
    auto* test = child<QPushButton>(*dialog, "cmdTest");
    test::click(test);
    QTRY_COMPARE(pdfPages(pdf), 1);

    // A file that cannot be written: the message, and the dialog stays as it was.
    prompt_.answerSaveFile(folder_->filePath(QStringLiteral("missing/taratura.pdf")));
    prompt_.acceptMessage();
    test::click(test);
    QTRY_COMPARE(prompt_.callsOf(Kind::Message).size(), std::size_t{1});
    const auto message = prompt_.callsOf(Kind::Message).front();
    QCOMPARE(message.title, QStringLiteral("!!! E R R O R E !!!"));
    QCOMPARE(message.icon, Prompt::Icon::Critical);
    QVERIFY(!message.text.isEmpty());
    QVERIFY(!QFile::exists(folder_->filePath(QStringLiteral("missing/taratura.pdf"))));
}

QTEST_MAIN(PrintWindowsTest)
#include "PrintWindowsTest.moc"
