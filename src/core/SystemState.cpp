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
    state.excluded = ExcludedSet{};
    state.locked = false;
}

double integralSize(int n) {
    return static_cast<double>(binomial(n, NumbersPerColumn));
}

Cents systemCost(const SystemState& state) {
    return state.pricePerColumn * state.columnCount();
}

NumberSet SystemHeader::numbers() const {
    return NumberSet::of(quintora::numbersInPlay(*this));
}

NumberSet SystemHeader::euros() const {
    return NumberSet::of(quintora::euroNumbers(*this));
}

namespace {

template <std::size_t N>
std::uint8_t fillAscending(std::array<std::uint8_t, N>& list, NumberSet numbers, int high) {
    std::size_t count = 0;
    for (const int n : numbers.ascending()) {
        if (n >= 1 && n <= high && count < N) {
            list[count++] = static_cast<std::uint8_t>(n);
        }
    }
    std::fill(list.begin() + static_cast<std::ptrdiff_t>(count), list.end(), std::uint8_t{0});
    return static_cast<std::uint8_t>(count);
}

} // namespace

void SystemHeader::setNumbers(NumberSet numbers) {
    numbersInPlayCount = fillAscending(numbersInPlay, numbers, MainNumberCount);
}

void SystemHeader::setEuros(NumberSet euros) {
    euroCount = fillAscending(euroNumbers, euros, GameRules::widest().euroMax());
}

namespace {

constexpr std::uint64_t MainNumbers = ((std::uint64_t{1} << MainNumberCount) - 1) << 1;

} // namespace

void ConditionSet::setFixed(NumberSet numbers) {
    fixed_ = NumberSet::fromBits(numbers.bits() & MainNumbers);
}

std::size_t ExcludedSet::setColumns(std::span<const Column> columns) {
    const auto kept = std::min<std::size_t>(columns.size(), MaxExcluded);
    columns_.assign(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(kept));
    return kept;
}

void FilterColumn::setMembers(NumberSet numbers) {
    members_ = NumberSet::fromBits(numbers.bits() & MainNumbers);
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

std::span<const std::uint8_t> numbersInPlay(const SystemHeader& header) {
    return std::span(header.numbersInPlay)
        .first(std::min<std::size_t>(header.numbersInPlayCount, MainNumberCount));
}

std::span<const std::uint8_t> euroNumbers(const SystemHeader& header) {
    return std::span(header.euroNumbers)
        .first(std::min<std::size_t>(header.euroCount, EuroListSlots));
}

NumberMask numbersInPlayMask(const SystemHeader& header) {
    NumberMask m = 0;
    for (auto n : numbersInPlay(header)) {
        m |= isMainNumber(n) ? numberBit(n) : 0;
    }
    return m;
}

void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay) {
    conditions.setFixed(
        NumberSet::fromBits(conditions.fixed().bits() & NumberSet::of(inPlay).bits()));
}

std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters) {
    const auto end = std::stable_partition(filters.begin(), filters.end(),
                                           [](const FilterColumn& f) { return f.on(); });
    return static_cast<std::int32_t>(end - filters.begin());
}

} // namespace quintora
