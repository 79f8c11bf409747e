#pragma once

#include "document/SettingsDocument.h"
#include "update/ServerUpdates.h"

#include <functional>
#include <QDialog>
#include <QStringList>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quintora {

class Language;
class Prompt;

// frmImpostazioni: shows the settings of the document and saves every key through it when
// cmdSalva is pressed; the document's listeners take the new values at once.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `printers` are the names of the installed printers (installedPrinters() in the program).
    SettingsDialog(SettingsDocument& settings, Language& language, Prompt& prompt,
                   QStringList printers, QWidget* parent);

    // The printer queues the system knows.
    static QStringList installedPrinters();

    // How cmdLangUpdate and cmdInfoLanguage reach the server (at the address in txtServer);
    // without it they find no server. Downloads land in tempFolder first.
    void setDownload(Download download, std::string tempFolder);
    // cmdLangUpdate: the language list update, then the list of languages again.
    void updateLanguages();
    // Asked by cmdSalva before other rules are saved; false keeps the dialog open (the window
    // refuses the switch or the user said no to losing marked Euro numbers).
    using RulesCheck = std::function<bool(GameRules rules)>;
    void setRulesCheck(RulesCheck check) { rulesCheck_ = std::move(check); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The settings as the controls show them now (the price as typed, NaN when it is not one).
    Settings editedSettings() const;
    // cmdSalva: writes the file and closes; a price that is not one or a failed write is
    // reported and the dialog stays open.
    void save();
    QWidget* buildRecalculation();
    QWidget* buildRules();
    void fillLanguages();
    // Fills the printer box; the message to show when no printer or none of the setting's.
    QString fillPrinters(const QStringList& printers);
    void showLanguageInfo();

    Download download_;
    std::string tempFolder_;
    SettingsDocument& document_;
    Settings settings_; // as the dialog opened
    Language& language_;
    Prompt& prompt_;
    QLineEdit* header_;       // mskIntestazione
    QLineEdit* price_;        // txtCostoCol
    QLineEdit* server_;       // txtServer
    QCheckBox* recalcMode_;   // chkStatoRicalcolo
    QRadioButton* source_[2]; // optModoRicalcolo(0) = source 1, (1) = source 2
    QRadioButton* rules_[2];  // optNumeriEuro(0) = Euro 1-10, (1) = Euro 1-12
    RulesCheck rulesCheck_;
    QComboBox* languages_;    // cmbLingua
    QComboBox* printers_;     // cmbStampante
    QPushButton* langUpdate_; // cmdLangUpdate
    QString printerProblem_;  // said as the dialog first shows
};

} // namespace quintora
