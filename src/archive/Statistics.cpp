#include "archive/Statistics.h"

#include "core/Format.h"

#include <cstdio>
#include <span>

namespace quintora {

namespace {

// "     0": five blanks before the count.
std::string countText(std::int32_t count) {
    return "     " + std::to_string(count);
}

void rows(StatChart& chart, std::span<const std::int32_t> values, int firstRow) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        chart.labels.push_back(twoDigits(firstRow + static_cast<int>(i)) + " --> " +
                               countText(values[i]));
        chart.values.push_back(values[i]);
    }
}

// The bounds of the sum classes, as they are counted.
constexpr std::array<std::array<int, 2>, 5> SumClassBounds = {
    {{15, 60}, {61, 106}, {107, 152}, {153, 198}, {199, 240}}};

} // namespace

DrawFigures drawFigures(const Draw& draw, const Draw* previous) {
    DrawFigures f;
    int run = 1;
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
        const int n = draw.numbers[i];
        f.even += n % 2 == 0 ? 1 : 0;
        f.sum += n;
        run = i > 0 && n == draw.numbers[i - 1] + 1 ? run + 1 : 1;
        f.longestRun = std::max(f.longestRun, run);
    }
    f.odd = NumbersPerColumn - f.even;
    if (previous) {
        f.repeats = (mainNumbersOf(draw) & mainNumbersOf(*previous)).size();
    }
    return f;
}

int sumClass(int sum) {
    for (std::size_t c = 0; c < SumClassBounds.size(); ++c) {
        if (sum >= SumClassBounds[c][0] && sum <= SumClassBounds[c][1]) {
            return static_cast<int>(c) + 1;
        }
    }
    return 0;
}

ArchiveStats computeStatistics(const DrawArchive& archive) {
    ArchiveStats s;
    const Draw* previous = nullptr;
    for (const auto& d : archive.draws) {
        if (d.isEmpty()) {
            continue;
        }
        const auto f = drawFigures(d, previous);
        ++s.even[f.even];
        ++s.odd[f.odd];
        ++s.consecutive[f.longestRun - 1];
        if (const int c = sumClass(f.sum); c != 0) {
            ++s.sumClasses[c - 1];
        }
        if (f.repeats) {
            ++s.repeats[*f.repeats];
        }
        // Each number once, even when a draw repeats it.
        for (const int n : mainNumbersOf(d)) {
            ++s.frequency[n - 1];
        }
        previous = &d;
    }
    return s;
}

StatChart statisticsChart(const ArchiveStats& s, StatTable table) {
    StatChart chart;
    switch (table) {
    case StatTable::Consecutive:
        chart.title = "Consecutivi";
        rows(chart, s.consecutive, 1);
        break;
    case StatTable::Repeats:
        chart.title = "Ripetuti";
        rows(chart, s.repeats, 0);
        break;
    case StatTable::Even:
        chart.title = "Pari";
        rows(chart, s.even, 0);
        break;
    case StatTable::Odd:
        chart.title = "Dispari";
        rows(chart, s.odd, 0);
        break;
    case StatTable::Sum:
        chart.title = "Somma";
        for (std::size_t c = 0; c < SumClassBounds.size(); ++c) {
            char bounds[32];
            std::snprintf(bounds, sizeof bounds, "%04d-%04d", SumClassBounds[c][0],
                          SumClassBounds[c][1]);
            chart.labels.push_back(std::string(bounds) + " --> " + countText(s.sumClasses[c]));
            chart.values.push_back(s.sumClasses[c]);
        }
        break;
    case StatTable::Frequency:
        chart.title = "Frequenza Numeri";
        rows(chart, s.frequency, 1);
        break;
    }
    return chart;
}

} // namespace quintora
