// Any bytes as a matrix file. A file that reads must write back byte for byte.
#include "matrix/MatrixFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const std::span bytes(data, size);
    static_cast<void>(decodeMatrixHeader(bytes));
    const auto matrix = decodeMatrixFile(bytes);
    if (!matrix) {
        return 0;
    }
    const auto written = encodeMatrixFile(matrix.value());
    if (!std::ranges::equal(written, bytes)) {
        std::abort();
    }
    const auto again = decodeMatrixFile(written);
    if (!again || encodeMatrixFile(again.value()) != written) {
        std::abort();
    }
    return 0;
}
