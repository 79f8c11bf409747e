// The checks of a 200,000-column system (against one draw, against the 974 real draws) and the
// statistics of the real archive, each beside the straightforward way.
#include "archive/ArchiveText.h"
#include "archive/Statistics.h"
#include "archive/StatisticsCsv.h"
#include "check/ArchiveCheck.h"
#include "check/DrawCheck.h"
#include "RatioReporter.h"
#include "support/ReferenceCheck.h"
#include "support/SystemBuilders.h"

#include <random>
#include <sstream>

using namespace quintora;

namespace {

const std::array<std::uint8_t, 2> systemEuro{3, 8};

const std::vector<Column>& bigSystem() {
    static const std::vector<Column> columns = builders::randomColumns(MaxColumns, 1);
    return columns;
}

const DrawArchive& realDraws() {
    static const DrawArchive archive = [] {
        auto read = readArchiveText(std::string(QUINTORA_SHIPPED_DATA) + "/eurojackpot-draws.txt");
        return read ? std::move(read.value()) : DrawArchive{};
    }();
    return archive;
}

// The straightforward archive check: presence tables per draw, five look-ups per column.
std::vector<reference::CheckOutcome> archiveBaseline() {
    std::vector<reference::CheckOutcome> out;
    for (const auto& d : realDraws().draws) {
        out.push_back(reference::checkDraw(bigSystem(), systemEuro, d.numbers, d.euro, false));
    }
    return out;
}

void archiveCheckEngine(benchmark::State& st) {
    const auto& archive = realDraws();
    if (archive.count() != 974) {
        st.SkipWithError("the real draws were not found");
        return;
    }
    {
        const ArchiveChecker checker(bigSystem(), systemEuro);
        const auto expected = archiveBaseline();
        for (int i = 0; i < archive.count(); ++i) {
            const auto got = checker.counts(archive.draws[i]);
            if (got.perCategory != expected[i].counts || got.best != expected[i].best) {
                st.SkipWithError("the engine disagrees with the presence-table loop");
                return;
            }
        }
    }
    for (auto _ : st) {
        const ArchiveChecker checker(bigSystem(), systemEuro);
        auto rows = checkArchiveRange(checker, archive, 0, archive.count() - 1);
        benchmark::DoNotOptimize(rows);
    }
}

void archiveCheckBaseline(benchmark::State& st) {
    for (auto _ : st) {
        auto out = archiveBaseline();
        benchmark::DoNotOptimize(out);
    }
}

const Draw& latestDraw() {
    static const Draw fallback{1, {2026, 7, 21}, {4, 8, 10, 17, 37}, {3, 7}};
    return realDraws().draws.empty() ? fallback : realDraws().draws.back();
}

void singleDrawEngine(benchmark::State& st) {
    const auto winning = winningCombinationOf(latestDraw());
    for (auto _ : st) {
        auto r = checkColumns(bigSystem(), systemEuro, winning);
        benchmark::DoNotOptimize(r);
    }
}

void singleDrawBaseline(benchmark::State& st) {
    const auto& d = latestDraw();
    for (auto _ : st) {
        auto r = reference::checkDraw(bigSystem(), systemEuro, d.numbers, d.euro);
        benchmark::DoNotOptimize(r);
    }
}

void statisticsEngine(benchmark::State& st) {
    for (auto _ : st) {
        auto stats = computeStatistics(realDraws());
        auto csv = statisticsCsvText(realDraws());
        benchmark::DoNotOptimize(stats);
        benchmark::DoNotOptimize(csv);
    }
}

// The straightforward statistics: every number compared with every number of the previous
// draw, the file built through a string stream.
void statisticsBaseline(benchmark::State& st) {
    for (auto _ : st) {
        std::array<int, 5> consecutive{}, sums{};
        std::array<int, 6> repeats{}, even{}, odd{};
        std::array<int, 51> frequency{};
        std::ostringstream csv;
        csv << StatisticsCsvHeader << "\r\n";
        const auto& draws = realDraws().draws;
        for (std::size_t i = draws.size(); i-- > 0;) {
            const auto& d = draws[i];
            int e = 0, sum = 0, run = 1, longest = 1, rep = 0;
            for (int k = 0; k < 5; ++k) {
                e += d.numbers[k] % 2 == 0;
                sum += d.numbers[k];
                run = k > 0 && d.numbers[k] == d.numbers[k - 1] + 1 ? run + 1 : 1;
                longest = std::max(longest, run);
                ++frequency[d.numbers[k]];
                if (i > 0) {
                    for (int j = 0; j < 5; ++j) {
                        rep += d.numbers[k] == draws[i - 1].numbers[j];
                    }
                }
            }
            ++even[e];
            ++odd[5 - e];
            ++consecutive[longest - 1];
            ++sums[std::min(4, (sum - 15) / 46)];
            if (i > 0) {
                ++repeats[rep];
            }
            csv << d.dateText() << ';' << d.contest;
            for (int k = 0; k < 5; ++k) {
                csv << ';' << (d.numbers[k] < 10 ? "0" : "") << int{d.numbers[k]};
            }
            csv << ';' << int{d.euro[0]} << ';' << int{d.euro[1]} << ';' << rep << ';' << e << ';'
                << 5 - e << ';' << longest << ';' << sum << "\r\n";
        }
        auto text = csv.str();
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(frequency);
    }
}

} // namespace

BENCHMARK(archiveCheckEngine)
    ->Name("ArchiveCheck200k x 974 draws/engine")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(archiveCheckBaseline)
    ->Name("ArchiveCheck200k x 974 draws/baseline")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(singleDrawEngine)->Name("SingleDraw200k/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(singleDrawBaseline)->Name("SingleDraw200k/baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(statisticsEngine)->Name("Statistics974 with CSV/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(statisticsBaseline)
    ->Name("Statistics974 with CSV/baseline")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return quintora::bench::runBenchmarks(argc, argv);
}
