// Any bytes as a slip calibration file. A file that reads must write back the same way, and
// with what the reader kept, to the very bytes it was read from.
#include "print/CalibrationFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const auto layout = decodeCalibration(std::span(data, size));
    if (!layout) {
        return 0;
    }
    const auto stored = decodeStoredCalibration(std::span(data, size));
    if (!stored ||
        !std::ranges::equal(encodeCalibration(stored.value().layout, stored.value().kept),
                            std::span(data, size))) {
        std::abort();
    }
    const auto written = encodeCalibration(layout.value());
    const auto again = decodeCalibration(written);
    if (!again || encodeCalibration(again.value()) != written) {
        std::abort();
    }
    return 0;
}
