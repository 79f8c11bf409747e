// frmMatr over matrix files written in a temporary folder: the list filtered by V, the status
// labels and cmdAdatta, the adaptation through the document, the fixed-number questions and
// "Nuova matrice…" making and saving a wheel.
#include "ui/matrix/MatrixDialog.h"

#include "document/SystemDocument.h"
#include "matrix/MatrixFile.h"
#include "settings/Language.h"
#include "support/FakeServer.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/matrix/NewMatrixDialog.h"

#include <algorithm>
#include <memory>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace quintora;
using quintora::test::ScriptedPrompt;
using Kind = ScriptedPrompt::Kind;

namespace {

const CalendarDate Today{2026, 6, 15};
const CalendarDate Yesterday{2026, 6, 14};
const CalendarDate Tomorrow{2026, 6, 16};

// A matrix for V numbers whose columns are the given position lists; F fixed positions.
Matrix matrixOf(int v, int t, int f, const std::vector<std::array<int, 5>>& columns,
                CalendarDate from = Yesterday, CalendarDate to = Tomorrow) {
    Matrix m;
    m.header.v = static_cast<std::uint8_t>(v);
    m.header.k = 5;
    m.header.t = static_cast<std::uint8_t>(t);
    m.header.m = static_cast<std::uint8_t>(t);
    m.header.f = static_cast<std::uint8_t>(f);
    m.header.columnCount = static_cast<std::int32_t>(columns.size());
    m.header.percentage = "100%";
    m.header.author = "Prova";
    m.header.description = "Matrice di prova";
    m.header.validFrom = oleFromDate(from);
    m.header.validTo = oleFromDate(to);
    m.header.formatId = matrixfile::Identifier;
    for (int k = 0; k < 5; ++k) {
        for (const auto& column : columns) {
            m.body.push_back(static_cast<std::uint8_t>(column[static_cast<std::size_t>(k)]));
        }
    }
    return m;
}

Matrix sevenMatrix(CalendarDate from = Yesterday, CalendarDate to = Tomorrow) {
    return matrixOf(7, 3, 0, {{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {1, 2, 5, 6, 7}}, from, to);
}

} // namespace

class MatrixDialogTest : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the desktop's file manager.
    void openUrl(const QUrl& url) { opened_ << url; }

private slots:
    void init();
    void cleanup();

