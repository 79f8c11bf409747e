#pragma once

#include <string>

namespace quintora {

// The two paper play slips the program prints on.
enum class SlipType {
    OneColumn = 0,   // one column per slip
    FiveColumns = 1, // five columns per slip, one per panel
};

// 1 or 5.
constexpr int columnsPerSlip(SlipType type) {
    return type == SlipType::OneColumn ? 1 : 5;
}

// ceiling(columnCount / columns per slip); 0 for no columns.
constexpr int slipCount(SlipType type, int columnCount) {
    const int per = columnsPerSlip(type);
    return columnCount <= 0 ? 0 : (columnCount + per - 1) / per;
}

// "scheda1col.cfg" / "scheda5col.cfg", the calibration file's name in the data folder.
inline std::string calibrationFileName(SlipType type) {
    return type == SlipType::OneColumn ? "scheda1col.cfg" : "scheda5col.cfg";
}

} // namespace quintora
