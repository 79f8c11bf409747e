#include "core/SystemState.h"
#include "print/CalibrationTestPlan.h"
#include "print/ListingPlan.h"
#include "print/SlipGeometry.h"
#include "print/SlipRun.h"
#include "render/PdfProbe.h"
#include "render/PlanRenderer.h"
#include "render/PrintJob.h"
#include "render/PrintLocale.h"
#include "settings/ScratchFolder.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <QFontInfo>
#include <QPrinter>

namespace quintora {
namespace {

constexpr double Tolerance = 0.25; // mm

SlipLayout oddLayout() {
    SlipLayout l = defaultSlipLayout(SlipType::FiveColumns);
    l.gridLeft = 17.3F;
    l.gridTop = 40.7F;
    l.spacingX = 5.2F;
    l.spacingY = 4.3F;
    l.headerX = 6.4F;
    l.headerY = 180.5F;
    l.nameX = 9.1F;
    l.nameY = 3.3F;
    return l;
}

SystemState sevenColumns() {
    SystemState s = builders::firstNumbers(50);
    builders::setEuroNumbers(s, 1, 10);
    s.columns = {Column{1, 10, 11, 46, 50},  Column{2, 3, 4, 5, 6},      Column{7, 8, 9, 12, 13},
                 Column{14, 15, 16, 17, 18}, Column{19, 20, 21, 22, 23}, Column{24, 25, 26, 27, 28},
                 Column{29, 30, 31, 32, 33}};
    return s;
}

// Every planned mark is found on the page within the tolerance, and nothing else is.
void expectMarksOnPage(const PlanPage& planned, const probe::GreyPage& page) {
    const auto found = probe::findSquares(page, MarkSizeMm);
    const auto marks = planned.marks();
    EXPECT_EQ(found.size(), marks.size());
    for (const auto& m : marks) {
        const bool hit = std::any_of(found.begin(), found.end(), [&](const probe::Square& s) {
            return std::abs(s.x - m.x) <= Tolerance && std::abs(s.y - m.y) <= Tolerance;
        });
        EXPECT_TRUE(hit) << "no mark at (" << m.x << ", " << m.y << ")";
    }
}

TEST(PrintLocale, SlipAmountsTakeTheLanguagesSeparators) {
    const NumberStyle italian = numberStyleOf(QLocale(QLocale::Italian, QLocale::Italy));
    const NumberStyle english = numberStyleOf(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(groupedAmount(123456, italian), "1.234,56");
    EXPECT_EQ(groupedAmount(123456, english), "1,234.56");
    EXPECT_EQ(groupedInteger(12345, english), "12,345");
}

TEST(PlanFonts, ArialAndCourierNewResolveToTheMetricCompatibleFaces) {
    EXPECT_EQ(QFontInfo(planFont({FontFace::Arial, 8, false})).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(planFont({FontFace::CourierNew, 10, true})).family(),
              QStringLiteral("Liberation Mono"));
}

TEST(PdfRender, TheMarksOfASlipAreWhereThePlanPutsThem) {
    ScratchFolder folder;
    const SystemState s = sevenColumns();
    const SlipContent content = slipContentOf(s, "sette.qsy", "RICEVITORIA PROVA");
    const PagePlan plan = slipRunPlan(SlipType::FiveColumns, oddLayout(), content, {1, 2});
    const std::string pdf = folder.file("schede.pdf");
    ASSERT_TRUE(printPlan(plan, PrintTarget::pdf(QString::fromStdString(pdf))));
    ASSERT_EQ(probe::pdfPageCount(pdf), 2);
    for (int p = 1; p <= 2; ++p) {
        SCOPED_TRACE(p);
        const auto page = probe::renderPdfPage(pdf, p);
        ASSERT_GT(page.width, 0) << "pdftoppm could not read the PDF";
        // The whole page is A4 at a tenth of a millimetre per pixel.
        EXPECT_NEAR(page.width, 2100, 1);
        EXPECT_NEAR(page.height, 2970, 1);
        expectMarksOnPage(plan.pages[static_cast<std::size_t>(p - 1)], page);
    }
    // Number 1 of the slip's first column: bottom panel, row 5, column 1.
    const auto found = probe::findSquares(probe::renderPdfPage(pdf, 1), MarkSizeMm);
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const probe::Square& q) {
        return std::abs(q.x - 17.3) <= Tolerance && std::abs(q.y - (40.7 + 28 * 4.3)) <= Tolerance;
    }));
}

TEST(PdfRender, TextStartsAtItsPlannedCorner) {
    ScratchFolder folder;
    const SystemState s = sevenColumns();
    const SlipContent content = slipContentOf(s, "sette.qsy", "RICEVITORIA");
    const PlanPage page = slipPage(SlipType::OneColumn, oddLayout(), content, 1);
    PagePlan plan;
    plan.pages.push_back(page);
    const std::string pdf = folder.file("scheda.pdf");
    ASSERT_TRUE(printPlan(plan, PrintTarget::pdf(QString::fromStdString(pdf))));
    const auto words = probe::pdfWords(pdf, 1);
    const auto find = [&](const std::string& text) {
        const auto it = std::find_if(words.begin(), words.end(),
                                     [&](const probe::Word& w) { return w.text == text; });
        return it == words.end() ? probe::Word{"", -100, -100} : *it;
    };
    const auto header = find("RICEVITORIA");
    EXPECT_NEAR(header.x, 6.4, 0.5);
    EXPECT_NEAR(header.y, 180.5, 0.5);
    const auto name = find("sette.qsy");
    EXPECT_NEAR(name.x, 9.1, 0.5);
    EXPECT_NEAR(name.y, 3.3, 0.5);
    // The amount follows "Scheda n. 1" on its line, in 22 points.
    const auto slip = find("Scheda");
    const auto amount = find("2,00");
    EXPECT_GT(amount.x, slip.x + 10);
}

