#include "print/SlipLayout.h"

#include <cstdlib>
#include <limits>

namespace quintora {

SlipLayout defaultSlipLayout(SlipType type) {
    SlipLayout l;
    l.spacingX = 5.0F;
    l.spacingY = 4.5F;
    l.headerX = 2.0F;
    l.nameX = 2.0F;
    l.nameY = 0.1F;
    if (type == SlipType::OneColumn) {
        l.gridTop = 51.5F;
        l.gridLeft = 18.0F;
        l.headerY = 201.7F;
    } else {
        l.gridTop = 33.5F;
        l.gridLeft = 12.0F;
        l.headerY = 200.0F;
    }
    return l;
}

SlipLayout withDefaults(SlipLayout layout, SlipType type) {
    const SlipLayout d = defaultSlipLayout(type);
    const auto fill = [](float& value, float fallback) {
        if (value == 0.0F) {
            value = fallback;
        }
    };
    fill(layout.spacingX, d.spacingX);
    fill(layout.spacingY, d.spacingY);
    fill(layout.gridTop, d.gridTop);
    fill(layout.gridLeft, d.gridLeft);
    fill(layout.headerX, d.headerX);
    fill(layout.headerY, d.headerY);
    fill(layout.nameX, d.nameX);
    fill(layout.nameY, d.nameY);
    return layout;
}

int resolutionForQuality(std::int16_t quality, std::span<const int> supported) {
    const bool normal = quality == QualityNormal;
    if (supported.empty()) {
        return normal ? 300 : 150;
    }
    int best = 0;
    if (normal) {
        int distance = std::numeric_limits<int>::max();
        for (const int dpi : supported) {
            if (dpi > 0 && std::abs(dpi - 300) < distance) {
                distance = std::abs(dpi - 300);
                best = dpi;
            }
        }
    } else {
        for (const int dpi : supported) {
            if (dpi >= 150 && (best < 150 || dpi < best)) {
                best = dpi;
            } else if (dpi > 0 && dpi < 150 && best < 150 && dpi > best) {
                best = dpi;
            }
        }
    }
    return best > 0 ? best : (normal ? 300 : 150);
}

} // namespace quintora
