// Any bytes as a slip calibration file. A file that reads must write back the same way.
#include "print/CalibrationFile.h"

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
    const auto written = encodeCalibration(layout.value());
    const auto again = decodeCalibration(written);
    if (!again || encodeCalibration(again.value()) != written) {
        std::abort();
    }
    return 0;
}
