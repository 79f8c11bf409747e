#pragma once

#include <functional>
#include <QDialog>
#include <QPointer>
#include <QStringList>

class QCheckBox;
class QLabel;
class QScrollBar;

namespace quintora {

class Language;
class OutputChoice;
class MessageLine;
class PrintFooter;
class PdfNotice;
class PrintRun;
class Prompt;
class SystemDocument;
class SettingsDocument;

// frmTabulato: the listing of the system, with the forecast (numbers in play and conditions)
// and the developed columns as options, in 1 to 20 copies, each its own print job.
class ListingDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString pdfFolder; // where a PDF of the listing is offered
        // cmdImpostazioni: the settings dialog.
        std::function<void()> editSettings;
    };

    // `settings` gives the header and the listing printer at the moment of printing, offers
    // the last output chosen and keeps the one chosen now.
    ListingDialog(const SystemDocument& document, SettingsDocument& settings, Setup setup,
                  Language& language, Prompt& prompt, QWidget* parent);
    ~ListingDialog() override;

    int copies() const;
    // Where the last PDF went, with the button that opens its folder.
    PdfNotice* pdfNotice() const;
    MessageLine* outputProblem() const;
    OutputChoice* outputChoice() const { return output_; }
    PrintRun* run() const;

    // cmdStampa.
    void print();

signals:
    void runEnded();

protected:
    // Not while a run prints: the run is stopped from its progress window or ends by itself.
    void reject() override;

private:
    void offerLastOutput();
    void rememberOutput(const QString& pdfPath);

private:
    const SystemDocument& document_;
    SettingsDocument& settings_;
    Setup setup_;
    Language& language_;
    Prompt& prompt_;
    QCheckBox* colour_ = nullptr;   // chkColor
    QCheckBox* forecast_ = nullptr; // chkProno
    QCheckBox* columns_ = nullptr;  // chkCol
    QScrollBar* copies_ = nullptr;  // VsCopie
    QLabel* copiesLabel_ = nullptr; // labCopie
    OutputChoice* output_ = nullptr;
    QWidget* body_ = nullptr;
    QPointer<PrintRun> run_;
    PrintFooter* footer_ = nullptr;
    QString pdfFolder_; // where the PDF file dialog opens: the last one's folder
};

} // namespace quintora
