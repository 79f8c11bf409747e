#include "core/SystemState.h"

#include <algorithm>

namespace quintora {

void clearSystemData(SystemState& state, bool keepNumbers) {
    if (!keepNumbers) {
        state.header.numbersInPlayCount = 0;
        state.header.euroCount = 0;
    }
    state.columns.clear();
    state.header.systemType.clear();
    state.conditions = ConditionSet{};
    state.filters.fill(FilterColumn{});
    state.filterCount = 0;
    state.consecutive = ConsecutiveCondition{};
    state.minimumDistance = MinimumDistance{};
    state.excluded.excludedColumns.fill(Column{});
    state.excluded.excludedActive = FlagOff;
    state.excluded.excludedCount = 0;
    state.guiLocked = 0;
}

double integralSize(int n) {
    return static_cast<double>(binomial(n, NumbersPerColumn));
}

double systemCost(const SystemState& state) {
    return static_cast<double>(state.costPerColumn) * state.columnCount();
}

namespace {

template <std::size_t N>
std::uint8_t fillFromMarks(std::array<std::uint8_t, N>& list, std::span<const bool> marks) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < marks.size() && count < N; ++i) {
        if (marks[i]) {
            list[count++] = static_cast<std::uint8_t>(i + 1);
        }
    }
    return static_cast<std::uint8_t>(count);
}

} // namespace

void setNumbersInPlay(SystemHeader& header, std::span<const bool> mainMarks) {
    header.numbersInPlayCount = fillFromMarks(header.numbersInPlay, mainMarks);
}

void setEuroNumbers(SystemHeader& header, std::span<const bool> euroMarks) {
    header.euroCount = fillFromMarks(header.euroNumbers, euroMarks);
}

std::span<const std::uint8_t> numbersInPlay(const SystemHeader& header) {
    return std::span(header.numbersInPlay)
        .first(std::min<std::size_t>(header.numbersInPlayCount, MainNumberCount));
}

std::span<const std::uint8_t> euroNumbers(const SystemHeader& header) {
    return std::span(header.euroNumbers)
        .first(std::min<std::size_t>(header.euroCount, EuroNumberCount));
}

NumberMask numbersInPlayMask(const SystemHeader& header) {
    NumberMask m = 0;
    for (auto n : numbersInPlay(header)) {
        m |= isMainNumber(n) ? numberBit(n) : 0;
    }
    return m;
}

void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay) {
    NumberMask playing = 0;
    for (auto n : inPlay) {
        playing |= isMainNumber(n) ? numberBit(n) : 0;
    }
    for (int n = 1; n <= MainNumberCount; ++n) {
        if (conditions.fixedNumbers[n - 1] == 1 && (playing & numberBit(n)) == 0) {
            conditions.fixedNumbers[n - 1] = 0;
            if (conditions.fixedCount > 0) {
                --conditions.fixedCount;
            }
        }
    }
}

std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters) {
    const auto end = std::stable_partition(filters.begin(), filters.end(),
                                           [](const FilterColumn& f) { return isOn(f.active); });
    return static_cast<std::int32_t>(end - filters.begin());
}

} // namespace quintora
