// Any bytes as a filter text file (and as a list of accepted hit counts). The import never
// writes outside its slots: loaded slots are switched on with members 0 or 1, the rest
// stay empty.
#include "filters/FilterImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto hits = parseAcceptedHits(text); hits && (hits.value() & ~0x3F) != 0) {
        std::abort();
    }

    constexpr std::int32_t acceptedHits = 0b101;
    auto table = std::make_unique<std::array<FilterColumn, MaxFilterColumns>>();
    const auto result = loadTextToFilters(*table, text, acceptedHits);
    if (result.loaded < 0 || result.loaded > MaxFilterColumns ||
        result.limitReached != (result.loaded == MaxFilterColumns) || result.skippedPieces < 0) {
        std::abort();
    }
    for (std::int32_t i = 0; i < MaxFilterColumns; ++i) {
        const FilterColumn& f = (*table)[static_cast<std::size_t>(i)];
        if (i >= result.loaded) {
            if (!(f == FilterColumn{})) {
                std::abort();
            }
            continue;
        }
        if (!f.on() || f.hits().bits() != static_cast<std::uint32_t>(acceptedHits)) {
            std::abort();
        }
        for (const int m : f.memberSet().ascending()) {
            if (!isMainNumber(m)) {
                std::abort();
            }
        }
    }
    return 0;
}
