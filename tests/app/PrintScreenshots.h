#pragma once

#include "ArchiveScreenshots.h"

#include <QString>

namespace quintora {
class MainWindow;
}

namespace quintora::test {

// The printing windows as a user sees them, with a developed system of 126 columns: both
// calibration dialogs, frmStampa for each slip type, frmPrnInCorso, frmTabulato and the print
// preview of the listing. The prints themselves go to PDF files named `pdfPrefix` + "-calib1.pdf",
// "-calib5.pdf", "-slip1.pdf", "-slip5.pdf" and "-listing.pdf", to turn into pictures.
// Nothing prompts.
void savePrintScreenshots(MainWindow& window, const QString& pdfPrefix, const SaveShot& save);

} // namespace quintora::test