TEST(PdfRender, CalibrationPagesAndAListingGoToPdf) {
    ScratchFolder folder;
    for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
        const PagePlan plan = calibrationTestPlan(type, defaultSlipLayout(type), "RICEVITORIA");
        const std::string pdf = folder.file(calibrationFileName(type) + ".pdf");
        ASSERT_TRUE(printPlan(plan, PrintTarget::pdf(QString::fromStdString(pdf))));
        const auto page = probe::renderPdfPage(pdf, 1);
        ASSERT_GT(page.width, 0);
        expectMarksOnPage(plan.pages[0], page);
    }
    SystemState s = builders::firstNumbers(12);
    for (int k = 0; k < 120; ++k) {
        s.columns.push_back(Column{1, 2, 3, 4, static_cast<std::uint8_t>(5 + k % 8)});
    }
    const auto listing = listingPlan(s, "tabulato.qsy", "RICEVITORIA", ListingOptions{});
    ASSERT_TRUE(listing);
    const std::string pdf = folder.file("tabulato.pdf");
    // Three copies in one file: each copy's pages, one copy after the other.
    ASSERT_TRUE(printPlan(listing.value(), PrintTarget::pdf(QString::fromStdString(pdf)), 3));
    EXPECT_EQ(probe::pdfPageCount(pdf), 6);
}

// The listing's lines reach almost across the sheet; printed, every word keeps inside the
// printable area with a margin, on a full later page as on the first one.
TEST(PdfRender, TheListingKeepsInsideThePrintableArea) {
    ScratchFolder folder;
    SystemState s = builders::firstNumbers(50);
    for (int k = 0; k < 19 * 13; ++k) {
        s.columns.push_back(Column{1, 2, 3, 4, static_cast<std::uint8_t>(5 + k % 40)});
    }
    const auto listing = listingPlan(s, "tabulato.qsy", "RICEVITORIA", ListingOptions{});
    ASSERT_TRUE(listing);
    ASSERT_EQ(listing.value().pages.size(), 2U);
    const std::string pdf = folder.file("margini.pdf");
    ASSERT_TRUE(printPlan(listing.value(), PrintTarget::pdf(QString::fromStdString(pdf))));
    for (const int page : {1, 2}) {
        SCOPED_TRACE(page);
        const auto words = probe::pdfWords(pdf, page);
        ASSERT_GT(words.size(), 100U);
        double right = 0;
        for (const auto& w : words) {
            EXPECT_GE(w.x, PrintableMarginMm) << w.text;
            EXPECT_GE(w.y, PrintableMarginMm) << w.text;
            EXPECT_LE(w.y, 297 - PrintableMarginMm - 3) << w.text; // a line's top
            right = std::max(right, w.right);
        }
        EXPECT_LE(right, 210 - PrintableMarginMm);
    }
}

TEST(PdfRender, APreparedPrinterPaintsThePlanWhereAJobWould) {
    // The print preview paints on a printer of its own; set up the same way, it shows the
    // marks where they print.
    ScratchFolder folder;
    const SystemState s = sevenColumns();
    SlipLayout layout = oddLayout();
    layout.printQuality = QualityLow;
    const PagePlan plan =
        slipRunPlan(SlipType::FiveColumns, layout, slipContentOf(s, "sette.qsy", "R"), {1, 2});
    const std::string pdf = folder.file("anteprima.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    setUpPrinter(printer, plan);
    ASSERT_TRUE(paintPlan(printer, plan));
    ASSERT_EQ(probe::pdfPageCount(pdf), 2);
    expectMarksOnPage(plan.pages[1], probe::renderPdfPage(pdf, 2));
}

TEST(PdfRender, APdfThatCannotBeWrittenIsRefusedBeforePrinting) {
    ScratchFolder folder;
    PagePlan plan;
    plan.pages.emplace_back();
    const auto job = PrintJob::start(PrintTarget::pdf(QString::fromStdString(folder.path())), plan);
    EXPECT_FALSE(job);
    const auto missing = PrintJob::start(
        PrintTarget::pdf(QString::fromStdString(folder.file("no/such/folder/x.pdf"))), plan);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(printPlan(plan, PrintTarget::printer(QStringLiteral("no-such-printer-here"))));
}

TEST(PdfRender, AJobStoppedAfterOneSlipKeepsThatSlip) {
    ScratchFolder folder;
    const SystemState s = sevenColumns();
    const SlipContent content = slipContentOf(s, "sette.qsy", "R");
    const SlipLayout layout = defaultSlipLayout(SlipType::OneColumn);
    const std::string pdf = folder.file("stop.pdf");
    PagePlan settings;
    auto job = PrintJob::start(PrintTarget::pdf(QString::fromStdString(pdf)), settings);
    ASSERT_TRUE(job);
    ASSERT_TRUE(job.value()->addPage(slipPage(SlipType::OneColumn, layout, content, 1)));
    ASSERT_TRUE(job.value()->finish()); // the stop: the job ends after the slip in hand
    EXPECT_EQ(probe::pdfPageCount(pdf), 1);
    EXPECT_FALSE(job.value()->addPage(slipPage(SlipType::OneColumn, layout, content, 2)));

    // Stopped before the first slip: no page, no file.
    const std::string none = folder.file("none.pdf");
    auto empty = PrintJob::start(PrintTarget::pdf(QString::fromStdString(none)), settings);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty.value()->finish());
    EXPECT_FALSE(std::filesystem::exists(none));
}

} // namespace
} // namespace quintora
