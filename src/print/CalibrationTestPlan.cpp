#include "print/CalibrationTestPlan.h"

#include "print/PrintTexts.h"
#include "print/SlipGeometry.h"

namespace quintora {

PagePlan calibrationTestPlan(SlipType type, const SlipLayout& layout, const std::string& header,
                             const PrintWords& words, const NumberStyle& style, GameRules rules) {
    const TextFont small{FontFace::Arial, 8, false};
    const TextFont large{FontFace::Arial, 22, false};
    PlanPage page;
    page.items.emplace_back(
        TextItem{layout.headerX, layout.headerY, printedHeader(header, words), small, false});
    if (type == SlipType::OneColumn) {
        page.items.emplace_back(TextItem{layout.headerX,
                                         double{layout.headerY} + lineHeightMm(small), creditLine(),
                                         small, false});
    }
    for (int panel = 0; panel < panelCount(type); ++panel) {
        for (int row = 1; row <= gridRows(type); ++row) {
            for (int column = 1; column <= gridColumns(type); ++column) {
                const PointMm p = cellOrigin(layout, panel, SlipCell{row, column});
                page.items.emplace_back(MarkItem{p.x, p.y, MarkSizeMm});
            }
        }
        for (int e = GameRules::ClassicEuroMax + 1; e <= rules.euroMax(); ++e) {
            if (const auto cell = cellOf(type, e, true)) {
                const PointMm p = cellOrigin(layout, panel, *cell);
                page.items.emplace_back(MarkItem{p.x, p.y, MarkSizeMm});
            }
        }
    }
    page.items.emplace_back(
        TextItem{layout.nameX, layout.nameY, words.testSystemLabel, small, false});
    const double numberY = double{layout.nameY} + lineHeightMm(small);
    page.items.emplace_back(TextItem{
        layout.nameX, numberY, words.slipNumber + "0" + style.grouping + "000", small, false});
    page.items.emplace_back(
        TextItem{layout.nameX, numberY, " \xE2\x82\xAC 0" + style.decimal + "00", large, true});
    if (type == SlipType::FiveColumns) {
        page.items.emplace_back(
            TextItem{layout.nameX, numberY + lineHeightMm(large), creditLine(), small, false});
    }
    PagePlan plan;
    plan.title = words.calibrationTitle;
    plan.quality = layout.printQuality;
    plan.pages.push_back(std::move(page));
    return plan;
}

} // namespace quintora
