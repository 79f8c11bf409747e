// frmMAIN's print commands: the slips (frmStampa) and the listing (frmTabulato).
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "render/Printers.h"
#include "ui/print/ListingDialog.h"
#include "ui/print/SlipPrintDialog.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace quintora {

namespace {

// PDF files are offered among the user's documents.
QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

QStringList MainWindow::printerNames() const {
    return context_.printerNames ? context_.printerNames() : installedPrinters();
}

void MainWindow::printSlips() {
    if (!document().canPrint()) {
        return;
    }
    SlipPrintDialog dialog(document(), context_.settingsDocument,
                           {context_.dataFolder.root(), pdfFolder(),
                            context_.settingsDocument.settings().header, printerNames()},
                           context_.language, context_.prompt, this);
    dialog.exec();
}

void MainWindow::printListing() {
    if (!document().canPrint()) {
        return;
    }
    ListingDialog dialog(document(), context_.settingsDocument,
                         {pdfFolder(),
                          // The listing prints with the settings as saved there.
                          [this] { openSettings(); }},
                         context_.language, context_.prompt, this);
    dialog.exec();
}

} // namespace quintora
