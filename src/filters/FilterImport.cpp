#include "filters/FilterImport.h"

#include "files/FileIo.h"

#include <algorithm>

namespace quintora {

namespace {

constexpr std::string_view Separators = " \t-,;.";

bool isSeparator(char c) {
    return Separators.find(c) != std::string_view::npos;
}

// The next line ending at LF, CR LF or a lone CR, removed from `rest`.
std::string_view takeLine(std::string_view& rest) {
    const auto end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        const auto line = rest;
        rest = {};
        return line;
    }
    const auto line = rest.substr(0, end);
    const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crlf ? 2 : 1));
    return line;
}

bool isEmptyLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A member number 1..50 written in digits, or 0 for anything else.
int memberNumber(std::string_view piece) {
    if (piece.empty() || piece.size() > 4) {
        return 0;
    }
    int value = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return isMainNumber(value) ? value : 0;
}

// Fills `filter` from one line; returns the number of pieces left out.
std::int32_t parseFilterLine(std::string_view line, FilterColumn& filter) {
    std::int32_t skipped = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) {
            ++i;
        }
        if (i == start) {
            break;
        }
        const int n = memberNumber(line.substr(start, i - start));
        if (n == 0) {
            ++skipped;
        } else {
            filter.members[n - 1] = 1;
        }
    }
    return skipped;
}

} // namespace

FilterImportResult loadTextToFilters(std::array<FilterColumn, MaxFilterColumns>& table,
                                     std::string_view text, std::int32_t acceptedHits) {
    table.fill(FilterColumn{});
    FilterImportResult result;
    std::string_view rest = text;
    // Editors that save UTF-8 may put a byte-order mark before the first number.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (rest.substr(0, bom.size()) == bom) {
        rest.remove_prefix(bom.size());
    }
    while (!rest.empty() && result.loaded < MaxFilterColumns) {
        const std::string_view line = takeLine(rest);
        if (isEmptyLine(line)) {
            continue;
        }
        FilterColumn& filter = table[static_cast<std::size_t>(result.loaded)];
        result.skippedPieces += parseFilterLine(line, filter);
        filter.acceptedHits = acceptedHits;
        filter.active = FlagOn;
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
        std::string_view piece = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        while (!piece.empty() && piece.front() == ' ') {
            piece.remove_prefix(1);
        }
        while (!piece.empty() && piece.back() == ' ') {
            piece.remove_suffix(1);
        }
        if (piece.size() != 1 || piece[0] < '0' || piece[0] > '5') {
            return Error{"", "Numero di presenze non valido: \"" +
                                 std::string(piece.substr(0, 20)) + "\" (ammessi 0..5)"};
        }
        hits |= std::int32_t{1} << (piece[0] - '0');
    }
    return hits;
}

} // namespace quintora
