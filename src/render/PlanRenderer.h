#pragma once

#include "core/Result.h"
#include "print/PagePlan.h"

#include <QFont>
#include <QTransform>

class QPainter;
class QPagedPaintDevice;

namespace quintora {

// The face that stands in for a plan's font: the metric-compatible Liberation faces for
// "Arial" and "Courier New", so positions and widths match the layouts.
QFont planFont(const TextFont& text);

// Paints one page of a plan with a painter that is active on a paged device (a printer, a
// PDF writer, the preview's printer). Millimetres are taken from the page's top-left corner,
// so the device must print the whole page (full page, no margins).
void paintPlanPage(QPainter& painter, const PlanPage& page);

// What a page of `plan` is drawn through on `device`: nothing for a plan laid out on the
// paper's own positions; for a plan that fits the printable area, the shrinking and shift that
// put the whole sheet inside the device's printable area less a margin of at least
// PrintableMarginMm (a PDF has no margins of its own).
inline constexpr double PrintableMarginMm = 5.0;
QTransform planTransform(const QPagedPaintDevice& device, const PagePlan& plan);

// Paints every page of a plan on a device, a new page between pages; the device's page
// size and resolution are the caller's. For the print preview's paint requests.
Status paintPlan(QPagedPaintDevice& device, const PagePlan& plan);

} // namespace quintora
