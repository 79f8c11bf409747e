#include "core/SystemState.h"

#include "core/GameRules.h"

#include <algorithm>

namespace quintora {

void clearSystemData(SystemState& state, bool keepNumbers) {
    if (!keepNumbers) {
        state.header.setNumbers({});
        state.header.setEuros({});
    }
    state.columns.clear();
    state.header.systemType.clear();
    state.conditions = ConditionSet{};
    state.filters.fill(FilterColumn{});
    state.filterCount = 0;
    state.consecutive = ConsecutiveCondition{};
    state.minimumDistance = MinimumDistance{};
    state.excluded = ExcludedSet{};
    state.locked = false;
}

double integralSize(int n) {
    return static_cast<double>(binomial(n, NumbersPerColumn));
}

Cents systemCost(const SystemState& state) {
    return state.pricePerColumn * state.columnCount();
}

namespace {

constexpr NumberSet MainNumbers = NumberSet::range(1, MainNumberCount);

std::vector<std::uint8_t> ascendingBytes(NumberSet numbers) {
    std::vector<std::uint8_t> list;
    list.reserve(static_cast<std::size_t>(numbers.size()));
    for (const int n : numbers) {
        list.push_back(static_cast<std::uint8_t>(n));
    }
    return list;
}

} // namespace

void SystemHeader::setNumbers(NumberSet numbers) {
    numbers_ = numbers & MainNumbers;
}

void SystemHeader::setEuros(NumberSet euros) {
    euros_ = euros & NumberSet::range(1, GameRules::widest().euroMax());
}

void ConditionSet::setFixed(NumberSet numbers) {
    fixed_ = numbers & MainNumbers;
}

std::size_t ExcludedSet::setColumns(std::span<const Column> columns) {
    const auto kept = std::min<std::size_t>(columns.size(), MaxExcluded);
    columns_.assign(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(kept));
    return kept;
}

void FilterColumn::setMembers(NumberSet numbers) {
    members_ = numbers & MainNumbers;
}

void setNumbersInPlay(SystemHeader& header, std::span<const bool> mainMarks) {
    NumberSet marked;
    for (std::size_t i = 0; i < mainMarks.size(); ++i) {
        if (mainMarks[i]) {
            marked.insert(static_cast<int>(i) + 1);
        }
    }
    header.setNumbers(marked);
}

std::vector<std::uint8_t> numbersInPlay(const SystemHeader& header) {
    return ascendingBytes(header.numbers());
}

std::vector<std::uint8_t> euroNumbers(const SystemHeader& header) {
    return ascendingBytes(header.euros());
}

void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay) {
    conditions.setFixed(conditions.fixed() & NumberSet::of(inPlay));
}

std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters) {
    const auto end = std::stable_partition(filters.begin(), filters.end(),
                                           [](const FilterColumn& f) { return f.on(); });
    return static_cast<std::int32_t>(end - filters.begin());
}

} // namespace quintora
