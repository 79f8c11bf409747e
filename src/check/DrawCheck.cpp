#include "check/DrawCheck.h"

#include "check/PopcountClones.h"

#include <algorithm>
#include <bit>

namespace quintora {

namespace {

// The main numbers 1..50 alone, nothing for any other byte: a column's numbers in five
// look-ups, whatever its bytes hold.
constexpr std::array<NumberSet, 256> numberAlone = [] {
    std::array<NumberSet, 256> sets{};
    for (int n = 1; n <= MainNumberCount; ++n) {
        sets[n] = NumberSet{n};
    }
    return sets;
}();

QUINTORA_POPCOUNT_CLONES
void scanColumns(std::span<const Column> columns, NumberSet drawn,
                 const std::array<int, NumbersPerColumn + 1>& category, DrawCheckResult& result) {
    for (std::size_t n = 0; n < columns.size(); ++n) {
        const auto& col = columns[n];
        const NumberSet numbers = numberAlone[col[0]] | numberAlone[col[1]] | numberAlone[col[2]] |
                                  numberAlone[col[3]] | numberAlone[col[4]];
        const int c = category[(numbers & drawn).size()];
        if (c != NoWinCategory) {
            result.winners[c].push_back(static_cast<std::int32_t>(n + 1));
            result.best = std::min(result.best, c);
        }
    }
}

} // namespace

std::uint32_t systemEuroMask(std::span<const std::uint8_t> systemEuro) {
    std::uint32_t mask = 0;
    for (const int e : systemEuro) {
        if (GameRules::widest().isEuroNumber(e)) {
            mask |= std::uint32_t{1} << e;
        }
    }
    return mask;
}

int euroHits(std::uint32_t systemEuro, std::uint32_t drawnEuro) {
    return std::popcount(systemEuro & drawnEuro);
}

std::uint32_t drawnEuroMask(const WinningCombination& winning) {
    std::uint32_t mask = 0;
    for (const int e : winning.euro) {
        if (e >= 1 && e <= DrawnEuroMax) {
            mask |= std::uint32_t{1} << e;
        }
    }
    return mask;
}

int mainHits(const Column& column, NumberSet drawn) {
    return (numbersOf(column) & drawn).size();
}

DrawCheckResult checkColumns(std::span<const Column> columns,
                             std::span<const std::uint8_t> systemEuro,
                             const WinningCombination& winning) {
    DrawCheckResult result;
    const NumberSet drawn = numbersOf(winning.numbers);
    const int euro = euroHits(systemEuroMask(systemEuro), drawnEuroMask(winning));
    std::array<int, NumbersPerColumn + 1> category{};
    for (int hits = 0; hits <= NumbersPerColumn; ++hits) {
        category[hits] = prizeCategoryOf(hits, euro);
    }
    scanColumns(columns, drawn, category, result);
    return result;
}

std::string winnerLine(std::int32_t column) {
    return "C. " + std::to_string(column);
}

std::string checkResultText(int best) {
    return best >= 0 && best < NoWinCategory
               ? std::string(CheckResultInitialText) + " " + prizeCategoryLabel(best)
               : std::string(NoWinText);
}

} // namespace quintora
