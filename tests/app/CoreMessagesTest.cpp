// The core's messages reach the boxes in the chosen language: each failure below is produced
// by the core itself and comes out of the text table as English text, while the program's
// own language file in the data folder says it as the core's built-in text does.
#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"
#include "archive/ArchiveUpdate.h"
#include "core/Conditions.h"
#include "core/Development.h"
#include "core/ExcludedColumns.h"
#include "document/SystemDocument.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "filters/FilterImport.h"
#include "matrix/MatrixAdaptation.h"
#include "matrix/MatrixFile.h"
#include "matrix/WheelMaker.h"
#include "print/CalibrationFile.h"
#include "print/ListingPlan.h"
#include "print/SlipRun.h"
#include "settings/IniFile.h"
#include "settings/Language.h"
#include "settings/LanguageFileCheck.h"
#include "settings/Settings.h"

#include <cerrno>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

using namespace quintora;

Q_DECLARE_METATYPE(quintora::Message)

namespace {

const QString SourceData = QStringLiteral(QUINTORA_SOURCE_DATA);

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename T> Message messageOf(const Result<T>& result) {
    return result ? Message{"(no error)"} : result.error().what;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<std::uint8_t> systemWithUnknownCondition() {
    SystemState state;
    state.columns = {{1, 2, 3, 4, 5}};
    auto bytes = encodeSystemFile(state);
    for (const std::int32_t value : {systemfile::ConditionsMarker, 77, systemfile::BlockEnd1}) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    return bytes;
}

Matrix matrixFor(int v) {
    Matrix matrix;
    matrix.header.v = static_cast<std::uint8_t>(v);
    matrix.header.k = 5;
    matrix.header.t = 3;
    matrix.header.m = 3;
    matrix.header.columnCount = 1;
    matrix.body = {1, 2, 3, 4, 5};
    return matrix;
}

} // namespace

class CoreMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void englishHasEveryCoreMessage_data();
    void englishHasEveryCoreMessage();
    void italianLeavesThemAsWritten_data() { englishHasEveryCoreMessage_data(); }
    void italianLeavesThemAsWritten();

private:
    QString shown(const char* language, const Message& message) const {
        Language chosen(data_.path().toStdString(), language);
        return QString::fromStdString(chosen.text(message));
    }
    QString path(const QString& name) const { return data_.filePath(name); }

    QTemporaryDir data_; // the data folder with both language files, and the files read
};

void CoreMessagesTest::initTestCase() {
    QVERIFY(data_.isValid());
    for (const QString& name : {QStringLiteral("italiano.lng"), QStringLiteral("english.lng")}) {
        QVERIFY(QFile::copy(SourceData + u'/' + name, path(name)));
    }
    writeFile(path(QStringLiteral("ten.bin")), QByteArray(10, 'x'));
    writeFile(path(QStringLiteral("archive.txt")), "1|01/01/2024|1|2|3|4|5|3|13\r\n");
    QVERIFY(QDir(data_.path()).mkdir(QStringLiteral("folder")));
}

