// frmImpostazioni on its own: what it shows for a settings file, the printer messages, and
// what cmdSalva writes.
#include "ui/settings/SettingsDialog.h"

#include "settings/IniFile.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "support/FakeServer.h"
#include "support/ScriptedPrompt.h"
#include "support/WidgetLookup.h"

#include <memory>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

using namespace quintora;
using quintora::test::ScriptedPrompt;

namespace {

using test::child;

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QCOMPARE(prompt_->pending(), 0); }

    void showsTheSettings_data();
    void showsTheSettings();
    void printers_data();
    void printers();
    void saveWritesEveryKey();
    void priceThatIsNotOneKeepsTheDialogOpen();
    void euroNumbersAreAChoiceOfTwo();
    void langUpdateStoresTheFilesAndRefreshesTheList();
    void infoLanguageShowsTheCredits();

private:
    QString settingsPath() const { return folder_->filePath(QStringLiteral("quintora.ini")); }
    void writeSettings(const QByteArray& text) {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The dialog for the settings file as it is now, the way the main window opens it.
    std::unique_ptr<SettingsDialog> open(QStringList printers = {QStringLiteral("Laser")}) {
        settings_ = std::make_unique<SettingsDocument>(settingsPath().toStdString());
        if (!printers.contains(QString::fromStdString(settings_->settings().listingPrinter))) {
            prompt_->acceptMessage();
        }
        auto dialog =
            std::make_unique<SettingsDialog>(*settings_, *language_, *prompt_, printers, nullptr);
        // A printer problem is said once the dialog is up.
        dialog->show();
        (void)QTest::qWaitFor([this] { return prompt_->pending() == 0; }, 2000);
        return dialog;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SettingsDocument> settings_;
    std::unique_ptr<Language> language_;
    std::unique_ptr<ScriptedPrompt> prompt_;
};

void SettingsDialogTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    for (const char* name : {"english.lng", "italiano.lng", "deutsch.lng"}) {
        QFile file(folder_->filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    language_ = std::make_unique<Language>(folder_->path().toStdString());
    prompt_ = std::make_unique<ScriptedPrompt>();
}

void SettingsDialogTest::showsTheSettings_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("recalcMode");
    QTest::addColumn<bool>("secondSource");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("server");

    QTest::newRow("no settings file")
        << QByteArray() << QString() << QStringLiteral("2,00") << false << false
        << QStringLiteral("italiano") << QStringLiteral("http://127.0.0.1:8642/");
    QTest::newRow("every key")
        << QByteArray("[IMPOSTAZIONI]\r\nINTESTAZIONE=Bar Sport\r\nCOSTO_COLONNA=250\r\n"
                      "MODALITA' RICALCOLO=TRUE\r\nSORGENTE RICALCOLO=2\r\nLINGUA=english\r\n"
                      "SERVER=http://quintora.example/\r\nSTAMPANTE TABULATO=Laser\r\n")
        << QStringLiteral("Bar Sport") << QStringLiteral("2,50") << true << true
        << QStringLiteral("english") << QStringLiteral("http://quintora.example/");
    QTest::newRow("lower-case true, a language without file")
        << QByteArray("[IMPOSTAZIONI]\r\nMODALITA' RICALCOLO=true\r\nSORGENTE RICALCOLO=1\r\n"
                      "LINGUA=klingon\r\nSTAMPANTE TABULATO=Laser\r\n")
        << QString() << QStringLiteral("2,00") << false << false << QStringLiteral("italiano")
        << QStringLiteral("http://127.0.0.1:8642/");
}

void SettingsDialogTest::showsTheSettings() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, header);
    QFETCH(QString, price);
    QFETCH(bool, recalcMode);
    QFETCH(bool, secondSource);
    QFETCH(QString, language);
    QFETCH(QString, server);
    writeSettings(ini);
    const auto dialog = open();
    QCOMPARE(child<QLineEdit>(*dialog, "mskIntestazione")->text(), header);
    // No header of the user's: the placeholder the slips print, greyed, not a text to save.
    QCOMPARE(child<QLineEdit>(*dialog, "mskIntestazione")->placeholderText(),
             QStringLiteral("RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE"));
    QCOMPARE(child<QLineEdit>(*dialog, "txtCostoCol")->text(), price);
    QCOMPARE(child<QCheckBox>(*dialog, "chkStatoRicalcolo")->isChecked(), recalcMode);
    QCOMPARE(child<QRadioButton>(*dialog, "optModoRicalcolo(0)")->isChecked(), !secondSource);
    QCOMPARE(child<QRadioButton>(*dialog, "optModoRicalcolo(1)")->isChecked(), secondSource);
    auto* languages = child<QComboBox>(*dialog, "cmbLingua");
    QCOMPARE(languages->count(), 3);
    QCOMPARE(languages->currentText(), language);
    QCOMPARE(child<QLineEdit>(*dialog, "txtServer")->text(), server);
}

