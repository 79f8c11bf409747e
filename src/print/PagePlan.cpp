#include "print/PagePlan.h"

namespace quintora {

namespace {

// Ascent and descent in units of the em, from the faces' OS/2 Windows metrics.
constexpr double SansAscent = 1854.0 / 2048.0;
constexpr double SansDescent = 434.0 / 2048.0;
constexpr double MonoAscent = 1705.0 / 2048.0;
constexpr double MonoDescent = 615.0 / 2048.0;
constexpr double MonoAdvance = 1229.0 / 2048.0;

template <typename T> std::vector<T> itemsOf(const std::vector<PageItem>& items) {
    std::vector<T> out;
    for (const auto& item : items) {
        if (const auto* p = std::get_if<T>(&item)) {
            out.push_back(*p);
        }
    }
    return out;
}

} // namespace

std::vector<TextItem> PlanPage::texts() const {
    return itemsOf<TextItem>(items);
}

std::vector<MarkItem> PlanPage::marks() const {
    return itemsOf<MarkItem>(items);
}

std::vector<LogoItem> PlanPage::logos() const {
    return itemsOf<LogoItem>(items);
}

double ascentMm(const TextFont& font) {
    return pointsToMm(font.points) * (font.face == FontFace::Arial ? SansAscent : MonoAscent);
}

double lineHeightMm(const TextFont& font) {
    const double em =
        font.face == FontFace::Arial ? SansAscent + SansDescent : MonoAscent + MonoDescent;
    return pointsToMm(font.points) * em;
}

double monospaceAdvanceMm(double points) {
    return pointsToMm(points) * MonoAdvance;
}

} // namespace quintora
