#include "check/GridFilter.h"

#include <unordered_set>

namespace quintora {

GridFilterChoice unfilteredChoice() {
    GridFilterChoice choice;
    choice.fill(AnyCellText);
    return choice;
}

std::vector<std::string> filterEntries(std::span<const DrawCheckRow> rows, int column) {
    if (column < 0 || column >= DrawCheckCellCount) {
        return {};
    }
    std::vector<std::string> entries{AnyCellText};
    std::unordered_set<std::string> seen;
    for (const auto& row : rows) {
        if (seen.insert(row[column]).second) {
            entries.push_back(row[column]);
        }
    }
    return entries;
}

std::vector<bool> rowsShown(std::span<const DrawCheckRow> rows, const GridFilterChoice& choice) {
    std::vector<bool> shown;
    shown.reserve(rows.size());
    for (const auto& row : rows) {
        bool match = true;
        for (int c = 0; c < DrawCheckCellCount && match; ++c) {
            match = choice[c] == AnyCellText || row[c] == choice[c];
        }
        shown.push_back(match);
    }
    return shown;
}

} // namespace quintora
