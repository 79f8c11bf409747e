#include "filters/FilterImport.h"

#include "core/TextPieces.h"
#include "files/FileIo.h"

namespace quintora {

namespace {

constexpr std::string_view Separators = " \t-,;.";

// A member number 1..50 written in digits, or 0 for anything else.
int memberNumber(std::string_view piece) {
    const auto value = text::digitsValue(piece);
    return value && isMainNumber(*value) ? *value : 0;
}

// Fills `filter` from one line; returns the number of pieces left out.
std::int32_t parseFilterLine(std::string_view line, FilterColumn& filter) {
    std::int32_t skipped = 0;
    text::PieceSplitter pieces(line, Separators);
    while (const auto piece = pieces.next()) {
        const int n = memberNumber(*piece);
        if (n == 0) {
            ++skipped;
        } else {
            filter.addMember(n);
        }
    }
    return skipped;
}

} // namespace

FilterImportResult loadTextToFilters(std::array<FilterColumn, MaxFilterColumns>& table,
                                     std::string_view content, std::int32_t acceptedHits) {
    table.fill(FilterColumn{});
    FilterImportResult result;
    text::LineSplitter lines(text::skipByteOrderMark(content));
    while (result.loaded < MaxFilterColumns) {
        const auto line = lines.next();
        if (!line) {
            break;
        }
        if (text::trim(*line).empty()) {
            continue;
        }
        FilterColumn& filter = table[static_cast<std::size_t>(result.loaded)];
        result.skippedPieces += parseFilterLine(*line, filter);
        filter.setHits(CountSet::fromBits(static_cast<std::uint32_t>(acceptedHits)));
        filter.setOn(true);
        ++result.loaded;
    }
    result.limitReached = result.loaded == MaxFilterColumns;
    return result;
}

Result<FilterImportResult> loadFileToFilters(std::array<FilterColumn, MaxFilterColumns>& table,
                                             const std::string& path, std::int32_t acceptedHits) {
    auto bytes = readWholeFile(path, MaxFilterTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    const auto& b = bytes.value();
    return loadTextToFilters(
        table, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()), acceptedHits);
}

Result<std::int32_t> parseAcceptedHits(std::string_view list) {
    std::int32_t hits = 0;
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view piece = text::trim(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (piece.size() != 1 || piece[0] < '0' || piece[0] > '5') {
            return Error{"", Message{text::InvalidHitCount, {std::string(piece.substr(0, 20))}}};
        }
        hits |= std::int32_t{1} << (piece[0] - '0');
    }
    return hits;
}

} // namespace quintora
