// The exact odds and guarantee of a system: 1,000 and 200,000 columns through the analysis,
// and 1,000 columns the straightforward way (every column against every outcome).
#include "check/SystemAnalysis.h"
#include "RatioReporter.h"
#include "support/ReferenceAnalysis.h"
#include "support/SystemBuilders.h"

#include <random>

using namespace quintora;

namespace {

const std::array<std::uint8_t, 2> systemEuro{3, 8};

const std::vector<Column>& system1000() {
    static const auto columns = builders::randomColumns(1000, 7);
    return columns;
}

void engine1000(benchmark::State& st) {
    const auto expected = reference::systemOdds(system1000(), systemEuro, 10);
    const auto got = analyseSystem(system1000(), systemEuro, 10);
    if (!got || got->odds.outcomes != expected) {
        st.SkipWithError("the analysis disagrees with the straightforward way");
        return;
    }
    for (auto _ : st) {
        auto r = analyseSystem(system1000(), systemEuro, 10);
        benchmark::DoNotOptimize(r);
    }
}

void baseline1000(benchmark::State& st) {
    for (auto _ : st) {
        auto r = reference::systemOdds(system1000(), systemEuro, 10);
        benchmark::DoNotOptimize(r);
    }
}

void engine200k(benchmark::State& st) {
    const auto columns = builders::randomColumns(MaxColumns, 7);
    for (auto _ : st) {
        auto r = analyseSystem(columns, systemEuro, 12);
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

BENCHMARK(engine1000)->Name("Analysis1000/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(baseline1000)
    ->Name("Analysis1000/baseline")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(engine200k)->Name("Analysis200k/engine")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return quintora::bench::runBenchmarks(argc, argv);
}
