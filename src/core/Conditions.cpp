#include "core/Conditions.h"

#include <algorithm>
#include <numeric>

namespace quintora {

SumRange sumRangeOf(std::span<const std::uint8_t> ascendingInPlay) {
    const auto take = std::min<std::size_t>(ascendingInPlay.size(), NumbersPerColumn);
    const auto low = ascendingInPlay.first(take);
    const auto high = ascendingInPlay.last(take);
    return {std::accumulate(low.begin(), low.end(), 0),
            std::accumulate(high.begin(), high.end(), 0)};
}

int sumFieldValue(std::int16_t stored, const SumRange& range, int fallback) {
    if (stored != 0 && stored >= range.minimum && stored <= range.maximum) {
        return stored;
    }
    return fallback;
}

std::vector<SumCheckFailure> checkSumFields(std::optional<int> from, std::optional<int> to,
                                            const SumRange& range) {
    std::vector<SumCheckFailure> failures;
    if (from.value_or(0) > to.value_or(0)) {
        failures.push_back(
            {Message{text::SlipErrorBanner}, Message{text::FromAboveTo}, SumField::To});
    }
    if (from && *from < range.minimum) {
        failures.push_back(
            {Message{text::ErrorBanner}, Message{text::FromBelowLowest}, SumField::From});
    }
    if (to && *to > range.maximum) {
        failures.push_back(
            {Message{text::ErrorBanner}, Message{text::ToAboveHighest}, SumField::To});
    }
    return failures;
}

void storeSumFields(ConditionSet& conditions, std::optional<int> from, std::optional<int> to) {
    // The fields hold at most three digits, so the values fit 16 bits.
    if (from) {
        conditions.sumFrom = static_cast<std::int16_t>(std::clamp(*from, 0, 999));
    }
    if (to) {
        conditions.sumTo = static_cast<std::int16_t>(std::clamp(*to, 0, 999));
    }
}

int longestRun(std::span<const std::uint8_t> numbers) {
    NumberSet s;
    for (auto n : numbers) {
        if (isMainNumber(n)) {
            s.insert(n);
        }
    }
    return longestRun(s);
}

void storeFixedNumbers(ConditionSet& conditions, std::span<const bool, MainNumberCount> marks) {
    NumberSet fixed;
    for (int i = 0; i < MainNumberCount; ++i) {
        if (marks[i]) {
            fixed.insert(i + 1);
        }
    }
    conditions.setFixed(fixed);
}

std::int32_t runsMask(std::span<const bool, 5> runLengths1to5) {
    std::int32_t mask = 0;
    for (int k = 1; k <= 5; ++k) {
        if (runLengths1to5[k - 1]) {
            mask |= std::int32_t{1} << k;
        }
    }
    return mask;
}

bool runAllowed(std::int32_t allowedRuns, int length) {
    return length >= 1 && length <= 5 && (allowedRuns & (std::int32_t{1} << length)) != 0;
}

int minimumDistanceOnOpening(std::uint8_t stored) {
    return std::clamp<int>(stored, 1, 5);
}

int reducedLevelOnOpening(std::uint8_t stored) {
    return std::min<int>(stored, 5);
}

bool closeMinimumDistance(SystemState& state, int distance) {
    state.minimumDistance.minDistance = static_cast<std::uint8_t>(std::clamp(distance, 1, 5));
    if (state.minimumDistance.on() && state.conditions.reducedOn()) {
        state.conditions.setReducedOn(false);
        return true;
    }
    return false;
}

bool closeReduced(SystemState& state, int level) {
    state.conditions.reducedN = static_cast<std::uint8_t>(std::clamp(level, 0, 5));
    if (state.conditions.reducedOn() && state.minimumDistance.on()) {
        state.minimumDistance.setOn(false);
        return true;
    }
    return false;
}

} // namespace quintora
