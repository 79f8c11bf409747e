#pragma once

#include "print/SlipLayout.h"
#include "print/SlipType.h"

#include <optional>

namespace quintora {

// A cell of a slip's mark grid, both counted from 1 (row 1 is the top row of a panel).
struct SlipCell {
    int row = 0;
    int column = 0;
    bool operator==(const SlipCell&) const = default;
};

// A point on the page in millimetres.
struct PointMm {
    double x = 0;
    double y = 0;
};

// The side of a mark square; its top-left corner is the cell origin.
inline constexpr double MarkSizeMm = 2.0;

// Grid size of one panel: 10 x 7 on the 1-column slip, 5 x 13 on each of the five panels of
// the 5-column slip.
int gridRows(SlipType type);
int gridColumns(SlipType type);
int panelCount(SlipType type);

// The cell of a main number 1..50, or (euro) of a Euro number 1..12; numbers run upwards
// from the bottom row. Euro 11 and 12 continue the Euro grid by the same formula: above the
// top row on the 1-column slip (rows 0 and -1), a third column on the 5-column slip. Nothing
// for a number outside its range.
std::optional<SlipCell> cellOf(SlipType type, int number, bool euro);

// The top-left corner of a cell; panels (0 = top, only 0 on the 1-column slip) are six rows
// apart, five rows and an empty one.
PointMm cellOrigin(const SlipLayout& layout, int panel, SlipCell cell);

} // namespace quintora
