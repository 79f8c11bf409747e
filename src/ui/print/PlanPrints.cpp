#include "ui/print/PlanPrints.h"

#include "core/SystemState.h"
#include "print/CalibrationTestPlan.h"
#include "render/PlanRenderer.h"
#include "render/PrintLocale.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <variant>

namespace quintora {

NumberStyle localeNumberStyle() {
    return numberStyleOf(QLocale());
}

std::shared_ptr<const PrintPages> calibrationTestPrint(SlipType type, const SlipLayout& layout,
                                                       const std::string& header,
                                                       const PrintWords& words, GameRules rules) {
    auto pages = std::make_shared<PrintPages>();
    pages->settings = calibrationTestPlan(type, layout, header, words, localeNumberStyle(), rules);
    pages->count = static_cast<int>(pages->settings.pages.size());
    pages->page = [plan = pages->settings](int index) {
        return plan.pages[static_cast<std::size_t>(index)];
    };
    return pages;
}

std::shared_ptr<const PrintPages> slipPrint(const SystemState& system,
                                            const std::string& systemName, SlipType type,
                                            SlipRange range, const SlipLayout& layout,
                                            const std::string& header, const PrintWords& words) {
    // The slip content borrows the columns: the copy lives as long as the pages.
    auto snapshot = std::make_shared<const SystemState>(system);
    SlipContent slips = slipContentOf(*snapshot, systemName, header, localeNumberStyle());
    slips.words = words;
    const auto content = std::make_shared<const SlipContent>(std::move(slips));
    const int total = slipCount(type, static_cast<int>(snapshot->columns.size()));
    auto pages = std::make_shared<PrintPages>();
    pages->settings = slipRunPlan(type, layout, *content, SlipRange{1, 0});
    pages->count = std::max(0, std::min(range.last, total) - range.first + 1);
    pages->page = [snapshot, content, type, layout, first = range.first](int index) {
        return slipPage(type, layout, *content, first + index);
    };
    return pages;
}

std::shared_ptr<const PrintPages> slipBatchPrint(const SlipBatch& batch, SlipRange range,
                                                 const SlipLayout& layout) {
    auto run = std::make_shared<const SlipBatch>(batch);
    auto pages = std::make_shared<PrintPages>();
    pages->settings = run->settings(layout);
    pages->count = std::max(0, std::min(range.last, run->totalSlips()) - range.first + 1);
    pages->page = [run, layout, first = range.first](int index) {
        return run->page(layout, first + index);
    };
    return pages;
}

Result<std::shared_ptr<const PrintPages>>
listingPrint(const SystemState& system, const std::string& systemName,
             const ListingOptions& options, const std::string& header, const PrintWords& words) {
    auto listing = ListingPages::make(std::make_shared<const SystemState>(system), systemName,
                                      header, options, localeNumberStyle(), words);
    if (!listing) {
        return listing.error();
    }
    auto shared = std::make_shared<const ListingPages>(std::move(listing).value());
    auto pages = std::make_shared<PrintPages>();
    pages->settings = shared->settings();
    pages->count = shared->count();
    pages->page = [shared](int index) {
        return shared->page(index);
    };
    return std::shared_ptr<const PrintPages>(std::move(pages));
}

QImage pagePicture(const PlanPage& page, double pixelsPerMm) {
    // The part of the page that holds something, with a margin: the items' corners, and
    // room for a line of text to the right of where it starts.
    const int dotsPerMetre = static_cast<int>(pixelsPerMm * 1000);
    QImage measure(1, 1, QImage::Format_RGB32);
    measure.setDotsPerMeterX(dotsPerMetre);
    measure.setDotsPerMeterY(dotsPerMetre);
    double right = 20;
    double bottom = 20;
    double lineEnd = 0;
    for (const PageItem& item : page.items) {
        if (const auto* mark = std::get_if<MarkItem>(&item)) {
            right = std::max(right, mark->x + mark->size);
            bottom = std::max(bottom, mark->y + mark->size);
        } else if (const auto* text = std::get_if<TextItem>(&item)) {
            const QFontMetricsF metrics(planFont(text->font), &measure);
            const double start = text->afterPrevious ? lineEnd : text->x;
            lineEnd =
                start + metrics.horizontalAdvance(QString::fromStdString(text->text)) / pixelsPerMm;
            right = std::max(right, lineEnd);
            bottom = std::max(bottom, text->y + lineHeightMm(text->font));
        }
    }
    const double margin = 4;
    QImage image(static_cast<int>((right + margin) * pixelsPerMm),
                 static_cast<int>((bottom + margin) * pixelsPerMm), QImage::Format_RGB32);
    // The renderer measures in the device's dots per millimetre.
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPlanPage(painter, page);
    painter.end();
    return image;
}

QImage slipPicture(SlipType type, const SlipContent& content, GameRules rules) {
    return pagePicture(slipPicturePage(type, content, rules), 2.0);
}

} // namespace quintora
