#pragma once

#include "print/SlipBatch.h"
#include "print/SlipType.h"
#include "ui/print/OutputChoice.h"

#include <memory>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quintora {

struct Error;
class Language;
class OnOffSwitch;
class OutputChoice;
class MessageLine;
class PrintFooter;
class PdfNotice;
class PrintProgressDialog;
class PrintRun;
class Prompt;
class SettingsDocument;
class SystemDocument;
struct SystemState;

// frmStampa: prints the developed columns on the play slips of the chosen type, the slips
// "Da" to "a". The run prints a snapshot of the system slip by slip from the event loop, with
// frmPrnInCorso showing the slip in hand and offering the stop.
class SlipPrintDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString dataFolder;   // holds the calibration files
        QString pdfFolder;    // where a PDF of the slips is offered
        std::string header;   // the header text the slips carry
        QStringList printers; // the installed printers, for the calibration dialogs
    };

    // `settings` offers the last output chosen and keeps the one chosen now.
    SlipPrintDialog(const SystemDocument& document, SettingsDocument& settings, Setup setup,
                    Language& language, Prompt& prompt, QWidget* parent);
    ~SlipPrintDialog() override;

    SlipType slipType() const { return type_; }
    // Slips of the whole run: the current system's and those of the systems added after it.
    int totalSlips() const;
    // The run: the current system, then the added ones in the order listed.
    SlipBatch batch() const;
    // cmdAggiungiSistemi: a system file whose slips follow; false when refused or cancelled.
    bool addSystem();
    bool addSystemFile(const QString& path);
    // cmdTogliSistema: the added system chosen in the list (the current one stays).
    void removeChosenSystem();
    QListWidget* systemList() const { return systems_; }
    // Where the last PDF went, with the button that opens its folder.
    PdfNotice* pdfNotice() const;
    MessageLine* outputProblem() const;
    QLabel* runSummary() const { return summary_; }
    // The run in progress, nullptr when none.
    PrintRun* run() const;
    PrintProgressDialog* progressDialog() const;

    void chooseType(SlipType type);
    // cmdStampa: checks the range and starts the run.
    void print();
    // cmdTaratura: the calibration dialog of the chosen type.
    void openCalibration();

signals:
    // The run ended (finished, stopped or failed) and the dialog is usable again.
    void runEnded();

protected:
    // Not while a run prints: the run is stopped from its progress window or ends by itself.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* makeField(const char* name);
    // A refused range's title and message in the chosen language.
    std::pair<QString, QString> rangeMessage(const Error& error) const;
    QString calibrationPath() const;
    void offerLastOutput();
    void rememberOutput(OutputKind output, const QString& pdfPath);
    void runEnd(int outcome, const QString& error);
    // The list of systems, the total of slips and the run's amount, and the range 1..total.
    void showRun();

    const SystemDocument& document_;
    SettingsDocument& settings_;
    Setup setup_;
    QString pdfFolder_; // where the PDF file dialog opens: the last one's folder
    Language& language_;
    Prompt& prompt_;
    SlipType type_ = SlipType::OneColumn;
    QWidget* body_ = nullptr;           // every control; disabled while a run prints
    OnOffSwitch* typeOption_ = nullptr; // optTipoScheda(0) 1 colonna, (1) 5 colonne
    QLabel* picture_ = nullptr;         // imgScheda
    QLabel* total_ = nullptr;           // labSchede
    QLineEdit* from_ = nullptr;         // meDa
    QLineEdit* to_ = nullptr;           // meA
    QPushButton* print_ = nullptr;      // cmdStampa
    QListWidget* systems_ = nullptr;    // lstSistemi: the current system, then the added ones
    QPushButton* remove_ = nullptr;     // cmdTogliSistema
    QLabel* summary_ = nullptr;         // labImporto: the run's slips and amount
    struct AddedSystem {
        std::shared_ptr<const SystemState> state;
        std::string name;
    };
    std::vector<AddedSystem> added_;
    PrintFooter* footer_ = nullptr;
    QString pdfPath_; // the PDF the run in progress writes
    OutputChoice* output_ = nullptr;
    QPointer<PrintRun> run_;
    QPointer<PrintProgressDialog> progress_;
};

} // namespace quintora
