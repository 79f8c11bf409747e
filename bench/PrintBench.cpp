// Printing to a PDF: the listing of 200,000 columns and 1,000 five-column slips, beside the way
// the program printed them before (every page planned first, a new font and two measures per
// line, the whole document kept in memory until the end, the allocator left to its defaults).
#include "files/FileIo.h"
#include "print/ListingPlan.h"
#include "print/SlipRun.h"
#include "RatioReporter.h"
#include "render/PlanRenderer.h"
#include "render/PrintJob.h"
#include "support/SystemBuilders.h"

#include <filesystem>
#include <malloc.h>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <random>
#include <set>

using namespace quintora;

namespace {

// `columns` different random columns.
SystemState randomSystem(int columns) {
    SystemState s = builders::firstNumbers(50);
    builders::setEuroNumbers(s, 3, 8);
    s.header.systemType = "FILE TXT";
    std::mt19937 random(1);
    std::set<Column> seen;
    while (static_cast<int>(seen.size()) < columns) {
        Column c = builders::randomColumn(random);
        std::sort(c.begin(), c.end());
        if (seen.insert(c).second) {
            s.columns.push_back(c);
        }
    }
    return s;
}

const SystemState& listingSystem() {
    static const SystemState s = randomSystem(200000);
    return s;
}

const SystemState& slipSystem() {
    static const SystemState s = randomSystem(5000);
    return s;
}

std::string pdfPath() {
    return (std::filesystem::temp_directory_path() / "quintora-print-bench.pdf").string();
}

// The renderer as it was: a font made and a line measured twice for every text item.
void paintPageAsBefore(QPainter& painter, const PlanPage& page) {
    const double x = painter.device()->logicalDpiX() / 25.4;
    const double y = painter.device()->logicalDpiY() / 25.4;
    double lineEnd = 0;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            const QFont font = planFont(text->font);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QString shown = QString::fromStdString(text->text);
            const double at = text->afterPrevious ? lineEnd : text->x * x;
            painter.drawText(QPointF(at, (text->y + ascentMm(text->font)) * y), shown);
            lineEnd = at + QFontMetricsF(font, painter.device()).horizontalAdvance(shown);
        } else if (const auto* mark = std::get_if<MarkItem>(&item)) {
            painter.fillRect(QRectF(mark->x * x, mark->y * y, mark->size * x, mark->size * y),
                             Qt::black);
        }
    }
}

void printAsBefore(const PagePlan& plan) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(plan.pageWidth, plan.pageHeight), QPageSize::Millimeter,
                              QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    QPainter painter(&writer);
    for (std::size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0) {
            writer.newPage();
        }
        paintPageAsBefore(painter, plan.pages[i]);
    }
    painter.end();
    const QByteArray& bytes = buffer.data();
    (void)writeFileAtomically(pdfPath(),
                              std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
}

// The allocator's own defaults, which a print job changes for the rest of the process.
void allocatorDefaults() {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

void listingBaseline(benchmark::State& st) {
    allocatorDefaults();
    for (auto _ : st) {
        printAsBefore(listingPlan(listingSystem(), "tabulato.qsy", "RICEVITORIA", {}).value());
    }
}

void listingEngine(benchmark::State& st) {
    for (auto _ : st) {
        const auto pages = ListingPages::make(std::make_shared<const SystemState>(listingSystem()),
                                              "tabulato.qsy", "RICEVITORIA", {})
                               .value();
        const Status printed = printPages(
            pages.settings(), pages.count(), [&](int i) { return pages.page(i); },
            PrintTarget::pdf(QString::fromStdString(pdfPath())));
        if (!printed) {
            st.SkipWithError("print failed");
        }
    }
}

const SlipLayout& slipLayout() {
    static const SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    return layout;
}

void slipsBaseline(benchmark::State& st) {
    allocatorDefaults();
    const SlipContent content = slipContentOf(slipSystem(), "schedine.qsy", "RICEVITORIA");
    for (auto _ : st) {
        printAsBefore(slipRunPlan(SlipType::FiveColumns, slipLayout(), content, {1, 1000}));
    }
}

void slipsEngine(benchmark::State& st) {
    const SlipContent content = slipContentOf(slipSystem(), "schedine.qsy", "RICEVITORIA");
    for (auto _ : st) {
        const PagePlan settings = slipRunPlan(SlipType::FiveColumns, slipLayout(), content, {1, 0});
        const Status printed = printPages(
            settings, 1000,
            [&](int i) { return slipPage(SlipType::FiveColumns, slipLayout(), content, i + 1); },
            PrintTarget::pdf(QString::fromStdString(pdfPath())));
        if (!printed) {
            st.SkipWithError("print failed");
        }
    }
}

} // namespace

// The baselines run first, before a print job has tuned the allocator.
BENCHMARK(listingBaseline)
    ->Name("listing_200000_columns/baseline")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(slipsBaseline)
    ->Name("slips_1000_five_columns/baseline")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(listingEngine)
    ->Name("listing_200000_columns/engine")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(slipsEngine)
    ->Name("slips_1000_five_columns/engine")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int result = bench::runBenchmarks(argc, argv);
    std::filesystem::remove(pdfPath());
    return result;
}
