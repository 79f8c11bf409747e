// quintora-cli develop IN.qsy -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/TerminalProgress.h"
#include "core/Development.h"
#include "core/ElapsedTime.h"
#include "core/Format.h"
#include "files/SystemFile.h"

#include <algorithm>
#include <csignal>
#include <iostream>

namespace quintora::cli {

namespace {

DevelopmentControl* activeControl = nullptr; // the running development, for Ctrl-C

extern "C" void stopOnInterrupt(int) {
    if (activeControl != nullptr) {
        activeControl->requestStopFromSignal();
    }
}

} // namespace

int runDevelop(const Args& args) {
    const auto& self = commandNamed("develop");
    std::string in;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size()) {
                return usageError(self, "-o needs a file name");
            }
            out = args[++i];
        } else if (!args[i].empty() && args[i][0] == '-') {
            return usageError(self, "unknown option " + args[i]);
        } else if (in.empty()) {
            in = args[i];
        } else {
            return usageError(self, "more than one input file");
        }
    }
    if (in.empty() || out.empty()) {
        return usageError(self, "an input file and -o OUT are needed");
    }

    auto loaded = readSystemFile(in);
    if (!loaded) {
        return fail(in + ": " + loaded.error().message);
    }
    for (const auto& w : loaded.value().warnings) {
        std::cerr << "quintora-cli: " << in << ": " << w << "\n";
    }
    SystemState state = std::move(loaded.value().state);
    if (auto problem = developmentInputError(state.header)) {
        return fail(in + ": " + *problem);
    }
    // As the window does: the lists come back from its grids in ascending order, and fixed
    // numbers no longer in play are dropped before developing.
    auto& h = state.header;
    std::sort(h.numbersInPlay.begin(), h.numbersInPlay.begin() + h.numbersInPlayCount);
    std::sort(h.euroNumbers.begin(), h.euroNumbers.begin() + h.euroCount);
    dropFixedNumbersNotInPlay(state.conditions, numbersInPlay(state.header));
    state.columns.clear();

    DevelopmentControl control;
    TerminalProgress bar;
    activeControl = &control;
    auto previous = std::signal(SIGINT, stopOnInterrupt);
    auto result = develop(
        state, [&bar](const DevelopmentProgress& p) { bar.show(p); }, control);
    std::signal(SIGINT, previous);
    activeControl = nullptr;
    bar.finish();

    if (result.limitReached) {
        auto text = limitWarningText(MaxColumns);
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::cerr << "quintora-cli: " << LimitWarningTitle << ": " << text << "\n";
    }
    adoptDevelopment(state, std::move(result));
    if (auto saved = saveSystemFile(out, state); !saved) {
        return fail(out + ": " + saved.error().message);
    }
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType
              << " | " << elapsedTimeText(secondsSince(state.developmentStart)) << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