    void listIsFilteredByV();
    void statusLabelsAndAdapt_data();
    void statusLabelsAndAdapt();
    void adaptLocksTheSystemWithTheMatrixColumns();
    void tooManyColumnsIsRefusedBeforeAnyQuestion();
    void fixedNumbersAreAskedAndConfirmed();
    void cancelledFixedNumberChangesNothing();
    void newMatrixIsMadeSavedAndListed();
    void openDirShowsTheMatrixFolder();
    void updateMatrixStoresTheServerMatricesAndListsThem();

private:
    void write(const QString& name, const Matrix& matrix) {
        QVERIFY(saveMatrixFile(folder_->filePath(name).toStdString(), matrix));
    }
    void writeBytes(const QString& name, const std::vector<std::uint8_t>& bytes) {
        QFile file(folder_->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    // The seven numbers of the adaptation example and two Euro numbers.
    void playSeven() {
        QVERIFY(document_->setNumbers(NumberSet{3, 8, 15, 22, 30, 41, 49}));
        QVERIFY(document_->setEuros(NumberSet{2, 9}));
    }
    std::unique_ptr<MatrixDialog> dialog(std::uint8_t filterV) {
        return std::make_unique<MatrixDialog>(*document_, prompt_, *language_, folder_->path(),
                                              filterV, Today, nullptr);
    }
    static QStringList names(MatrixDialog& d) {
        QStringList list;
        auto* files = d.findChild<QListWidget*>(QStringLiteral("flZOR"));
        for (int i = 0; i < files->count(); ++i) {
            list << files->item(i)->text();
        }
        return list;
    }
    static QString text(MatrixDialog& d, const char* name) {
        if (auto* label = d.findChild<QLabel*>(QString::fromUtf8(name))) {
            return label->text();
        }
        return d.findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    }
    static QPushButton* adaptButton(MatrixDialog& d) {
        return d.findChild<QPushButton*>(QStringLiteral("cmdAdatta"));
    }

    std::unique_ptr<test::TemporaryXdg> xdg_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Language> language_;
    std::unique_ptr<SystemDocument> document_;
    ScriptedPrompt prompt_;
    QList<QUrl> opened_;
};

void MatrixDialogTest::init() {
    xdg_ = std::make_unique<test::TemporaryXdg>();
    folder_ = std::make_unique<QTemporaryDir>();
    language_ = std::make_unique<Language>(xdg_->dataFolder().toStdString());
    document_ = std::make_unique<SystemDocument>();
    prompt_.reset();
}

void MatrixDialogTest::cleanup() {
    QCOMPARE(prompt_.pending(), 0);
    document_.reset();
    language_.reset();
    folder_.reset();
    xdg_.reset();
}

void MatrixDialogTest::listIsFilteredByV() {
    write(QStringLiteral("b7.mzor"), sevenMatrix());
    write(QStringLiteral("ten.mzor"), matrixOf(10, 2, 0, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
    write(QStringLiteral("a7.mzor"), sevenMatrix());
    write(QStringLiteral("eight.mzor"), matrixOf(8, 2, 0, {{1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}}));
    writeBytes(QStringLiteral("notes.txt"), {1, 2, 3});

    auto seven = dialog(7);
    QCOMPARE(names(*seven), (QStringList{QStringLiteral("a7.mzor"), QStringLiteral("b7.mzor")}));
    // The first entry is shown at once, with every header field.
    QCOMPARE(text(*seven, "txtNumMatrix"), QStringLiteral("7"));
    QCOMPARE(text(*seven, "txtLenCol"), QStringLiteral("5"));
    QCOMPARE(text(*seven, "txtGaranty"), QStringLiteral("3"));
    QCOMPARE(text(*seven, "txtPickUp"), QStringLiteral("3"));
    QCOMPARE(text(*seven, "txtFixedNum"), QStringLiteral("0"));
    QCOMPARE(text(*seven, "txtColMatrix"), QStringLiteral("3"));
    QCOMPARE(text(*seven, "txtPercentage"), QStringLiteral("100%"));
    QCOMPARE(text(*seven, "txtAuthor"), QStringLiteral("Prova"));
    QCOMPARE(text(*seven, "txtDescription"), QStringLiteral("Matrice di prova"));
    QCOMPARE(text(*seven, "txtValidFrom"), QStringLiteral("14/06/2026"));
    QCOMPARE(text(*seven, "txtValidTo"), QStringLiteral("16/06/2026"));
    QCOMPARE(text(*seven, "txtFileName"), QStringLiteral("a7.mzor"));

    auto all = dialog(0);
    QCOMPARE(names(*all), (QStringList{QStringLiteral("a7.mzor"), QStringLiteral("b7.mzor"),
                                       QStringLiteral("eight.mzor"), QStringLiteral("ten.mzor")}));
    QVERIFY(names(*dialog(9)).isEmpty());
    QVERIFY(!adaptButton(*dialog(9))->isEnabled());
}

void MatrixDialogTest::statusLabelsAndAdapt_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("labels"); // lblChkVersion, lblOK, lblScaduta, lblAttiva
    QTest::addColumn<bool>("playSeven");
    QTest::addColumn<bool>("adaptable");
    const QString none;
    const QStringList clear{none, none, none, none};
    QTest::newRow("valid") << QStringLiteral("valid") << clear << true << true;
    QTest::newRow("valid, no numbers in play")
        << QStringLiteral("valid") << clear << false << false;
    QTest::newRow("valid to today") << QStringLiteral("to today") << clear << true << true;
    QTest::newRow("bad checksum") << QStringLiteral("crc")
                                  << QStringList{none,
                                                 QStringLiteral("Errore CRC: file danneggiato"),
                                                 none, none}
                                  << true << false;
    QTest::newRow("wrong identifier")
        << QStringLiteral("identifier")
        << QStringList{QStringLiteral("Formato del file non valido"), none, none, none} << true
        << false;
    QTest::newRow("expired") << QStringLiteral("expired")
                             << QStringList{none, none, QStringLiteral("Matrice scaduta"), none}
                             << true << false;
    QTest::newRow("not yet active")
        << QStringLiteral("future")
        << QStringList{none, none, none, QStringLiteral("Matrice non ancora attiva")} << true
        << false;
}

void MatrixDialogTest::statusLabelsAndAdapt() {
    QFETCH(QString, kind);
    QFETCH(QStringList, labels);
    QFETCH(bool, playSeven);
    QFETCH(bool, adaptable);
    const QString name = QStringLiteral("m.mzor");
    if (kind == QStringLiteral("crc")) {
        auto bytes = encodeMatrixFile(sevenMatrix());
        bytes[matrixfile::HeaderSize + 2] ^= 0x01; // one body byte
        writeBytes(name, bytes);
    } else if (kind == QStringLiteral("identifier")) {
        auto m = sevenMatrix();
        m.header.formatId = "matricezorv0002";
        write(name, m);
    } else if (kind == QStringLiteral("expired")) {
        write(name, sevenMatrix(Yesterday, Yesterday));
    } else if (kind == QStringLiteral("to today")) {
        write(name, sevenMatrix(Today, Today));
    } else if (kind == QStringLiteral("future")) {
        write(name, sevenMatrix(Tomorrow, Tomorrow));
    } else {
        write(name, sevenMatrix());
    }
    if (playSeven) {
        this->playSeven();
    }
    auto d = dialog(7);
    QCOMPARE(names(*d), QStringList{name});
    QCOMPARE((QStringList{text(*d, "lblChkVersion"), text(*d, "lblOK"), text(*d, "lblScaduta"),
                          text(*d, "lblAttiva")}),
             labels);
    QCOMPARE(adaptButton(*d)->isEnabled(), adaptable);
}

void MatrixDialogTest::adaptLocksTheSystemWithTheMatrixColumns() {
    write(QStringLiteral("seven.mzor"), sevenMatrix());
    playSeven();
    auto d = dialog(7);
    QVERIFY(adaptButton(*d)->isEnabled());
    QTest::mouseClick(adaptButton(*d), Qt::LeftButton);

    const auto& s = document_->state();
    QVERIFY(s.locked);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(s.columns.size(), std::size_t{3});
    QCOMPARE(s.columns[0], (Column{3, 8, 15, 22, 30}));
    QCOMPARE(s.columns[1], (Column{15, 22, 30, 41, 49}));
    QCOMPARE(QString::fromStdString(s.header.systemType), QStringLiteral("Matrice Ridotta N-3"));
    QVERIFY(s.conditions.reducedOn());
    QCOMPARE(int(s.conditions.reducedN), 3);
    QCOMPARE(s.header.numberCount(), std::uint8_t{7});
    QCOMPARE(s.header.euros(), (NumberSet{2, 9}));
    QVERIFY(prompt_.calls().empty());
}

void MatrixDialogTest::tooManyColumnsIsRefusedBeforeAnyQuestion() {
    // One fixed number, so a question would come first if the limit were checked late.
    write(QStringLiteral("big.mzor"),
          matrixOf(7, 3, 1, std::vector<std::array<int, 5>>(MaxColumns + 1, {1, 2, 3, 4, 5})));
    playSeven();
    auto d = dialog(7);
    QVERIFY(adaptButton(*d)->isEnabled());
    prompt_.acceptMessage();
    QTest::mouseClick(adaptButton(*d), Qt::LeftButton);

    const auto messages = prompt_.callsOf(Kind::Message);
    QCOMPARE(messages.size(), std::size_t{1});
    QVERIFY(messages[0].text.startsWith(QStringLiteral("Questa matrice ha troppe colonne:")));
    QVERIFY(messages[0].text.contains(QStringLiteral("200.000")));
    QVERIFY(!document_->state().locked);
    QVERIFY(document_->state().columns.empty());
}

void MatrixDialogTest::fixedNumbersAreAskedAndConfirmed() {
    // Position 1 is the fixed number: every column holds it.
    write(QStringLiteral("fixed.mzor"),
          matrixOf(7, 3, 1, {{1, 2, 3, 4, 5}, {1, 4, 5, 6, 7}, {1, 2, 3, 6, 7}}));
    playSeven();
    auto d = dialog(7);
    prompt_.answerInput(QStringLiteral("12")); // not in play: asked again
    prompt_.acceptMessage();
    prompt_.answerInput(QStringLiteral("22"));
    prompt_.answerQuestion(true);
    QTest::mouseClick(adaptButton(*d), Qt::LeftButton);

    const auto inputs = prompt_.callsOf(Kind::Input);
    QCOMPARE(inputs.size(), std::size_t{2});
    QCOMPARE(inputs[0].text,
             QStringLiteral("Numero fisso n. 1 da scegliere tra i numeri in gioco ?"));
    QCOMPARE(prompt_.callsOf(Kind::Question).at(0).text, QStringLiteral("Numeri fissi scelti: 22"));
    const auto& s = document_->state();
    QVERIFY(s.locked);
    QCOMPARE(s.columns.size(), std::size_t{3});
    for (const auto& column : s.columns) {
        QVERIFY(std::find(column.begin(), column.end(), 22) != column.end());
    }
    QVERIFY(s.conditions.fixedOn());
    QCOMPARE(s.conditions.fixed(), NumberSet{22});
}

void MatrixDialogTest::cancelledFixedNumberChangesNothing() {
    write(QStringLiteral("fixed.mzor"),
          matrixOf(7, 3, 1, {{1, 2, 3, 4, 5}, {1, 4, 5, 6, 7}, {1, 2, 3, 6, 7}}));
    playSeven();
    const SystemState before = document_->state();
    auto d = dialog(7);
    prompt_.answerInput(std::nullopt);
    QTest::mouseClick(adaptButton(*d), Qt::LeftButton);
    // A refused confirmation leaves the system as it was too.
    prompt_.answerInput(QStringLiteral("3"));
    prompt_.answerQuestion(false);
    QTest::mouseClick(adaptButton(*d), Qt::LeftButton);

    QVERIFY(!document_->state().locked);
    QVERIFY(document_->state().columns.empty());
    QCOMPARE(document_->state().header.systemType, before.header.systemType);
    QVERIFY(d->result() != int(QDialog::Accepted));
}

void MatrixDialogTest::newMatrixIsMadeSavedAndListed() {
    NewMatrixDialog d(prompt_, *language_, folder_->path(), Today, 7, nullptr);
    d.findChild<QSpinBox*>(QStringLiteral("spnT"))->setValue(2);
    d.findChild<QSpinBox*>(QStringLiteral("spnM"))->setValue(2);
    d.findChild<QSpinBox*>(QStringLiteral("spnSecondi"))->setValue(1);
    d.findChild<QLineEdit*>(QStringLiteral("txtAutore"))->setText(QStringLiteral("Io"));
    d.show();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdCrea")), Qt::LeftButton);
    QVERIFY(d.running());
    QVERIFY(!d.findChild<QPushButton*>(QStringLiteral("cmdChiudi"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 30000);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.savedFileName(), QStringLiteral("V7T2M2.mzor"));
    QCOMPARE(d.findChild<QProgressBar*>(QStringLiteral("prgRicerca"))->value(), 100);
    QVERIFY(!d.findChild<QLabel*>(QStringLiteral("labColonne"))->text().isEmpty());

    playSeven();
    auto list = dialog(7);
    QCOMPARE(names(*list), QStringList{QStringLiteral("V7T2M2.mzor")});
    QCOMPARE(text(*list, "txtAuthor"), QStringLiteral("Io"));
    QCOMPARE(text(*list, "txtDescription"), QStringLiteral("7 numeri, garanzia 2 se 2"));
    QCOMPARE(text(*list, "txtValidFrom"), QStringLiteral("15/06/2026"));
    QVERIFY(adaptButton(*list)->isEnabled());
    QVERIFY(prompt_.calls().empty());

    // Making it again asks before the file is replaced; No keeps it and starts nothing.
    NewMatrixDialog again(prompt_, *language_, folder_->path(), Today, 7, nullptr);
    again.findChild<QSpinBox*>(QStringLiteral("spnT"))->setValue(2);
    again.findChild<QSpinBox*>(QStringLiteral("spnM"))->setValue(2);
    prompt_.answerQuestion(false);
    QTest::mouseClick(again.findChild<QPushButton*>(QStringLiteral("cmdCrea")), Qt::LeftButton);
    QVERIFY(!again.running());
    QVERIFY(prompt_.callsOf(Kind::Question).at(0).text.contains(QStringLiteral("V7T2M2.mzor")));
}

void MatrixDialogTest::openDirShowsTheMatrixFolder() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    const QString folder = folder_->filePath(QStringLiteral("matrici"));
    MatrixDialog d(*document_, prompt_, *language_, folder, 0, Today, nullptr);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOpenDir")), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QVERIFY(QDir(folder).exists()); // made when missing, so there is a folder to show
}

void MatrixDialogTest::updateMatrixStoresTheServerMatricesAndListsThem() {
    const auto bytes = encodeMatrixFile(sevenMatrix());
    test::FakeServer server;
    const std::string host = "http://127.0.0.1:8642/";
    (*server.files)[host + "public/risorse/lista.asp?K=05"] = "v7new.dat\r\n../../evil.dat\r\n";
    (*server.files)[host + "public/risorse/matrici/download.aspx?file=V7NEW.DAT"] =
        std::string(bytes.begin(), bytes.end());
    QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("temp")));
    MatrixDialog d(*document_, prompt_, *language_, folder_->path(), 0, Today, nullptr);
    d.setDownload(server.download(), host, folder_->filePath(QStringLiteral("temp")).toStdString());
    QVERIFY(names(d).isEmpty());

    prompt_.acceptMessage();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdUpdateMatrix")), Qt::LeftButton);
    QCOMPARE(names(d), QStringList{QStringLiteral("V7NEW.mzor")});
    const auto& said = prompt_.calls().back();
    QVERIFY(said.text.contains(QStringLiteral("V7NEW.mzor")));
    QVERIFY(said.text.contains(QStringLiteral("../../evil.dat"))); // skipped, and said so
    QVERIFY(QDir(folder_->filePath(QStringLiteral("temp"))).isEmpty());

    // Without the list nothing changes, and the message says why.
    server.files->clear();
    prompt_.acceptMessage();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdUpdateMatrix")), Qt::LeftButton);
    QCOMPARE(names(d), QStringList{QStringLiteral("V7NEW.mzor")});
    QCOMPARE(prompt_.calls().back().icon, Prompt::Icon::Critical);
}

QTEST_MAIN(MatrixDialogTest)
#include "MatrixDialogTest.moc"
