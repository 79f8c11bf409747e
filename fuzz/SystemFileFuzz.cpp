// Any bytes as a system file. What decodes must encode to bytes that decode again and
// encode to the same bytes: the reader accepts everything the writer writes. Written with what
// the reader kept, an unchanged system gives back the very bytes it was read from.
#include "files/SystemFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto loaded = quintora::decodeSystemFile(std::span(data, size));
    if (!loaded) {
        return 0;
    }
    if (!std::ranges::equal(quintora::encodeSystemFile(loaded.value().state, loaded.value().kept),
                            std::span(data, size))) {
        std::abort();
    }
    const auto first = quintora::encodeSystemFile(loaded.value().state);
    const auto again = quintora::decodeSystemFile(first);
    if (!again || quintora::encodeSystemFile(again.value().state) != first) {
        std::abort();
    }
    return 0;
}
