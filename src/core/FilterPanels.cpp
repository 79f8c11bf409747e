#include "core/FilterPanels.h"

#include "core/Format.h"

#include <algorithm>

namespace quintora {

int movePanel(int panel, int delta) {
    // Computed wide so that no delta can wrap around.
    const long long target = static_cast<long long>(panel) + delta;
    return static_cast<int>(std::clamp<long long>(target, 1, MaxFilterColumns));
}

std::int32_t hitsMask(std::span<const bool, 6> hits0to5) {
    std::int32_t mask = 0;
    for (int k = 0; k <= 5; ++k) {
        if (hits0to5[k]) {
            mask |= std::int32_t{1} << k;
        }
    }
    return mask;
}

bool hitAccepted(std::int32_t acceptedHits, int hits) {
    return hits >= 0 && hits <= 5 && (acceptedHits & (std::int32_t{1} << hits)) != 0;
}

int activeFilterCount(std::span<const FilterColumn> filters) {
    return static_cast<int>(std::count_if(filters.begin(), filters.end(),
                                          [](const FilterColumn& f) { return f.on(); }));
}

std::string formatFilterCount(int value) {
    return value >= 0 && value < 10 ? twoDigits(value) : formatCount(value);
}

} // namespace quintora
