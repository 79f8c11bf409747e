// quintora-cli develop IN.qsy -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/TerminalProgress.h"
#include "core/Development.h"
#include "core/ElapsedTime.h"
#include "core/Format.h"
#include "files/FileIo.h"
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
    const auto parsed = parseArgs(args, {"-o"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1 || !p.has("-o")) {
        return usageError(self, "one input file and -o OUT are needed");
    }
    const std::string& in = p.files[0];
    const std::string& out = p.option("-o");

    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(usable.error().message); // refused before any work is done
    }
    auto read = readSystemOrReport(in);
    if (!read) {
        return ExitFailure;
    }
    SystemState state = std::move(*read);
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
        warnLimit(MaxColumns);
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
