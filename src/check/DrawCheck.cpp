#include "check/DrawCheck.h"

#include "check/PopcountClones.h"

#include <algorithm>

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

NumberSet systemEuros(std::span<const std::uint8_t> systemEuro) {
    NumberSet euros;
    for (const int e : systemEuro) {
        if (GameRules::widest().isEuroNumber(e)) {
            euros.insert(e);
        }
    }
    return euros;
}

int euroHits(NumberSet systemEuro, NumberSet drawnEuro) {
    return (systemEuro & drawnEuro).size();
}

NumberSet drawnEuros(const WinningCombination& winning) {
    return eurosOf(winning.euro);
}

int mainHits(const Column& column, NumberSet drawn) {
    return (numbersOf(column) & drawn).size();
}

DrawCheckResult checkColumns(std::span<const Column> columns,
                             std::span<const std::uint8_t> systemEuro,
                             const WinningCombination& winning) {
    DrawCheckResult result;
    const NumberSet drawn = numbersOf(winning.numbers);
    const int euro = euroHits(systemEuros(systemEuro), drawnEuros(winning));
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
