// The development engine beside the straightforward development (the tests' reference).
#include "core/Development.h"
#include "RatioReporter.h"
#include "support/ReferenceDevelopment.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <array>
#include <random>

using namespace quintora;
using namespace quintora::builders;

namespace {

SystemState reduced(int level) {
    auto s = firstNumbers(50);
    reduceTo(s, level);
    return s;
}

SystemState minimumDistance(int d) {
    auto s = firstNumbers(50);
    keepMinimumDistance(s, d);
    return s;
}

// 1000 filter columns of 5 numbers, each accepting 0..2 hits.
SystemState thousandFilters() {
    auto s = firstNumbers(40);
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> number(1, 40);
    for (int i = 0; i < MaxFilterColumns; ++i) {
        std::vector<int> members;
        while (members.size() < 5) {
            const int n = number(rng);
            if (std::find(members.begin(), members.end(), n) == members.end()) {
                members.push_back(n);
            }
        }
        addFilter(s, members, {0, 1, 2});
    }
    return s;
}

SystemState cheapConditions() {
    auto s = firstNumbers(50);
    limitSum(s, 118, 124);
    allowEvenCounts(s, {1, 2, 3, 4});
    allowRunLengths(s, {1, 2});
    return s;
}

void engine(benchmark::State& st, SystemState (*make)()) {
    const SystemState s = make();
    std::size_t columns = 0;
    for (auto _ : st) {
        DevelopmentControl control;
        columns = develop(s, {}, control).columns.size();
    }
    st.counters["columns"] = static_cast<double>(columns);
}

void baseline(benchmark::State& st, SystemState (*make)()) {
    const SystemState s = make();
    std::size_t columns = 0;
    for (auto _ : st) {
        columns = reference::develop(s).columns.size();
    }
    st.counters["columns"] = static_cast<double>(columns);
}

// The floor for the integral: a loop that only enumerates the combinations, handing each
// one on as a column. Out of line and aligned on a cache line, so that its speed does not
// depend on where the rest of the program happens to place it.
[[gnu::noinline, gnu::aligned(64)]] void enumerateAll(const auto& v, int n) {
    Column col{};
    for (int a = 0; a <= n - 5; ++a) {
        col[0] = v[a];
        for (int b = a + 1; b <= n - 4; ++b) {
            col[1] = v[b];
            for (int c = b + 1; c <= n - 3; ++c) {
                col[2] = v[c];
                for (int d = c + 1; d <= n - 2; ++d) {
                    col[3] = v[d];
                    for (int e = d + 1; e <= n - 1; ++e) {
                        col[4] = v[e];
                        benchmark::DoNotOptimize(col);
                    }
                }
            }
        }
    }
}

void bareEnumeration(benchmark::State& st) {
    const auto played = numbersInPlay(firstNumbers(50).header);
    std::array<std::uint8_t, MainNumberCount> numbers{};
    std::copy(played.begin(), played.end(), numbers.begin());
    for (auto _ : st) {
        enumerateAll(numbers, 50);
    }
}

SystemState reduced1() {
    return reduced(1);
}
SystemState reduced0() {
    return reduced(0);
}
SystemState reduced2() {
    return reduced(2);
}
SystemState distance3() {
    return minimumDistance(3);
}

} // namespace

#define QUINTORA_PAIR(name, make, iterations)                                                      \
    BENCHMARK_CAPTURE(engine, name, make)->Name(#name "/engine")->Unit(benchmark::kMillisecond);   \
    BENCHMARK_CAPTURE(baseline, name, make)                                                        \
        ->Name(#name "/baseline")                                                                  \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(iterations)

QUINTORA_PAIR(reduced_N1_50_numbers, reduced1, 1);
QUINTORA_PAIR(reduced_N0_50_numbers_to_limit, reduced0, 1);
QUINTORA_PAIR(reduced_N2_50_numbers, reduced2, 2);
QUINTORA_PAIR(minimum_distance_3_50_numbers, distance3, 2);
QUINTORA_PAIR(filters_1000_40_numbers, thousandFilters, 2);
BENCHMARK_CAPTURE(engine, integral_50_cheap_conditions, cheapConditions)
    ->Name("integral_50_cheap_conditions/engine")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareEnumeration)
    ->Name("integral_50_cheap_conditions/baseline")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return quintora::bench::runBenchmarks(argc, argv);
}
