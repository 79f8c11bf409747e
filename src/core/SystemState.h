#pragma once

#include "core/GameModel.h"
#include "core/Money.h"
#include "core/NumberSet.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The system's numbers and conditions as the program works with them: switches are bools,
// numbers are number sets, accepted counts are count sets. The system file's own shapes (-1/0
// flags, 0/1 mark tables, lists with their counts) live only in its reader and writer.

// What the system plays: the numbers in play (1..50) and the Euro numbers (any the game draws).
class SystemHeader {
public:
    std::string systemType; // UTF-8 inside the program

    NumberSet numbers() const { return numbers_; }
    NumberSet euros() const { return euros_; }
    int numberCount() const { return numbers_.size(); }
    int euroCount() const { return euros_.size(); }
    // Numbers outside 1..50 (Euro numbers outside the widest rule's range) are left out.
    void setNumbers(NumberSet numbers);
    void setEuros(NumberSet euros);

    bool operator==(const SystemHeader&) const = default;

private:
    NumberSet numbers_;
    NumberSet euros_;
};

// The sum, even/odd, fixed-number and reduced-N conditions.
class ConditionSet {
public:
    std::int16_t sumFrom = 0;
    std::int16_t sumTo = 0;
    std::uint8_t reducedN = 0;

    bool evenOddOn() const { return evenOddOn_; }
    bool sumOn() const { return sumOn_; }
    bool fixedOn() const { return fixedOn_; }
    bool reducedOn() const { return reducedOn_; }
    void setEvenOddOn(bool on) { evenOddOn_ = on; }
    void setSumOn(bool on) { sumOn_ = on; }
    void setFixedOn(bool on) { fixedOn_ = on; }
    void setReducedOn(bool on) { reducedOn_ = on; }
    // Count k in the set: columns with exactly k even numbers pass.
    CountSet evenCounts() const { return evenCounts_; }
    void setEvenCounts(CountSet counts) { evenCounts_ = counts; }
    NumberSet fixed() const { return fixed_; }
    int fixedCount() const { return fixed_.size(); }
    // Exactly these numbers are fixed; numbers outside 1..50 are left out.
    void setFixed(NumberSet numbers);

    bool operator==(const ConditionSet&) const = default;

private:
    CountSet evenCounts_;
    NumberSet fixed_;
    bool evenOddOn_ = false;
    bool sumOn_ = false;
    bool fixedOn_ = false;
    bool reducedOn_ = false;
};

// The excluded-column condition: at most MaxExcluded columns, each as the file holds it.
class ExcludedSet {
public:
    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    std::span<const Column> columns() const { return columns_; }
    // Keeps at most MaxExcluded columns; returns how many were kept.
    std::size_t setColumns(std::span<const Column> columns);

    bool operator==(const ExcludedSet&) const = default;

private:
    std::vector<Column> columns_;
    bool on_ = false;
};

// The consecutive-numbers condition: the accepted lengths 1..5 of a column's longest run.
class ConsecutiveCondition {
public:
    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    CountSet runs() const { return runs_; }
    void setRuns(CountSet runs) { runs_ = CountSet::fromBits(runs.bits() & 0x3EU); }

    bool operator==(const ConsecutiveCondition&) const = default;

private:
    CountSet runs_;
    bool on_ = false;
};

class MinimumDistance {
public:
    std::uint8_t minDistance = 0; // 1..5; 0 before the dialog was first opened

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }

    bool operator==(const MinimumDistance&) const = default;

private:
    bool on_ = false;
};

// One filter column: its members (numbers 1..50), the accepted hit counts among them, and
// whether it takes part in a development.
class FilterColumn {
public:
    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    NumberSet memberSet() const { return members_; }
    void setMembers(NumberSet numbers); // numbers outside 1..50 are left out
    void addMember(int n) {
        if (isMainNumber(n)) {
            members_.insert(n);
        }
    }
    // Exactly k hits among the members pass when k is in the set.
    CountSet hits() const { return hits_; }
    void setHits(CountSet hits) { hits_ = hits; }

    bool operator==(const FilterColumn&) const = default;

private:
    NumberSet members_;
    CountSet hits_;
    bool on_ = false;
};

// The one system of the run: everything a system file stores plus the run-time fields.
struct SystemState {
    SystemHeader header;
    ConditionSet conditions;
    ExcludedSet excluded;
    ConsecutiveCondition consecutive;
    MinimumDistance minimumDistance;
    std::array<FilterColumn, MaxFilterColumns> filters{};
    std::int32_t filterCount = 0; // slots 0..filterCount-1 are the switched-on filter columns
    std::vector<Column> columns;  // the developed system, at most MaxColumns

    // Run-time fields, never saved.
    bool locked = false; // developed columns: numbers and conditions are read-only
    std::string systemPath;
    std::string systemFileName;
    Cents pricePerColumn = 200;
    double developmentStart = 0; // seconds since the epoch

    std::int32_t columnCount() const { return static_cast<std::int32_t>(columns.size()); }
    bool filtersOn() const { return filterCount >= 1; }
};

// Empties the system's data: columns, type, conditions, filters, excluded table and the lock.
// With keepNumbers the counts of numbers in play and Euro numbers stay; the window
// clears its grids itself. Path, file name and cost are kept.
void clearSystemData(SystemState& state, bool keepNumbers);

// C(n, 5), the size of the integral system; 0 below 5.
double integralSize(int numbersInPlay);

// pricePerColumn x columnCount.
Cents systemCost(const SystemState& state);

// The numbers in play become the marked grid cells (one bool per cell, in grid order).
void setNumbersInPlay(SystemHeader& header, std::span<const bool> mainMarks);

// The numbers in play and the Euro numbers in ascending order.
std::vector<std::uint8_t> numbersInPlay(const SystemHeader& header);
std::vector<std::uint8_t> euroNumbers(const SystemHeader& header);

// Before a development: fixed numbers that are no longer in play are dropped.
void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay);

// Slots 0..filterCount-1 become the switched-on filter columns in their old order,
// the others follow in their old order; returns the new filterCount.
std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters);

} // namespace quintora
