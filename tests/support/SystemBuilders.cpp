#include "support/SystemBuilders.h"

#include <algorithm>

namespace quintora::builders {

namespace {

// Bit k for every k listed: the shape of the hit, run and even-count tables in a file.
std::int32_t bitsOf(const std::vector<int>& values) {
    std::int32_t bits = 0;
    for (int v : values) {
        bits |= std::int32_t{1} << v;
    }
    return bits;
}

} // namespace

SystemState systemOf(const std::vector<int>& numbers) {
    SystemState s;
    s.header.setNumbers(NumberSet::of(numbers));
    setEuroNumbers(s, 3, 7);
    return s;
}

SystemState firstNumbers(int n) {
    std::vector<int> numbers(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        numbers[static_cast<std::size_t>(i)] = i + 1;
    }
    return systemOf(numbers);
}

void setEuroNumbers(SystemState& s, int first, int second) {
    s.header.setEuros({first, second});
}

void fixNumbers(SystemState& s, const std::vector<int>& numbers) {
    auto& c = s.conditions;
    c.setFixedOn(true);
    c.setFixed(NumberSet::of(numbers));
}

void limitSum(SystemState& s, int from, int to) {
    s.conditions.setSumOn(true);
    s.conditions.sumFrom = static_cast<std::int16_t>(from);
    s.conditions.sumTo = static_cast<std::int16_t>(to);
}

void allowEvenCounts(SystemState& s, const std::vector<int>& counts) {
    s.conditions.setEvenOddOn(true);
    CountSet allowed;
    for (int k : counts) {
        allowed.insert(k);
    }
    s.conditions.setEvenCounts(allowed);
}

void allowRunLengths(SystemState& s, const std::vector<int>& lengths) {
    s.consecutive.setRuns(CountSet::fromBits(static_cast<std::uint32_t>(bitsOf(lengths))));
    s.consecutive.setOn(true);
}

void excludeColumns(SystemState& s, const std::vector<Column>& columns) {
    s.excluded.setOn(true);
    s.excluded.setColumns(columns);
}

FilterColumn& addFilter(SystemState& s, const std::vector<int>& members,
                        const std::vector<int>& hits) {
    auto& f = s.filters[static_cast<std::size_t>(s.filterCount++)];
    f = FilterColumn{};
    f.setMembers(NumberSet::of(members));
    f.setHits(CountSet::fromBits(static_cast<std::uint32_t>(bitsOf(hits))));
    f.setOn(true);
    return f;
}

void reduceTo(SystemState& s, int level) {
    s.conditions.setReducedOn(true);
    s.conditions.reducedN = static_cast<std::uint8_t>(level);
}

void keepMinimumDistance(SystemState& s, int distance) {
    s.minimumDistance.minDistance = static_cast<std::uint8_t>(distance);
    s.minimumDistance.setOn(true);
}

Column randomColumn(std::mt19937& random) {
    Column c{};
    NumberSet used;
    for (auto& n : c) {
        do {
            n = static_cast<std::uint8_t>(random() % 50 + 1);
        } while (used.contains(n));
        used.insert(n);
    }
    return c;
}

std::vector<Column> randomColumns(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Column> columns(static_cast<std::size_t>(std::max(count, 0)));
    for (auto& c : columns) {
        c = randomColumn(random);
        std::sort(c.begin(), c.end());
    }
    return columns;
}

} // namespace quintora::builders
