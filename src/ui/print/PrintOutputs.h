#pragma once

#include "ui/print/OutputChoice.h"
#include "ui/print/PrintPages.h"

#include <memory>
#include <QString>

class QWidget;
class QPrintPreviewDialog;

namespace quintora {

class Language;
class PrintRun;
class Prompt;

// Opens the print preview of `pages` over `parent` without blocking; from there the user can
// still print on `printerName` (the default printer when it is not installed). The window
// deletes itself when closed.
QPrintPreviewDialog* showPrintPreview(const PagePlan& pages, const QString& printerName,
                                      QWidget* parent);

// What a printing window asks for.
struct PrintOrder {
    OutputKind target = OutputKind::Printer;
    QString printerName; // the queue; the default one when it is not installed
    int copies = 1;
    QString pdfFolder; // where the PDF file dialog opens
    QString pdfName;   // the name it proposes
};

// How a print was sent: a run started (the caller listens to its finished signal; it
// deletes itself afterwards), a preview opened, the PDF file dialog cancelled, or a target
// that refused the job (`error` says why).
struct PrintStart {
    enum class Kind { Running, Preview, Cancelled, Refused };
    Kind kind = Kind::Cancelled;
    PrintRun* run = nullptr;
    QString error;
    QString pdfPath; // the file chosen for a PDF
};

// The message of a print that failed: the printer's own in the chosen language, or what the
// print job said (a PDF that could not be written, a page the printer refused).
QString printFailureText(Language& language, const QString& error);

PrintStart startPrint(std::shared_ptr<const PrintPages> pages, const PrintOrder& order,
                      Prompt& prompt, Language& language, QWidget* parent);

} // namespace quintora
