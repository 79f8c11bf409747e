// Prints through the real print queue that scripts/print-queue.sh sets up and reads the PDF
// files its back end writes. Skipped when the queue is missing, unless
// QUINTORA_REQUIRE_PRINT_QUEUE is set (./test.sh sets it: there the queue must work).
#include "core/SystemState.h"
#include "print/ListingPlan.h"
#include "print/SlipGeometry.h"
#include "print/SlipRun.h"
#include "render/PdfProbe.h"
#include "render/Printers.h"
#include "render/PrintJob.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace quintora {
namespace {

const QString Queue = QStringLiteral("QuintoraPDF");

std::filesystem::path outputFolder() {
    const passwd* user = ::getpwuid(::getuid());
    return std::filesystem::path("/var/spool/cups-pdf/quintora") /
           (user != nullptr ? user->pw_name : "");
}

// A job name no other run uses; the back end puts it in the file's name.
std::string uniqueTitle() {
    static int counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return "QuintoraQueue" + std::to_string(::getpid()) + "x" + std::to_string(++counter) + "x" +
           std::to_string(now % 1000000);
}

// The finished PDF files of jobs named `title`: waits until `count` of them can be read, or
// a minute has passed (the back end works in its own processes; there is nothing to wait on).
std::vector<std::string> waitForJobs(const std::string& title, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::vector<std::string> files;
    while (std::chrono::steady_clock::now() < deadline) {
        files.clear();
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(outputFolder(), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.find(title) != std::string::npos && entry.path().extension() == ".pdf" &&
                probe::pdfPageCount(entry.path().string()) > 0) {
                files.push_back(entry.path().string());
            }
        }
        if (files.size() >= count) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::sort(files.begin(), files.end());
    return files;
}

class PrintQueue : public testing::Test {
protected:
    void SetUp() override {
        if (!printerInstalled(Queue)) {
            if (std::getenv("QUINTORA_REQUIRE_PRINT_QUEUE") != nullptr) {
                FAIL() << "no print queue " << Queue.toStdString()
                       << ": run scripts/print-queue.sh";
            }
            GTEST_SKIP() << "no print queue " << Queue.toStdString();
        }
    }
    void TearDown() override {
        for (const auto& f : written) {
            std::error_code ec;
            std::filesystem::remove(f, ec);
        }
    }
    std::vector<std::string> written;
};

TEST_F(PrintQueue, ASlipComesOutWithItsMarksInPlace) {
    SystemState s = builders::firstNumbers(50);
    builders::setEuroNumbers(s, 2, 9);
    s.columns = {Column{1, 10, 11, 46, 50}, Column{5, 6, 20, 33, 41}};
    SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    layout.gridLeft = 15.5F;
    layout.gridTop = 36.2F;
    layout.printQuality = QualityNormal;
    PagePlan plan = slipRunPlan(SlipType::FiveColumns, layout, slipContentOf(s, "coda.qsy", "R"),
                                SlipRange{1, 1});
    plan.title = uniqueTitle();
    ASSERT_TRUE(printPlan(plan, PrintTarget::printer(Queue)));
    const auto files = waitForJobs(plan.title, 1);
    written = files;
    ASSERT_EQ(files.size(), 1U) << "no PDF in " << outputFolder();
    const auto page = probe::renderPdfPage(files[0], 1);
    ASSERT_GT(page.width, 0);
    const auto found = probe::findSquares(page, MarkSizeMm);
    const auto marks = plan.pages[0].marks();
    EXPECT_EQ(found.size(), marks.size());
    for (const auto& m : marks) {
        EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                [&](const probe::Square& q) {
                                    return std::abs(q.x - m.x) <= 0.25 &&
                                           std::abs(q.y - m.y) <= 0.25;
                                }))
            << "no mark at (" << m.x << ", " << m.y << ")";
    }
}

TEST_F(PrintQueue, ThreeCopiesOfTheListingAreThreeJobs) {
    SystemState s = builders::firstNumbers(10);
    s.columns = {Column{1, 2, 3, 4, 5}, Column{6, 7, 8, 9, 10}};
    auto plan = listingPlan(s, "coda.qsy", "RICEVITORIA", ListingOptions{});
    ASSERT_TRUE(plan);
    plan.value().title = uniqueTitle();
    ASSERT_TRUE(printPlan(plan.value(), PrintTarget::printer(Queue), 3));
    const auto files = waitForJobs(plan.value().title, 3);
    written = files;
    ASSERT_EQ(files.size(), 3U);
    for (const auto& f : files) {
        EXPECT_EQ(probe::pdfPageCount(f), 1) << f;
        // The queue's back end turns text into pictures of glyphs; the first line is there,
        // inside the printer's printable area.
        const auto page = probe::renderPdfPage(f, 1);
        ASSERT_GT(page.width, 0);
        int dark = 0;
        for (int y = 40; y < 300; ++y) {
            for (int x = 20; x < 400; ++x) {
                dark += page.at(x, y) < 128 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 100) << f;
    }
}

} // namespace
} // namespace quintora
