#include "ui/print/PrintOutputs.h"

#include "render/PlanRenderer.h"
#include "render/Printers.h"
#include "render/PrintJob.h"
#include "ui/LanguageText.h"
#include "ui/print/PrintRun.h"
#include "ui/Prompt.h"

#include <QPrinter>
#include <QPrintPreviewDialog>

namespace quintora {

QPrintPreviewDialog* showPrintPreview(const PagePlan& pages, const QString& printerName,
                                      QWidget* parent) {
    // The printer lives as long as the preview that paints on it.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    if (const QString name = printerOrDefault(printerName); !name.isEmpty()) {
        printer->setPrinterName(name);
    }
    // The whole page, as a job has it: positions are measured from the paper's corner.
    setUpPrinter(*printer, pages);
    auto* preview = new QPrintPreviewDialog(printer, parent);
    preview->setObjectName(QStringLiteral("frmAnteprima"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(preview, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [pages](QPrinter* target) { (void)paintPlan(*target, pages); });
    preview->resize(900, 720);
    preview->open();
    return preview;
}

QString printFailureText(Language& language, const QString& error) {
    const QString notInstalled = QStringLiteral("Stampante non installata");
    if (error.isEmpty() || error == notInstalled) {
        return languageText(language, text::PrinterNotInstalledForSlips);
    }
    return error;
}

PrintStart startPrint(std::shared_ptr<const PrintPages> pages, const PrintOrder& order,
                      Prompt& prompt, Language& language, QWidget* parent) {
    PrintTarget target;
    switch (order.target) {
    case OutputKind::Preview:
        showPrintPreview(pages->whole(), order.printerName, parent);
        return {PrintStart::Kind::Preview, nullptr, {}, {}};
    case OutputKind::Pdf: {
        const QString path =
            prompt.saveFileName(parent, order.pdfFolder, order.pdfName,
                                languageText(language, text::PdfFileFilter), QStringLiteral("pdf"));
        if (path.isEmpty()) {
            return {PrintStart::Kind::Cancelled, nullptr, {}, {}};
        }
        target = PrintTarget::pdf(path);
        break;
    }
    case OutputKind::Printer:
        // A printer that is gone leaves the current (default) one, without a message.
        target = PrintTarget::printer(printerOrDefault(order.printerName));
        break;
    }
    auto* run = new PrintRun(std::move(pages), target, order.copies, language, parent);
    QObject::connect(run, &PrintRun::finished, run, &QObject::deleteLater);
    if (const Status started = run->start(); !started) {
        delete run;
        return {PrintStart::Kind::Refused, nullptr, shownText(language, started.error().what),
                target.pdfPath};
    }
    return {PrintStart::Kind::Running, run, {}, target.pdfPath};
}

} // namespace quintora
