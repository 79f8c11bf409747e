#pragma once

#include "check/PrizeCategory.h"
#include "core/GameModel.h"
#include "core/Message.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The exact odds of a whole system in one draw and its guarantee. Every (5 of 50, 2 of E)
// outcome is equally likely; the system's best category in an outcome is decided by the best
// main hits of any column together with the system's Euro hits, so the work is one pass over
// the 2,118,760 main draws, whatever the number of columns.

// Per category 0..11 and NoWinCategory, how many outcomes end there; they add up to total.
struct SystemOdds {
    int euroMax = 10;
    std::array<std::int64_t, PrizeCategoryCount + 1> outcomes{};
    std::int64_t total = 0; // C(50,5) * C(euroMax,2)
};

// When `drawn` of the five drawn numbers are among the numbers the system plays: the hits one
// column is sure to have, and how many of those sets reach each count (entry 0 = `drawn` hits,
// down to entry `drawn` = 0 hits).
struct GuaranteeLine {
    int drawn = 0;
    int guaranteed = 0;
    std::vector<std::int64_t> setsReaching;
};

struct SystemAnalysis {
    SystemOdds odds;
    std::vector<GuaranteeLine> guarantee; // drawn = 1 .. min(5, numbers played)
};

// Called with 0..100; a set stop flag ends the work early (the result is then nullopt).
struct AnalysisControl {
    std::function<void(int percent)> progress;
    const std::atomic<bool>* stop = nullptr;
};

// Column numbers outside 1..50 and repeats count once or not at all, as in the check. The
// Euro numbers that count are the distinct ones in 1..euroMax.
std::optional<SystemAnalysis> analyseSystem(std::span<const Column> columns,
                                            std::span<const std::uint8_t> systemEuro, int euroMax,
                                            const AnalysisControl& control = {});

// The first number outside 1..50 in the columns, named with its column (1-based), as the
// readers of column files refuse it; nullopt when every number is one of the game's.
std::optional<Message> columnNumberProblem(std::span<const Column> columns);

// The Euro range the analysis takes: 12 when the system plays 11 or 12, else the rules'.
int analysisEuroMax(std::span<const std::uint8_t> systemEuro, GameRules asked);

// How many Euro draws (2 of euroMax) hit k = 0..2 of the system's Euro numbers.
std::array<std::int64_t, 3> euroHitOutcomes(std::span<const std::uint8_t> systemEuro, int euroMax);

// The odds of a category for a reader: "1 su 95.344.200", or "1 su 1,34" below ten. The words
// and separators come from the language; `never` when no outcome wins it.
struct OddsWords {
    std::string oneIn = "1 su %1";
    std::string never = "mai";
    std::string thousands = ".";
    std::string decimal = ",";
};
std::string oddsText(std::int64_t count, std::int64_t total, const OddsWords& words = {});

} // namespace quintora
