#include "check/ArchiveCheck.h"

#include "check/DrawCheck.h"
#include "core/Format.h"

#include <algorithm>

namespace quintora {

DrawCheckRow archiveCheckHeader() {
    DrawCheckRow header;
    header[0] = "Data ";
    header[1] = "Colonna ";
    header[2] = "Max";
    for (int c = 0; c < PrizeCategoryCount; ++c) {
        header[3 + c] = PrizeCategories[c].header;
    }
    return header;
}

std::string drawNumbersCell(const Draw& d) {
    std::string cell;
    for (const int n : d.numbers) {
        cell += (cell.empty() ? "" : "-") + twoDigits(n);
    }
    return cell + " J " + twoDigits(d.euro[0]) + "-" + twoDigits(d.euro[1]);
}

std::string joinedRow(const DrawCheckRow& row) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
        line += (i == 0 ? "" : "\t") + row[i];
    }
    return line;
}

ArchiveChecker::ArchiveChecker(std::span<const Column> columns,
                               std::span<const std::uint8_t> systemEuro)
    : bits_(columns)
    , systemEuro_(systemEuros(systemEuro)) {}

DrawCheckCounts ArchiveChecker::counts(const Draw& draw) const {
    DrawCheckCounts result;
    if (draw.isEmpty()) {
        return result;
    }
    const int euro = euroHits(systemEuro_, eurosOf(draw.euro));
    const auto hits = bits_.hitCounts(draw.numbers);
    for (int k = 0; k <= NumbersPerColumn; ++k) {
        const int c = prizeCategoryOf(k, euro);
        if (c != NoWinCategory && hits[k] > 0) {
            result.perCategory[c] += hits[k];
            result.best = std::min(result.best, c);
        }
    }
    return result;
}

namespace {

DrawCheckRow rowOf(const Draw& draw, const DrawCheckCounts& c) {
    DrawCheckRow row;
    row[0] = draw.dateText();
    row[1] = drawNumbersCell(draw);
    row[2] = prizeCategoryLabel(c.best);
    for (int k = 0; k < PrizeCategoryCount; ++k) {
        row[3 + k] = std::to_string(c.perCategory[k]);
    }
    return row;
}

} // namespace

DrawCheckRow ArchiveChecker::row(const Draw& draw) const {
    return rowOf(draw, counts(draw));
}

std::vector<std::string> archiveCheckDates(const DrawArchive& archive) {
    std::vector<std::string> dates;
    dates.reserve(archive.draws.size());
    for (const auto& d : archive.draws) {
        dates.push_back(d.dateText());
    }
    return dates;
}

std::vector<DrawCheckRow> checkArchiveRange(const ArchiveChecker& checker,
                                            const DrawArchive& archive, int from, int to) {
    return checkArchive(checker, archive, from, to).rows;
}

ArchiveCheckResult checkArchive(const ArchiveChecker& checker, const DrawArchive& archive, int from,
                                int to) {
    ArchiveCheckResult result;
    from = std::max(from, 0);
    to = std::min(to, archive.count() - 1);
    for (int p = from; p <= to; ++p) {
        const Draw& draw = archive.draws[p];
        if (draw.isEmpty()) {
            continue;
        }
        const auto c = checker.counts(draw);
        for (int k = 0; k < PrizeCategoryCount; ++k) {
            result.totals[k] += c.perCategory[k];
        }
        result.rows.push_back(rowOf(draw, c));
        result.won.push_back(c.best != NoWinCategory);
        result.drawsWon += c.best != NoWinCategory ? 1 : 0;
        result.best = std::min(result.best, c.best);
    }
    return result;
}

} // namespace quintora
