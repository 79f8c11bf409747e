#include "print/SlipGeometry.h"

#include "core/GameModel.h"

namespace quintora {

int gridRows(SlipType type) {
    return type == SlipType::OneColumn ? 10 : 5;
}

int gridColumns(SlipType type) {
    return type == SlipType::OneColumn ? 7 : 13;
}

int panelCount(SlipType type) {
    return type == SlipType::OneColumn ? 1 : 5;
}

std::optional<SlipCell> cellOf(SlipType type, int number, bool euro) {
    if (euro ? !GameRules::widest().isEuroNumber(number) : !isMainNumber(number)) {
        return std::nullopt;
    }
    const int n = number - 1;
    if (type == SlipType::OneColumn) {
        if (euro) {
            return SlipCell{11 - number, 7};
        }
        return SlipCell{10 - n % 10, n / 10 + 1};
    }
    if (euro) {
        return SlipCell{5 - n % 5, 12 + n / 5};
    }
    return SlipCell{5 - n % 5, n / 5 + 1};
}

PointMm cellOrigin(const SlipLayout& layout, int panel, SlipCell cell) {
    // Single-precision measures, worked out in double so the page gets them exactly.
    const double x =
        double{layout.gridLeft} + static_cast<double>(cell.column - 1) * double{layout.spacingX};
    const double y = double{layout.gridTop} +
                     static_cast<double>(6 * panel + cell.row - 1) * double{layout.spacingY};
    return {x, y};
}

} // namespace quintora
