#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace quintora::bench {

// Prints the usual table, then for every benchmark "Case/engine" beside "Case/baseline" the
// ratio baseline time / engine time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> seconds_; // per iteration, by benchmark name
};

// Runs the registered benchmarks with the ratio reporter; the main() of every bench program.
int runBenchmarks(int argc, char** argv);

} // namespace quintora::bench
