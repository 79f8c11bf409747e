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
#include <charconv>
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

template <typename T> std::optional<T> number(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int runMatrixMake(const Args& args) {
    const auto& self = commandNamed("matrix-make");
    const auto parsed =
        parseArgs(args, {"-o", "--fixed", "--author", "--description", "--valid-from", "--valid-to",
                         "--seconds", "--steps", "--seed"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 3 || !p.has("-o")) {
        return usageError(self, "V, T, M and -o FILE.mzor are needed");
    }
    const auto v = number<int>(p.files[0]);
    const auto t = number<int>(p.files[1]);
    const auto m = number<int>(p.files[2]);
    const auto f = p.has("--fixed") ? number<int>(p.option("--fixed")) : std::optional<int>(0);
    if (!v || !t || !m || !f) {
        return usageError(self, "V, T, M and F are whole numbers");
    }
    const WheelShape shape{*v, *t, *m, *f};
    if (const auto error = wheelShapeError(shape)) {
        return usageError(self, *error);
    }

    WheelOptions options;
    options.stop = &interrupted;
    if (p.has("--seconds")) {
        const auto seconds = number<double>(p.option("--seconds"));
        if (!seconds || *seconds < 0 || *seconds > 86400) {
            return usageError(self, "--seconds needs a number of seconds (0..86400)");
        }
        options.seconds = *seconds;
    }
    if (p.has("--steps")) {
        const auto steps = number<std::uint64_t>(p.option("--steps"));
        if (!steps) {
            return usageError(self, "--steps needs a whole number");
        }
        options.steps = *steps;
        if (!p.has("--seconds")) {
            options.seconds = 0;
        }
    }
    if (p.has("--seed")) {
        const auto seed = number<std::uint64_t>(p.option("--seed"));
        if (!seed) {
            return usageError(self, "--seed needs a whole number");
        }
        options.seed = *seed;
    }

    WheelLabels labels;
    labels.validFrom = todayLocal();
    for (const auto& [option, date] :
         {std::pair{"--valid-from", &labels.validFrom}, std::pair{"--valid-to", &labels.validTo}}) {
        if (p.has(option)) {
            const auto parsedDate = parseDate(p.option(option));
            if (!parsedDate) {
                return usageError(self, std::string(option) + " needs a date DD/MM/YYYY");
            }
            *date = *parsedDate;
        }
    }
    if (labels.validTo < labels.validFrom) {
        return usageError(self, "--valid-to lies before --valid-from");
    }
    if (p.has("--author")) {
        labels.author = p.option("--author");
    }
    if (p.has("--description")) {
        labels.description = p.option("--description");
    }

    const std::string& out = p.option("-o");
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
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
        return fail(wheel.error().message);
    }
    if (auto saved = saveMatrixFile(out, wheelMatrix(shape, wheel.value(), labels)); !saved) {
        return fail(out + ": " + saved.error().message);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << wheel.value().columns.size() << " colonne | " << defaultWheelDescription(shape)
              << " | limite inferiore " << wheelLowerBound(shape) << " | "
              << formatCentsAsDecimal(std::llround(seconds * 100)) << " s | " << wheel.value().steps
              << " passi" << (wheel.value().stopped ? " - ***" : "") << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
