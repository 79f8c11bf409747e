#pragma once

#include "core/GameModel.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// Arrays that the program numbers from 1 are stored from index 0 here:
// numbersInPlay[0] is the first (smallest) number in play, fixedNumbers[n - 1] is number n.

struct SystemHeader {
    std::uint8_t numbersInPlayCount = 0;                       // 0..50
    std::uint8_t euroCount = 0;                                // 0..2
    std::string systemType;                                    // UTF-8 inside the program
    std::array<std::uint8_t, MainNumberCount> numbersInPlay{}; // ascending; stale behind the count
    std::array<std::uint8_t, EuroNumberCount> euroNumbers{};
};

struct ConditionSet {
    Flag evenOddActive = FlagOff;
    Flag sumActive = FlagOff;
    Flag fixedActive = FlagOff;
    std::array<Flag, 6> evenCountAllowed{}; // entry k: columns with exactly k even numbers pass
    std::int16_t sumFrom = 0;
    std::int16_t sumTo = 0;
    std::array<std::uint8_t, MainNumberCount> fixedNumbers{}; // entry n-1 is 1 when n is fixed
    std::uint8_t fixedCount = 0;
    Flag reducedActive = FlagOff;
    std::uint8_t reducedN = 0;
};

struct ExcludedSet {
    Flag excludedActive = FlagOff;
    std::array<Column, MaxExcluded> excludedColumns{};
    std::int32_t excludedCount = 0; // 0..MaxExcluded
};

struct ConsecutiveCondition {
    std::int32_t allowedRuns = 0; // bit k set: longest run of length k passes (k = 1..5)
    Flag consecutiveActive = FlagOff;
};

struct MinimumDistance {
    std::uint8_t minDistance = 0; // 1..5; 0 before the dialog was first opened
    Flag minDistanceActive = FlagOff;
};

struct FilterColumn {
    std::array<std::uint8_t, MainNumberCount> members{}; // entry n-1 is 1 when n is a member
    std::int32_t acceptedHits = 0; // bit k set: exactly k hits among the members pass
    Flag active = FlagOff;

    bool operator==(const FilterColumn&) const = default;
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
    std::int32_t guiLocked = 0;
    Flag stopRequested = FlagOff;
    std::string systemPath;
    std::string systemFileName;
    float costPerColumn = 2.0f;
    double developmentStart = 0; // seconds since the epoch

    std::int32_t columnCount() const { return static_cast<std::int32_t>(columns.size()); }
};

// Empties the system's data: columns, type, conditions, filters, excluded table and the lock.
// With keepNumbers the counts of numbers in play and Euro numbers stay; the window
// clears its grids itself. Path, file name and cost are kept.
void clearSystemData(SystemState& state, bool keepNumbers);

// C(n, 5), the size of the integral system; 0 below 5.
double integralSize(int numbersInPlay);

// costPerColumn x columnCount, in euros.
double systemCost(const SystemState& state);

// Rebuilds numbersInPlay / euroNumbers from marks (one bool per grid cell, in grid order).
// The counts are set to the number of marks (at most the table sizes).
void setNumbersInPlay(SystemHeader& header, std::span<const bool> mainMarks);
void setEuroNumbers(SystemHeader& header, std::span<const bool> euroMarks);

// The numbers in play as a list (the first numbersInPlayCount entries).
std::span<const std::uint8_t> numbersInPlay(const SystemHeader& header);
std::span<const std::uint8_t> euroNumbers(const SystemHeader& header);
// The numbers in play (those of 1..50) as a mask.
NumberMask numbersInPlayMask(const SystemHeader& header);

// Before a development: fixed numbers that are no longer in play are dropped and
// fixedCount is lowered by one for each (never below 0).
void dropFixedNumbersNotInPlay(ConditionSet& conditions, std::span<const std::uint8_t> inPlay);

// Slots 0..filterCount-1 become the switched-on filter columns in their old order,
// the others follow in their old order; returns the new filterCount.
std::int32_t rearrangeFilters(std::array<FilterColumn, MaxFilterColumns>& filters);

} // namespace quintora
