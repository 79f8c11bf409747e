#pragma once

#include "archive/Draw.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintora {

// The figures of one draw, over its main numbers.
struct DrawFigures {
    std::optional<int> repeats; // numbers also in the previous draw; none for the oldest
    int even = 0;
    int odd = 0;
    int longestRun = 1; // consecutive numbers in the order drawn (1..5)
    int sum = 0;
};

DrawFigures drawFigures(const Draw& draw, const Draw* previous);

// The sum's class: 1 = 15..60, 2 = 61..106, 3 = 107..152, 4 = 153..198, 5 = 199..240;
// 0 outside 15..240.
int sumClass(int sum);

// The six tables over every draw of the archive; entry 0 of each is its first row.
struct ArchiveStats {
    std::array<std::int32_t, 5> consecutive{};             // longest run 1..5
    std::array<std::int32_t, 6> repeats{};                 // 0..5; the oldest draw is not counted
    std::array<std::int32_t, 6> even{};                    // 0..5
    std::array<std::int32_t, 6> odd{};                     // 0..5
    std::array<std::int32_t, 5> sumClasses{};              // classes 1..5
    std::array<std::int32_t, MainNumberCount> frequency{}; // main numbers 1..50

    bool operator==(const ArchiveStats&) const = default;
};

// Empty records are left out; a draw's previous draw is the one before it in the archive.
ArchiveStats computeStatistics(const DrawArchive& archive);

// The tables in the order of the window's options.
enum class StatTable { Consecutive, Repeats, Even, Odd, Sum, Frequency };
inline constexpr std::array<StatTable, 6> AllStatTables = {
    StatTable::Consecutive, StatTable::Repeats, StatTable::Even,
    StatTable::Odd,         StatTable::Sum,     StatTable::Frequency};

// One bar chart: its column label, one label and one value per row.
struct StatChart {
    std::string title; // "Consecutivi", "Ripetuti", "Pari", "Dispari", "Somma", "Frequenza Numeri"
    std::vector<std::string> labels; // "03 -->      12", "0061-0106 -->      40"
    std::vector<std::int32_t> values;
};

StatChart statisticsChart(const ArchiveStats& stats, StatTable table);

} // namespace quintora
