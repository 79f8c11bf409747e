// Reading and writing a system of 200,000 columns, beside a byte-at-a-time stream.
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "RatioReporter.h"
#include "support/SystemBuilders.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace quintora;

namespace {

SystemState biggest() {
    SystemState s = builders::firstNumbers(50);
    builders::setEuroNumbers(s, 3, 4);
    s.header.systemType = "Integrale - ***";
    s.columns.reserve(MaxColumns);
    for (int i = 0; i < MaxColumns; ++i) {
        s.columns.push_back({static_cast<std::uint8_t>(i % 46 + 1), 47, 48, 49, 50});
    }
    s.filterCount = 1000;
    for (auto& f : s.filters) {
        f.setOn(true);
    }
    return s;
}

std::string path() {
    return (std::filesystem::temp_directory_path() / "quintora-bench.qsy").string();
}

void writeEngine(benchmark::State& st) {
    const auto s = biggest();
    for (auto _ : st) {
        if (!saveSystemFile(path(), s).ok()) {
            st.SkipWithError("save failed");
        }
    }
}

// The straightforward way: every byte through an unbuffered write call... would take
// seconds; a stream written field by field is the fair comparison.
void writeBaseline(benchmark::State& st) {
    const auto s = biggest();
    for (auto _ : st) {
        std::ofstream out(path(), std::ios::binary | std::ios::trunc);
        for (char c : encodeSystemFile(SystemState{})) {
            out.put(c);
        }
        for (const auto& col : s.columns) {
            for (auto v : col) {
                out.put(static_cast<char>(v));
            }
        }
    }
}

void readEngine(benchmark::State& st) {
    (void)saveSystemFile(path(), biggest());
    for (auto _ : st) {
        auto r = readSystemFile(path());
        benchmark::DoNotOptimize(r);
    }
}

void readBaseline(benchmark::State& st) {
    (void)saveSystemFile(path(), biggest());
    for (auto _ : st) {
        std::ifstream in(path(), std::ios::binary);
        std::vector<Column> cols(MaxColumns);
        in.seekg(155 + 15);
        for (auto& col : cols) {
            for (auto& v : col) {
                v = static_cast<std::uint8_t>(in.get());
            }
        }
        benchmark::DoNotOptimize(cols);
    }
}

} // namespace

BENCHMARK(writeEngine)->Name("write_200000_columns/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(writeBaseline)->Name("write_200000_columns/baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(readEngine)->Name("read_200000_columns/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(readBaseline)->Name("read_200000_columns/baseline")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return quintora::bench::runBenchmarks(argc, argv);
}
