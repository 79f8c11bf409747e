// Any bytes as a draw archive file and as a downloaded archive text. What reads must write
// back to bytes that read as the same draws.
#include "archive/ArchiveFile.h"
#include "archive/ArchiveText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

void expectRoundTrip(const quintora::DrawArchive& archive) {
    const auto again = quintora::decodeArchive(quintora::encodeArchive(archive));
    if (!again || again.value().draws.size() != archive.draws.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    if (const auto file = decodeArchive(std::span(data, size))) {
        expectRoundTrip(file.value());
    }
    if (const auto text =
            parseArchiveText(std::string_view(reinterpret_cast<const char*>(data), size))) {
        expectRoundTrip(text.value());
    }
    return 0;
}