void SettingsDialogTest::printers_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("selected");
    const QStringList two{QStringLiteral("Laser"), QStringLiteral("Ufficio")};
    QTest::newRow("the chosen one")
        << two << QByteArray("Ufficio") << QString() << QStringLiteral("Ufficio");
    QTest::newRow("none matches") << two << QByteArray("NESSUNA")
                                  << QStringLiteral("Select Printer") << QStringLiteral("Laser");
    QTest::newRow("none installed") << QStringList{} << QByteArray("Ufficio")
                                    << QStringLiteral("Printer not found") << QString();
}

void SettingsDialogTest::printers() {
    QFETCH(QStringList, installed);
    QFETCH(QByteArray, setting);
    QFETCH(QString, message);
    QFETCH(QString, selected);
    writeSettings("[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=" + setting + "\r\n");
    // The box stands over the dialog, so the dialog must be up by then.
    bool dialogUpWhenSaid = false;
    prompt_->setObserver([&dialogUpWhenSaid](const ScriptedPrompt::Call&) {
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("frmImpostazioni")) {
                dialogUpWhenSaid = w->isVisible();
            }
        }
    });
    const auto dialog = open(installed);
    const auto messages = prompt_->callsOf(ScriptedPrompt::Kind::Message);
    QCOMPARE(messages.size(), message.isEmpty() ? 0u : 1u);
    if (!message.isEmpty()) {
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].icon, Prompt::Icon::Critical);
        QVERIFY(dialogUpWhenSaid);
    }
    QCOMPARE(child<QComboBox>(*dialog, "cmbStampante")->currentText(), selected);

    // With no printer to choose, saving keeps the printer named before.
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);
    const Settings saved = readConfiguration(IniFile(settingsPath().toStdString()));
    QCOMPARE(QString::fromStdString(saved.listingPrinter),
             installed.isEmpty() ? QString::fromUtf8(setting) : selected);
}

void SettingsDialogTest::saveWritesEveryKey() {
    writeSettings("[IMPOSTAZIONI]\r\nLINGUA=italiano\r\nSTAMPANTE TABULATO=Laser\r\n"
                  "[ALTRO]\r\nCHIAVE=resta\r\n");
    const auto dialog = open({QStringLiteral("Laser"), QStringLiteral("Ufficio")});
    dialog->show();
    child<QLineEdit>(*dialog, "mskIntestazione")->setText(QStringLiteral("Tabacchi Rossi"));
    child<QLineEdit>(*dialog, "txtCostoCol")->setText(QStringLiteral(" 2.5 "));
    child<QCheckBox>(*dialog, "chkStatoRicalcolo")->setChecked(true);
    child<QRadioButton>(*dialog, "optModoRicalcolo(1)")->setChecked(true);
    child<QComboBox>(*dialog, "cmbLingua")->setCurrentText(QStringLiteral("english"));
    child<QComboBox>(*dialog, "cmbStampante")->setCurrentText(QStringLiteral("Ufficio"));
    child<QLineEdit>(*dialog, "txtServer")->setText(QStringLiteral(" http://10.0.0.7:8080/ "));
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    const IniFile ini(settingsPath().toStdString());
    const auto value = [&ini](const char* key) {
        return QString::fromStdString(ini.getProperty("IMPOSTAZIONI", key));
    };
    QCOMPARE(value("INTESTAZIONE"), QStringLiteral("Tabacchi Rossi"));
    QCOMPARE(value("COSTO_COLONNA"), QStringLiteral("250"));
    QCOMPARE(value("MODALITA' RICALCOLO"), QStringLiteral("TRUE"));
    QCOMPARE(value("SORGENTE RICALCOLO"), QStringLiteral("2"));
    QCOMPARE(value("LINGUA"), QStringLiteral("english"));
    QCOMPARE(value("STAMPANTE TABULATO"), QStringLiteral("Ufficio"));
    QCOMPARE(value("SERVER"), QStringLiteral("http://10.0.0.7:8080/"));
    QCOMPARE(QString::fromStdString(ini.getProperty("ALTRO", "CHIAVE")), QStringLiteral("resta"));
}

