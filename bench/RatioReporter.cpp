#include "RatioReporter.h"

#include <cstdio>

namespace quintora::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const auto& r : runs) {
        if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
            auto name = r.benchmark_name();
            if (const auto fixed = name.find("/iterations:"); fixed != std::string::npos) {
                name.erase(fixed);
            }
            seconds_[name] = r.real_accumulated_time / static_cast<double>(r.iterations);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %14s %14s %10s\n", "case", "baseline ms", "engine ms", "ratio");
    for (const auto& [name, engine] : seconds_) {
        const auto slash = name.rfind("/engine");
        if (slash == std::string::npos) {
            continue;
        }
        const auto base = name.substr(0, slash);
        const auto other = seconds_.find(base + "/baseline");
        if (other == seconds_.end()) {
            continue;
        }
        std::printf("%-44s %14.2f %14.2f %9.1fx\n", base.c_str(), other->second * 1e3, engine * 1e3,
                    other->second / engine);
    }
}

int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace quintora::bench