void CoreMessagesTest::englishHasEveryCoreMessage_data() {
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* name, const Message& message, const QString& english) {
        QTest::newRow(name) << message << english;
    };
    const QString folder = path(QStringLiteral("folder"));
    const QString ten = path(QStringLiteral("ten.bin"));
    const std::string missing = "/nonexistent/quintora/a%2b.qsy";
    const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));

    row("error title", (ErrorTitle), QStringLiteral("E R R O R"));
    row("warning title", (LimitWarningTitle), QStringLiteral("WARNING"));
    {
        SystemDocument document;
        QVERIFY(document.adoptImportedColumns({{1, 2, 3, 4, 5}}, {1, 2}, "a.txt"));
        row("locked system", messageOf(document.adoptAdaptation(Adaptation{})),
            QStringLiteral("The system has been generated: press Edit System to change it"));
        row("no file", messageOf(document.open("\"\"")), QStringLiteral("No file given"));
    }
    row("development input", (*developmentInputError(SystemHeader{})),
        QStringLiteral("At least 5 numbers in play are needed (there are 0)"));
    // Two lines parted by a lone CR.
    row("limit warning", (limitWarningText(MaxColumns)),
        QStringLiteral("!!! More columns than the memory can hold\rMemory capacity 200,000 "
                       "columns"));
    const auto sum = checkSumFields(90, 80, SumRange{15, 240});
    row("sum title, trimmed in English", (sum.at(0).title), QStringLiteral("!!! E R R O R !!!"));
    row("sum", (sum.at(0).text), QStringLiteral("'FROM' is greater than 'TO'"));
    row("excluded limit", (excludedLimitText(3)),
        QStringLiteral("There can be at most 1,000 excluded columns: 3 columns were not added."));
    // The second line's entry begins with a value, so it fits the whole text as well.
    row("excluded refused, two lines", excludedRefusedText(ExcludedStoreResult{1000, 1, 2}),
        QStringLiteral("There can be at most 1,000 excluded columns: the first 1,000 were kept, "
                       "1 column was dropped.\r\n2 invalid columns were dropped."));

    const std::vector<std::uint8_t> garbage(40, 0x41);
    row("garbage system file", messageOf(decodeSystemFile(garbage)),
        QStringLiteral("This file cannot be read"));
    SystemState two;
    two.columns = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
    auto truncated = encodeSystemFile(two);
    truncated.resize(truncated.size() - 3);
    row("truncated system file", messageOf(decodeSystemFile(truncated)),
        QStringLiteral("This file cannot be read\r\nThe file is incomplete: it holds 1 of the 2 "
                       "columns it declares."));
    row("unknown condition", decodeSystemFile(systemWithUnknownCondition()).value().warnings.at(0),
        QStringLiteral("Unknown condition\r\nID : 77"));
    // The file name holds "%2": it stays as it is.
    row("missing file", messageOf(readSystemFile(missing)),
        QStringLiteral("Cannot open the file %1: %2").arg(fromStd(missing), noSuchFile));
    row("folder, not a file", messageOf(readSystemFile(folder.toStdString())),
        QStringLiteral("Cannot open %1: it is a folder, not a file").arg(folder));
    row("too large", messageOf(readWholeFile(ten.toStdString(), 4)),
        QStringLiteral("The file %1 is too large (10 bytes; at most 4)").arg(ten));
    row("save over a folder", messageOf(writeFileAtomically(folder.toStdString(), "x")),
        QStringLiteral("Cannot save %1: it is a folder, not a file").arg(folder));

    row("column text, not a number", messageOf(importColumnsText("1 2 3 4 5\n1 2 x 4 5\n")),
        QStringLiteral("Line 2: \"x\" is not a number"));
    row("column text, out of range", messageOf(importColumnsText("1 2 3 4 51\n")),
        QStringLiteral("Line 1: the number \"51\" is outside the range 1..50"));
    row("column text, empty", messageOf(importColumnsText("\n")),
        QStringLiteral("The file holds no columns"));
    const std::uint8_t chosen[] = {5};
    const std::uint8_t inPlay[] = {1, 2, 3, 4, 5, 6, 7, 8};
    row("Euro number chosen twice", messageOf(parseEuroAnswer("5", chosen)),
        QStringLiteral("The Euro number 5 has already been chosen"));
    row("fixed number chosen twice", messageOf(parseFixedNumberAnswer("5", inPlay, chosen)),
        QStringLiteral("The number 5 has already been chosen"));
    row("filter hits", messageOf(parseAcceptedHits("1,9")),
        QStringLiteral("Invalid number of hits: \"9\" (0..5 allowed)"));

    const QString archiveText = path(QStringLiteral("archive.txt"));
    // "numero %1 fuori da 1..%2" fits too; the entry with more fixed words is the one meant.
    row("archive text line", messageOf(readArchiveText(archiveText.toStdString())),
        QStringLiteral("Invalid draw archive, line 1: Euro number 13 outside 1..12 (%1)")
            .arg(archiveText));
    row("archive text cut short", messageOf(parseArchiveText("1|01/01/2024|1|2|3|4|5|3|4\n2|0")),
        QStringLiteral("Invalid draw archive, line 2: incomplete line, the downloaded file was "
                       "cut short"));
    row("archive records skipped", (skippedRecordsText(SkippedRecords{2, 0})),
        QStringLiteral("Invalid records skipped in the draw archive: 2"));
    const DrawArchive twoDraws = parseArchiveText("1|01/01/2024|1|2|3|4|5|3|4\n"
                                                  "2|08/01/2024|1|2|3|4|5|3|4\n")
                                     .value();
    DrawArchive fewer = twoDraws;
    fewer.draws.pop_back();
    row("archive would shrink", (*shrinkProblem(twoDraws, fewer)),
        QStringLiteral("The downloaded archive holds 1 draws, fewer than the 2 of the archive: "
                       "the archive was not changed"));
    fewer.draws.push_back(Draw{3, {2024, 1, 15}, {1, 2, 3, 4, 5}, {3, 4}});
    const auto corrections = archiveCorrections(twoDraws, fewer);
    row("archive corrections", Message{text::CorrectionsRefused, {correctionsSummary(corrections)}},
        QStringLiteral("The downloaded archive changes draws of the archive (1 draws added, 0 "
                       "changed, 1 missing): the archive was not changed"));
    row("archive correction line", correctionLines(corrections).front(),
        QStringLiteral("missing:  08/01/2024 | 002 |  01 02 03 04 05  | 03 | 04"));
    row("language file cut", (*languageFileProblem("[frmMAIN]\r\nx=\"a")),
        QStringLiteral("The downloaded language file is incomplete: its last line is cut short"));
    row("language file line", (*languageFileProblem("[frmMAIN]\r\n<html>\r\n")),
        QStringLiteral("The downloaded language file is incomplete: line 2 (not key=value)"));
    row("language file section", (*languageFileProblem("[frmMAIN]\r\n")),
        QStringLiteral("The downloaded language file is incomplete: the section [Strings] is "
                       "missing"));
    row("download", Message{text::DownloadFailed, {"http://x/", Message{text::ServerGaveNoLength}}},
        QStringLiteral("Download of http://x/ failed: the server did not give the length of the "
                       "file"));

    const std::vector<std::uint8_t> twenty(20, 0);
    row("matrix too short", messageOf(decodeMatrixFile(twenty)),
        QStringLiteral("File too short: the matrix header is incomplete"));
    const std::vector<std::uint8_t> noMatrix(200, 0);
    row("not a matrix", messageOf(decodeMatrixFile(noMatrix)),
        QStringLiteral("The file is not a matrix: invalid format identifier"));
    row("matrix for other numbers", messageOf(adaptMatrix(matrixFor(10), inPlay, {}, {})),
        QStringLiteral("The matrix is built for 10 numbers, but there are 8 numbers in play"));
    row("wheel shape", (*wheelShapeError(WheelShape{4, 3, 3, 0})),
        QStringLiteral("V must be between 5 and 50"));

    std::vector<std::uint8_t> calibration(4, 0xFF); // not a number
    row("calibration file", messageOf(decodeCalibration(calibration)),
        QStringLiteral("The calibration file is damaged: a measure lies outside 0 - 300 mm"));
    const auto range = checkSlipRange("3", "2", 5);
    row("slip range title, trimmed in English", range.error().heading,
        QStringLiteral("!!! E R R O R !!!"));
    row("slip range", messageOf(range), QStringLiteral("'FROM' is greater than 'TO'"));
    row("slip range, above the total", messageOf(checkSlipRange("1", "6", 5)),
        QStringLiteral("'TO' is above the maximum"));
    ListingOptions nothing;
    nothing.forecast = false;
    nothing.columns = false;
    const auto listing = listingPlan(SystemState{}, "", "", nothing);
    row("listing title", listing.error().heading, QStringLiteral("E R R O R"));
    row("listing choice", messageOf(listing), QStringLiteral("Nothing selected"));

    IniFile ini(path(QStringLiteral("quintora.ini")).toStdString());
    Settings settings;
    settings.pricePerColumn = -1;
    row("settings price", messageOf(writeConfiguration(ini, settings)),
        QStringLiteral("The price per column is not valid."));
}

void CoreMessagesTest::englishHasEveryCoreMessage() {
    QFETCH(Message, message);
    QFETCH(QString, english);
    QCOMPARE(shown("english", message), english);
}

void CoreMessagesTest::italianLeavesThemAsWritten() {
    QFETCH(Message, message);
    QCOMPARE(shown("italiano", message).toUtf8(),
             QByteArray::fromStdString(ownLanguageText(message)));
}

QTEST_GUILESS_MAIN(CoreMessagesTest)
#include "CoreMessagesTest.moc"
