#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quintora {

// What a print puts where, worked out without any printer: pages of items in millimetres
// from the top-left corner of the page. One renderer paints these; nothing else draws.

enum class FontFace {
    Arial,      // the slips; a metric-compatible sans face stands in for it
    CourierNew, // the listing; a metric-compatible monospaced face stands in for it
};

struct TextFont {
    FontFace face = FontFace::Arial;
    double points = 8;
    bool bold = false;
    bool operator==(const TextFont&) const = default;
};

// One line of text; (x, y) is the top-left corner of its line, as a printer's current
// position is. With afterPrevious the text goes on the same line right after the previous
// text item (its width is known only to the renderer); x is then ignored.
struct TextItem {
    double x = 0;
    double y = 0;
    std::string text; // UTF-8
    TextFont font;
    bool afterPrevious = false;
};

// A filled black square; (x, y) is its top-left corner.
struct MarkItem {
    double x = 0;
    double y = 0;
    double size = 2.0;
};

// The program's logo in colour or in grey tones, drawn to fill the rectangle.
struct LogoItem {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool colour = true;
};

using PageItem = std::variant<TextItem, MarkItem, LogoItem>;

struct PlanPage {
    std::vector<PageItem> items;

    std::vector<TextItem> texts() const;
    std::vector<MarkItem> marks() const;
    std::vector<LogoItem> logos() const;
};

struct PagePlan {
    std::string title;      // the print job's name
    double pageWidth = 210; // portrait A4; the whole page is printable
    double pageHeight = 297;
    std::optional<std::int16_t> quality; // a slip's print quality; none: the printer's own
    // A page laid out on the whole sheet (the listing) is shrunk evenly, as far as needed, into
    // the device's printable area less a small margin; slips keep their calibrated positions.
    bool fitsPrintableArea = false;
    std::vector<PlanPage> pages;
};

// 1/1440 inch, the listing's measure.
constexpr double twipsToMm(double twips) {
    return twips * 25.4 / 1440.0;
}
constexpr double mmToTwips(double mm) {
    return mm * 1440.0 / 25.4;
}
constexpr double pointsToMm(double points) {
    return points * 25.4 / 72.0;
}

// The faces' own vertical metrics (those of the metric-compatible faces), so the plans and
// the renderer agree on where a line's baseline lies and how far a line end moves down.
double ascentMm(const TextFont& font);
double lineHeightMm(const TextFont& font);
// The advance of one character of the monospaced face.
double monospaceAdvanceMm(double points);

} // namespace quintora
