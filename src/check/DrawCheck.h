#pragma once

#include "check/PrizeCategory.h"
#include "check/WinningCombination.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The check dialog's texts.
inline constexpr const char* CheckResultInitialText = "Massimo punteggio raggiunto";
inline constexpr const char* NoWinText = "Nessuna Vincita";

// The system's Euro numbers that can match. Any number the game draws (1..12) counts, each
// once: a system's 11 matches a drawn 11.
NumberSet systemEuros(std::span<const std::uint8_t> systemEuro);
// EuroHits: the system's Euro numbers among the drawn ones.
int euroHits(NumberSet systemEuro, NumberSet drawnEuro);
// The winning combination's Euro numbers (those in 1..12).
NumberSet drawnEuros(const WinningCombination& winning);

// MainHits: the distinct numbers of the column (those of 1..50) among the drawn ones.
int mainHits(const Column& column, NumberSet drawn);

// One check of a system against one winning combination.
struct DrawCheckResult {
    // Per category 0..11, the winning columns' 1-based positions in the system, ascending.
    std::array<std::vector<std::int32_t>, PrizeCategoryCount> winners;
    int best = NoWinCategory;
};

DrawCheckResult checkColumns(std::span<const Column> columns,
                             std::span<const std::uint8_t> systemEuro,
                             const WinningCombination& winning);

// A line of a category's list: "C. 17".
std::string winnerLine(std::int32_t column);
// The result line: "Massimo punteggio raggiunto 4+1", or "Nessuna Vincita".
std::string checkResultText(int best);

} // namespace quintora
