#pragma once

#include "archive/Draw.h"
#include "check/ColumnBits.h"
#include "check/PrizeCategory.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The archive check's grid: per draw its date, its numbers, the best category ("Max") and
// the count of columns in each of the twelve categories.
inline constexpr int DrawCheckCellCount = 3 + PrizeCategoryCount;
using DrawCheckRow = std::array<std::string, DrawCheckCellCount>;

// "Data ", "Colonna ", "Max", "Pt.5+2" ... "Pt.2+1".
DrawCheckRow archiveCheckHeader();

// "05-12-23-34-45 J 03-08"
std::string drawNumbersCell(const Draw& draw);

// The cells separated by tabs, nothing after the last.
std::string joinedRow(const DrawCheckRow& row);

struct DrawCheckCounts {
    std::array<std::int32_t, PrizeCategoryCount> perCategory{};
    int best = NoWinCategory;
};

// Checks one system against any number of draws; the columns are indexed once.
class ArchiveChecker {
public:
    ArchiveChecker(std::span<const Column> columns, std::span<const std::uint8_t> systemEuro);

    // An empty record counts nothing.
    DrawCheckCounts counts(const Draw& draw) const;
    DrawCheckRow row(const Draw& draw) const;

private:
    ColumnBits bits_;
    NumberSet systemEuro_;
};

// The entries of the "from" and "to" drop-downs: the date of every draw in archive order, so
// entry p stands for draws[p].
std::vector<std::string> archiveCheckDates(const DrawArchive& archive);

// The rows of entries from..to (inclusive, archive order); none when from lies after to.
// Empty records are skipped; entries outside the archive are ignored.
std::vector<DrawCheckRow> checkArchiveRange(const ArchiveChecker& checker,
                                            const DrawArchive& archive, int from, int to);

// The rows of a range with what they add up to over its draws.
struct ArchiveCheckResult {
    std::vector<DrawCheckRow> rows;
    std::vector<bool> won; // per row: a column reached a category in that draw
    // Columns per category over every draw of the range; the best category reached.
    std::array<std::int64_t, PrizeCategoryCount> totals{};
    int best = NoWinCategory;
    int drawsWon = 0;
    int drawsChecked() const { return static_cast<int>(rows.size()); }
};
ArchiveCheckResult checkArchive(const ArchiveChecker& checker, const DrawArchive& archive, int from,
                                int to);

} // namespace quintora
