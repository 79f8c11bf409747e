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

// The groups below keep the fields in the form a system file stores them (-1/0 flags, 0/1
// byte arrays with their counts beside them, bit masks), so the file reader and writer copy
// them field by field. Everything else reads and changes them through the typed accessors.
// Arrays that the program numbers from 1 are stored from index 0 here:
// numbersInPlay[0] is the first (smallest) number in play, fixedNumbers[n - 1] is number n.

struct SystemHeader {
    std::uint8_t numbersInPlayCount = 0;                       // 0..50
    std::uint8_t euroCount = 0;                                // 0..2
    std::string systemType;                                    // UTF-8 inside the program
    std::array<std::uint8_t, MainNumberCount> numbersInPlay{}; // ascending; stale behind the count
    std::array<std::uint8_t, EuroListSlots> euroNumbers{};     // any Euro number the game draws

    NumberSet numbers() const;
    NumberSet euros() const;
    // Fills the ascending list and its count (at most the table's size).
    void setNumbers(NumberSet numbers);
    void setEuros(NumberSet euros);
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

// Rebuilds numbersInPlay from marks (one bool per grid cell, in grid order).
// The count is set to the number of marks (at most the table size).
void setNumbersInPlay(SystemHeader& header, std::span<const bool> mainMarks);

// The numbers in play as a list (the first numbersInPlayCount entries).
std::span<const std::uint8_t> numbersInPlay(const SystemHeader& header);
std::span<const std::uint8_t> euroNumbers(const SystemHeader& header);
// The numbers in play (those of 1..50) as a mask.
NumberMask numbersInPlayMask(const SystemHeader& header);

// Before a development: fixed numbers that are no longer in play are dropped.
void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay);

// Slots 0..filterCount-1 become the switched-on filter columns in their old order,
// the others follow in their old order; returns the new filterCount.
std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters);

} // namespace quintora
