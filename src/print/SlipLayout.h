#pragma once

#include "print/SlipType.h"

#include <cstdint>
#include <span>
#include <string>

namespace quintora {

// Print quality as the calibration stores it; any other value counts as low.
inline constexpr std::int16_t QualityNormal = 9999;
inline constexpr std::int16_t QualityLow = 1111;

// Where one slip type prints, in millimetres from the top-left corner of the page (X to the
// right, Y downwards), with the printer and quality to use. Fields in the file's order.
struct SlipLayout {
    float spacingX = 0; // between the left edges of adjacent grid cells
    float spacingY = 0; // between the tops of adjacent grid rows
    float gridTop = 0;  // Y of the top-left grid cell (row 1, column 1)
    float gridLeft = 0; // X of the top-left grid cell
    float headerX = 0;  // the header text
    float headerY = 0;
    float nameX = 0; // the block of system name, slip number and amount
    float nameY = 0;
    std::int16_t printQuality = 0; // QualityNormal, QualityLow, or 0 when never set
    std::string printerName;       // UTF-8; the device name of the printer for this slip type

    bool normalQuality() const { return printQuality == QualityNormal; }
    bool operator==(const SlipLayout&) const = default;
};

// The measures the calibration dialog starts from (quality and printer unset).
SlipLayout defaultSlipLayout(SlipType type);

// Every measure stored as exactly 0 takes its default, as the calibration dialog shows it;
// the printing path uses the stored values unchanged.
SlipLayout withDefaults(SlipLayout layout, SlipType type);

// The printer resolution (dots per inch) for a quality: normal picks the one nearest to
// 300 dpi among `supported`, low the lowest of at least 150 dpi (else the highest below).
// Without a list from the printer: 300 and 150.
int resolutionForQuality(std::int16_t quality, std::span<const int> supported);

} // namespace quintora
