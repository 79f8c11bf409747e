// Any bytes as a column text file (and as an answer to the Euro-number question). Columns
// that import must export to text that imports as the same columns, and the imported
// system must save to a system file that reads back.
#include "files/ColumnText.h"
#include "files/SystemFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static_cast<void>(parseEuroAnswer(text, {}));

    auto imported = importColumnsText(text);
    if (!imported) {
        return 0;
    }
    const auto& columns = imported.value().columns;
    const auto again = importColumnsText(columnTextLines(columns));
    if (!again || again.value().columns != columns || again.value().linesWithExtraPieces != 0) {
        std::abort();
    }
    auto state = std::make_unique<SystemState>();
    applyImportedColumns(*state, std::move(imported.value().columns), {3, 8});
    const auto read = decodeSystemFile(encodeSystemFile(*state));
    if (!read || read.value().state.columns != state->columns) {
        std::abort();
    }
    return 0;
}
