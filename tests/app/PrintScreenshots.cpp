#include "PrintScreenshots.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Development.h"
#include "core/SystemState.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "print/CalibrationFile.h"
#include "print/CalibrationTestPlan.h"
#include "print/ListingPlan.h"
#include "print/PrintWords.h"
#include "print/SlipRun.h"
#include "render/PrintJob.h"
#include "ui/print/CalibrationDialog.h"
#include "ui/print/ListingDialog.h"
#include "ui/print/PdfNotice.h"
#include "ui/print/PlanPrints.h"
#include "ui/print/PrintOutputs.h"
#include "ui/print/PrintProgressDialog.h"
#include "ui/print/SlipPrintDialog.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPushButton>

namespace quintora::test {

namespace {

void report(const Status& status, const char* what) {
    if (!status) {
        std::fprintf(stderr, "%s: %s\n", what, status.error().message.c_str());
    }
}

} // namespace

void savePrintScreenshots(MainWindow& window, const QString& pdfPrefix, const SaveShot& save) {
    AppContext& context = window.context();
    Language& l = context.language;
    // A system of its own: nine numbers, two or three of them even, so the listing has a
    // forecast with a condition and two pages of columns.
    SystemDocument document;
    (void)document.setNumbers(NumberSet{3, 8, 15, 22, 30, 37, 41, 44, 49});
    (void)document.setEuros(NumberSet{2, 7});
    (void)document.editCondition(SystemDocument::EvenOddEdit{true, CountSet{2, 3}});
    document.nameNewSystem("/tmp/sistema-prova.qsy");
    if (auto input = document.startDevelopment()) {
        DevelopmentControl control;
        (void)document.finishDevelopment(develop(input.value(), {}, control));
    }
    const QStringList printers{QStringLiteral("Laser"), QStringLiteral("Ufficio")};
    const std::string header = context.settingsDocument.settings().header;
    const QString root = context.dataFolder.root();
    for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
        const QString path = root + u'/' + QString::fromStdString(calibrationFileName(type));
        SlipLayout layout = withDefaults(SlipLayout{}, type);
        layout.printerName = "Laser";
        layout.printQuality = QualityNormal;
        report(saveSlipLayout(path.toStdString(), layout), "calibration");
        CalibrationDialog calibration(type, {path, root}, header, printers, l, context.prompt,
                                      &window);
        const bool one = type == SlipType::OneColumn;
        save(&calibration, one ? QStringLiteral("calibration1") : QStringLiteral("calibration5"));
        report(printPlan(calibrationTestPlan(type, layout, header, printWordsFor(l)),
                         PrintTarget::pdf(pdfPrefix + (one ? QStringLiteral("-calib1.pdf")
                                                           : QStringLiteral("-calib5.pdf")))),
               "test page");
        const auto pages = slipPrint(document.state(), document.shownFileName(), type,
                                     SlipRange{1, 3}, layout, header, printWordsFor(l));
        report(printPlan(pages->whole(),
                         PrintTarget::pdf(pdfPrefix + (one ? QStringLiteral("-slip1.pdf")
                                                           : QStringLiteral("-slip5.pdf")))),
               "slips");
    }

    SlipPrintDialog slips(document, context.settingsDocument, {root, root, header, printers}, l,
                          context.prompt, &window);
    save(&slips, QStringLiteral("slips1"));
    slips.findChild<QPushButton*>(QStringLiteral("optTipoScheda(1)"))->click();
    save(&slips, QStringLiteral("slips5"));
    // An outlet's run: two more systems after this one, and the PDF of the last run named.
    const QString systems = context.dataFolder.systemsFolder();
    QDir().mkpath(systems);
    int added = 0;
    for (const char* systemName : {"cliente-rossi.qsy", "cliente-bianchi.qsy"}) {
        SystemState other;
        other.header.setEuros(
            NumberSet{static_cast<std::uint8_t>(1 + added), static_cast<std::uint8_t>(5 + added)});
        for (int first = 1; first <= 7 + 5 * added; ++first) {
            const auto k = static_cast<std::uint8_t>(first);
            other.columns.push_back(
                {k, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                 static_cast<std::uint8_t>(k + 3), static_cast<std::uint8_t>(k + 4)});
        }
        const QString path = systems + u'/' + QString::fromUtf8(systemName);
        report(saveSystemFile(path.toStdString(), other), "system");
        slips.addSystemFile(path);
        ++added;
    }
    slips.pdfNotice()->showWritten(root + QStringLiteral("/schedine.pdf"));
    save(&slips, QStringLiteral("slips-systems"));
    PrintProgressDialog progress(l, context.prompt, &window);
    progress.showSlip(17);
    save(&progress, QStringLiteral("printing"));
    progress.finish();

    ListingDialog listing(document, context.settingsDocument, {root, {}}, l, context.prompt,
                          &window);
    save(&listing, QStringLiteral("listing"));
    listing.pdfNotice()->showWritten(root + QStringLiteral("/tabulato.pdf"));
    save(&listing, QStringLiteral("listing-pdf"));
    const auto plan = listingPlan(document.state(), document.shownFileName(), header,
                                  ListingOptions{}, localeNumberStyle(), printWordsFor(l));
    if (plan) {
        report(
            printPlan(plan.value(), PrintTarget::pdf(pdfPrefix + QStringLiteral("-listing.pdf"))),
            "listing");
        auto* preview = showPrintPreview(plan.value(), {}, &window);
        save(preview, QStringLiteral("preview"));
        preview->close();
    }
}

} // namespace quintora::test
