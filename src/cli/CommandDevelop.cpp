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

int runDevelop(const DevelopArgs& args) {
    const std::string& in = args.in;
    const std::string& out = args.out;

    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }
    const auto opened = openSystem(in);
    if (!opened) {
        return ExitFailure;
    }
    SystemDocument& document = *opened;
    // The stored columns are ignored: the system is developed again from its numbers.
    if (const auto reopened = document.reopenForChanges(); !reopened) {
        return fail(in + ": " + said(reopened.error()));
    }
    auto snapshot = document.startDevelopment();
    if (!snapshot) {
        return fail(in + ": " + said(snapshot.error()));
    }

    DevelopmentControl control;
    TerminalProgress bar;
    activeControl = &control;
    auto previous = std::signal(SIGINT, stopOnInterrupt);
    auto result = develop(
        snapshot.value(), [&bar](const DevelopmentProgress& p) { bar.show(p); }, control);
    std::signal(SIGINT, previous);
    activeControl = nullptr;
    bar.finish();

    if (result.limitReached) {
        warnLimit(MaxColumns);
    }
    if (const auto finished = document.finishDevelopment(std::move(result)); !finished) {
        return fail(in + ": " + said(finished.error()));
    }
    if (!saveOrReport(document, out)) {
        return ExitFailure;
    }
    const SystemState& state = document.state();
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType
              << " | " << elapsedTimeText(secondsSince(state.developmentStart)) << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
