#pragma once

#include "core/Message.h"
#include "core/SystemState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// Rules of the condition dialogs that are not view: what they show on opening and what
// they store on closing. The dialogs only read and write SystemState through these.

// Lowest and highest sum of a column made of the numbers in play: the five smallest and the
// five largest. With fewer than five numbers the sum of all of them.
struct SumRange {
    int minimum = 0;
    int maximum = 0;
};
SumRange sumRangeOf(std::span<const std::uint8_t> ascendingInPlay);

// What a sum field shows on opening: the stored bound when it is nonzero and inside the
// range, else the given fallback (the minimum for "DA", the maximum for "A").
int sumFieldValue(std::int16_t stored, const SumRange& range, int fallback);

// One failed check of the sum fields when the dialog closes.
enum class SumField { From, To };
struct SumCheckFailure {
    Message title;
    Message text;
    SumField focus;
};

// The three independent checks, in order; an empty field is nullopt (it reads as 0 in the
// first check and is skipped by the other two).
std::vector<SumCheckFailure> checkSumFields(std::optional<int> from, std::optional<int> to,
                                            const SumRange& range);

// Stores the non-empty fields in sumFrom / sumTo, whatever the checks found.
void storeSumFields(ConditionSet& conditions, std::optional<int> from, std::optional<int> to);

// Longest run of consecutive numbers among the numbers of 1..50 in a list (see the mask
// version in GameModel.h), capped at 5; 0 for an empty list.
int longestRun(std::span<const std::uint8_t> numbers);

// Fixed numbers: whether one more may be selected, and storing the 50 marks.
inline bool canSelectAnotherFixed(int selected) {
    return selected < MaxFixedNumbers;
}
void storeFixedNumbers(ConditionSet& conditions, std::span<const bool, MainNumberCount> marks);

// Consecutive runs: marks for the run lengths 1..5 <-> the allowedRuns bit set.
std::int32_t runsMask(std::span<const bool, 5> runLengths1to5);
bool runAllowed(std::int32_t allowedRuns, int length);

// Minimum distance and reduced-N: the value the scroll bar shows on opening.
int minimumDistanceOnOpening(std::uint8_t stored); // 1..5
int reducedLevelOnOpening(std::uint8_t stored);    // 0..5

// Closing the minimum-distance dialog: stores the distance; when both reductions are on,
// switches the reduced-N guarantee off and returns true (the caller warns).
bool closeMinimumDistance(SystemState& state, int distance);
// Closing the reduced-N dialog: stores the level; when both are on, switches the minimum
// distance off and returns true.
bool closeReduced(SystemState& state, int level);

} // namespace quintora