void SettingsDialogTest::priceThatIsNotOneKeepsTheDialogOpen() {
    writeSettings("[IMPOSTAZIONI]\r\nCOSTO_COLONNA=300\r\nSTAMPANTE TABULATO=Laser\r\n");
    const auto dialog = open();
    dialog->show();
    child<QLineEdit>(*dialog, "txtCostoCol")->setText(QStringLiteral("2,5 euro"));
    prompt_->acceptMessage();
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);

    const auto message = prompt_->callsOf(ScriptedPrompt::Kind::Message).at(0);
    QCOMPARE(message.title, QStringLiteral("ATTENZIONE"));
    QCOMPARE(message.icon, Prompt::Icon::Exclamation);
    QVERIFY(dialog->isVisible());
    QCOMPARE(IniFile(settingsPath().toStdString()).getProperty("IMPOSTAZIONI", "COSTO_COLONNA"),
             std::string("300"));
}

void SettingsDialogTest::euroNumbersAreAChoiceOfTwo() {
    writeSettings("[IMPOSTAZIONI]\r\nSTAMPANTE TABULATO=Laser\r\n");
    auto dialog = open();
    auto* ten = child<QRadioButton>(*dialog, "optNumeriEuro(0)");
    auto* twelve = child<QRadioButton>(*dialog, "optNumeriEuro(1)");
    QVERIFY(ten->isChecked()); // the program's own game unless chosen
    QCOMPARE(twelve->text(), QStringLiteral("Euro 1-12, dal 25/03/2022"));

    // Refused by the window (a developed system, or No to losing marks): nothing is saved and
    // the choice shows the rules in force again.
    std::vector<int> asked;
    bool allow = false;
    dialog->setRulesCheck([&](GameRules rules) {
        asked.push_back(rules.euroMax());
        return allow;
    });
    twelve->setChecked(true);
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QVERIFY(ten->isChecked());
    QVERIFY(!IniFile(settingsPath().toStdString()).find("IMPOSTAZIONI", "NUMERI EURO"));

    allow = true;
    twelve->setChecked(true);
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(asked, (std::vector<int>{12, 12}));
    QCOMPARE(IniFile(settingsPath().toStdString()).getProperty("IMPOSTAZIONI", "NUMERI EURO"),
             std::string("12"));

    // Saved again with the same rules: no question.
    dialog = open();
    dialog->setRulesCheck([&](GameRules) { return false; });
    QVERIFY(child<QRadioButton>(*dialog, "optNumeriEuro(1)")->isChecked());
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdSalva"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void SettingsDialogTest::langUpdateStoresTheFilesAndRefreshesTheList() {
    test::FakeServer server;
    const std::string lingue = "http://127.0.0.1:8642/public/risorse/lingue/";
    (*server.files)[lingue + "lista.txt"] = "francais.txt\r\nenglish.txt\r\n";
    (*server.files)[lingue + "francais.txt"] =
        "[frmMAIN]\r\nfrmMAIN.Caption=Quintora\r\n[Strings]\r\n";
    (*server.files)[lingue + "english.txt"] = "[frmMAIN]\r\n[Strings]\r\n0001=new\r\n";
    QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("temp")));
    auto dialog = open();
    dialog->setDownload(server.download(), folder_->filePath(QStringLiteral("temp")).toStdString());
    auto* languages = child<QComboBox>(*dialog, "cmbLingua");
    QCOMPARE(languages->findText(QStringLiteral("francais")), -1);

    prompt_->acceptMessage();
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdLangUpdate"), Qt::LeftButton);
    QVERIFY(languages->findText(QStringLiteral("francais")) >= 0);
    QCOMPARE(languages->currentText(), QStringLiteral("italiano")); // the choice stays
    QFile english(folder_->filePath(QStringLiteral("english.lng")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("[frmMAIN]\r\n[Strings]\r\n0001=new\r\n"));
    QVERIFY(prompt_->calls().back().text.contains(QStringLiteral("francais.lng")));

    server.files->clear();
    prompt_->acceptMessage();
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdLangUpdate"), Qt::LeftButton);
    QCOMPARE(prompt_->calls().back().icon, Prompt::Icon::Critical);
    QVERIFY(QFile::exists(folder_->filePath(QStringLiteral("francais.lng"))));
}

void SettingsDialogTest::infoLanguageShowsTheCredits() {
    test::FakeServer server;
    (*server.files)["http://127.0.0.1:8642/public/risorse/lingue/thankstolingue.txt"] =
        "Grazie a tutti\r\n";
    QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("temp")));
    auto dialog = open();
    dialog->setDownload(server.download(), folder_->filePath(QStringLiteral("temp")).toStdString());
    prompt_->acceptMessage();
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdInfoLanguage"), Qt::LeftButton);
    QVERIFY(prompt_->calls().back().text.startsWith(QStringLiteral("Grazie a tutti")));
    // Without the server the note on the folder is still shown.
    server.files->clear();
    prompt_->acceptMessage();
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdInfoLanguage"), Qt::LeftButton);
    QVERIFY(prompt_->calls().back().text.startsWith(QStringLiteral("I file delle lingue")));
}

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
