#include "print/SlipRun.h"

#include "core/SystemState.h"
#include "print/CalibrationTestPlan.h"
#include "print/SlipGeometry.h"

#include <algorithm>
#include <cstdio>
#include <variant>

namespace quintora {

namespace {

constexpr double SmallPoints = 8;
constexpr double AmountPoints = 22;

// The digits of a masked field as a number; no digits read as 0. Capped far above any slip
// count so a long text cannot overflow.
int fieldValue(std::string_view text) {
    long long value = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            value = std::min(value * 10 + (c - '0'), 100000000LL);
        }
    }
    return static_cast<int>(value);
}

bool fieldEmpty(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

TextFont arial(double points) {
    return TextFont{FontFace::Arial, points, false};
}

void addText(PlanPage& page, double x, double y, std::string text, double points) {
    page.items.emplace_back(TextItem{x, y, std::move(text), arial(points), false});
}

void addMarks(PlanPage& page, SlipType type, const SlipLayout& layout, int panel,
              const Column& column, const std::vector<int>& euros) {
    for (const int n : column) {
        if (const auto cell = cellOf(type, n, false)) {
            const PointMm p = cellOrigin(layout, panel, *cell);
            page.items.emplace_back(MarkItem{p.x, p.y, MarkSizeMm});
        }
    }
    for (const int e : euros) {
        if (const auto cell = cellOf(type, e, true)) {
            const PointMm p = cellOrigin(layout, panel, *cell);
            page.items.emplace_back(MarkItem{p.x, p.y, MarkSizeMm});
        }
    }
}

bool hasMainNumber(const Column& column) {
    return std::any_of(column.begin(), column.end(), [](int n) { return isMainNumber(n); });
}

} // namespace

Result<SlipRange> checkSlipRange(std::string_view fromText, std::string_view toText,
                                 int totalSlips) {
    const int from = fieldValue(fromText);
    const int to = fieldValue(toText);
    if (from > to) {
        return Error{Message{text::SlipErrorBanner}, Message{text::SlipFromAboveTo}};
    }
    if (!fieldEmpty(fromText) && from < 1) {
        return Error{Message{text::ErrorBanner}, Message{text::SlipFromBelowMinimum}};
    }
    if (!fieldEmpty(toText) && to > totalSlips) {
        return Error{Message{text::ErrorBanner}, Message{text::SlipToAboveMaximum}};
    }
    return SlipRange{std::max(from, 1), to};
}

SlipContent slipContentOf(const SystemState& state, std::string systemName, std::string header,
                          NumberStyle style) {
    SlipContent c;
    c.columns = state.columns;
    for (const auto e : euroNumbers(state.header)) {
        c.euroNumbers.push_back(e);
    }
    c.systemName = std::move(systemName);
    c.header = std::move(header);
    c.pricePerColumn = state.pricePerColumn;
    c.style = std::move(style);
    return c;
}

ColumnSpan slipColumns(SlipType type, int slipNumber, std::size_t columnCount) {
    if (slipNumber < 1) {
        return {};
    }
    const std::size_t per = static_cast<std::size_t>(columnsPerSlip(type));
    const std::size_t begin =
        std::min((static_cast<std::size_t>(slipNumber) - 1) * per, columnCount);
    return {begin, std::min(begin + per, columnCount)};
}

Cents slipAmount(SlipType type, const SlipContent& content, int slipNumber) {
    if (type == SlipType::OneColumn) {
        return content.pricePerColumn;
    }
    const ColumnSpan span = slipColumns(type, slipNumber, content.columns.size());
    Cents used = 0;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        used += hasMainNumber(content.columns[i]) ? 1 : 0;
    }
    return used * content.pricePerColumn;
}

PlanPage slipPage(SlipType type, const SlipLayout& layout, const SlipContent& content,
                  int slipNumber) {
    PlanPage page;
    const double small = lineHeightMm(arial(SmallPoints));
    addText(page, layout.headerX, layout.headerY, printedHeader(content.header, content.words),
            SmallPoints);
    if (type == SlipType::OneColumn) {
        addText(page, layout.headerX, double{layout.headerY} + small, creditLine(), SmallPoints);
    }
    const ColumnSpan span = slipColumns(type, slipNumber, content.columns.size());
    for (std::size_t i = span.begin; i < span.end; ++i) {
        const Column& column = content.columns[i];
        // The slip's first column goes in the bottom panel.
        const int panel = type == SlipType::OneColumn ? 0 : 4 - static_cast<int>(i - span.begin);
        if (type == SlipType::FiveColumns && !hasMainNumber(column)) {
            continue;
        }
        addMarks(page, type, layout, panel, column, content.euroNumbers);
    }
    addText(page, layout.nameX, layout.nameY, content.systemName, SmallPoints);
    const double numberY = double{layout.nameY} + small;
    addText(page, layout.nameX, numberY,
            content.words.slipNumber + groupedInteger(slipNumber, content.style), SmallPoints);
    page.items.emplace_back(TextItem{
        layout.nameX, numberY,
        "   \xE2\x82\xAC " + groupedAmount(slipAmount(type, content, slipNumber), content.style),
        arial(AmountPoints), true});
    if (type == SlipType::FiveColumns) {
        addText(page, layout.nameX, numberY + lineHeightMm(arial(AmountPoints)), creditLine(),
                SmallPoints);
    }
    return page;
}

PlanPage slipPicturePage(SlipType type, const SlipContent& content, GameRules rules) {
    const SlipLayout layout = withDefaults(SlipLayout{}, type);
    const PagePlan grid =
        calibrationTestPlan(type, layout, content.header, content.words, content.style, rules);
    PlanPage page;
    for (const PageItem& item : grid.pages.front().items) {
        if (std::holds_alternative<MarkItem>(item)) {
            page.items.push_back(item);
        }
    }
    for (PageItem& item : slipPage(type, layout, content, 1).items) {
        if (std::holds_alternative<TextItem>(item)) {
            page.items.push_back(std::move(item));
        }
    }
    return page;
}

PagePlan slipRunPlan(SlipType type, const SlipLayout& layout, const SlipContent& content,
                     SlipRange range) {
    PagePlan plan;
    plan.title = content.words.slipsTitle;
    plan.quality = layout.printQuality;
    const int total = slipCount(type, static_cast<int>(content.columns.size()));
    for (int slip = range.first; slip <= std::min(range.last, total); ++slip) {
        plan.pages.push_back(slipPage(type, layout, content, slip));
    }
    return plan;
}

std::string slipProgressText(int slipNumber) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", slipNumber);
    return std::string("Scheda n. ") + digits;
}

} // namespace quintora
