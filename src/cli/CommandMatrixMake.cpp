// quintora-cli matrix-make V T M [--fixed F] [--author A] [--description D]
//     [--valid-from DD/MM/YYYY] [--valid-to DD/MM/YYYY] [--seconds S] [--steps N] [--seed N]
//     -o FILE.mzor
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "core/Money.h"
#include "files/FileIo.h"
#include "matrix/WheelMaker.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace quintora::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void stopMatrixMakeOnInterrupt(int) {
    interrupted.store(true, std::memory_order_relaxed);
}

} // namespace

int runMatrixMake(const MatrixMakeArgs& args) {
    const auto& self = commandNamed("matrix-make");
    const WheelShape shape{args.v, args.t, args.m, args.f};
    if (const auto error = wheelShapeError(shape)) {
        return usageError(self, said(*error));
    }

    WheelOptions options;
    options.stop = &interrupted;
    if (args.seconds) {
        options.seconds = *args.seconds;
    }
    if (args.steps) {
        options.steps = *args.steps;
        if (!args.seconds) {
            options.seconds = 0; // the step budget alone: the result repeats for a seed
        }
    }
    if (args.seed) {
        options.seed = *args.seed;
    }

    WheelLabels labels;
    labels.validFrom = args.validFrom.value_or(todayLocal());
    if (args.validTo) {
        labels.validTo = *args.validTo;
    }
    if (labels.validTo < labels.validFrom) {
        return usageError(self, "--valid-to lies before --valid-from");
    }
    if (args.author) {
        labels.author = *args.author;
    }
    if (args.description) {
        labels.description = *args.description;
    }

    const std::string& out = args.out;
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }

    const bool showProgress = ::isatty(STDERR_FILENO) != 0;
    if (showProgress) {
        options.progress = [](const SearchProgress& s) {
            std::fprintf(stderr, "\rmatrix-make: %d colonne (%3d%%)  ", s.blocks,
                         static_cast<int>(s.fraction * 100));
        };
    }
    const auto started = std::chrono::steady_clock::now();
    auto previous = std::signal(SIGINT, stopMatrixMakeOnInterrupt);
    const auto wheel = makeWheel(shape, options);
    std::signal(SIGINT, previous);
    if (showProgress) {
        std::fputs("\n", stderr);
    }
    if (!wheel) {
        return fail(said(wheel.error()));
    }
    if (auto saved = saveMatrixFile(out, wheelMatrix(shape, wheel.value(), labels)); !saved) {
        return fail(out + ": " + said(saved.error()));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << wheel.value().columns.size() << " colonne | " << defaultWheelDescription(shape)
              << " | limite inferiore " << wheelLowerBound(shape);
    if (const auto known = bestKnownWheelSize(shape)) {
        std::cout << " | migliore nota " << *known;
    }
    std::cout << " | " << formatCentsAsDecimal(std::llround(seconds * 100)) << " s | "
              << wheel.value().steps << " passi" << (wheel.value().stopped ? " - ***" : "") << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
