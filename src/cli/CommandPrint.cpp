// quintora-cli print-slips, calibration-test and listing: the prints of the desktop program.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/PrintCommandsHere.h"
#include "cli/PrintSupport.h"
#include "core/Money.h"
#include "core/SystemState.h"
#include "print/CalibrationFile.h"
#include "print/CalibrationTestPlan.h"
#include "print/ListingPlan.h"
#include "print/SlipBatch.h"
#include "print/SlipRun.h"

#include <iostream>
#include <memory>

namespace quintora::cli {

namespace {

Result<SlipLayout> layoutOrReport(const std::string& path, SlipType type, bool applyDefaults) {
    auto layout = loadSlipLayout(path, type, applyDefaults);
    if (!layout) {
        return Error{"", Message{text::AboutFile, {path, said(layout.error())}}};
    }
    return layout;
}

} // namespace

int PrintCommandsHere::printSlips(const PrintSlipsArgs& args) {
    const SlipType type = args.type;
    const auto layout = layoutOrReport(calibrationFileOf(args.calibration, type), type, true);
    if (!layout) {
        return fail(said(layout.error()));
    }
    const Settings& settings = userSettings().settings();
    SlipBatch batch(type);
    for (const auto& path : args.systems) {
        const auto opened = openSystem(path, SystemNeed::Anything, settings.pricePerColumn);
        if (!opened) {
            return ExitFailure;
        }
        batch.add(std::make_shared<const SystemState>(opened->state()), opened->shownFileName(),
                  settings.header);
    }
    // The dialog starts at 1 and ends at the total of slips, numbered across the systems.
    const int total = batch.totalSlips();
    const std::string from = args.from.value_or("1");
    const std::string to = args.to.value_or(std::to_string(total));
    const auto range = checkSlipRange(from, to, total);
    if (!range) {
        return fail(said(range.error()));
    }
    std::cout << said(slipRunSummary(range.value().count(),
                                     formatEuro(batch.amountOf(range.value()))))
              << std::endl;
    PrintSession session;
    // One slip at a time: a run of thousands of slips holds one page.
    const int first = range.value().first;
    return printOrReport(
        batch.settings(layout.value()), range.value().count(),
        [&](int i) { return batch.page(layout.value(), first + i); }, printTargetOf(args.target),
        1);
}

int PrintCommandsHere::calibrationTest(const CalibrationTestArgs& args) {
    const SlipType type = args.type;
    const auto layout = layoutOrReport(calibrationFileOf(args.calibration, type), type, true);
    if (!layout) {
        return fail(said(layout.error()));
    }
    PrintSession session;
    const Settings& settings = userSettings().settings();
    return printOrReport(calibrationTestPlan(type, layout.value(), settings.header, {}, {},
                                             args.rules ? *args.rules : settings.rules),
                         printTargetOf(args.target));
}

int PrintCommandsHere::listing(const ListingArgs& args) {
    ListingOptions options;
    options.forecast = !args.noForecast;
    options.columns = !args.noColumns;
    if (!options.forecast && !options.columns) {
        // The listing's own refusal, before the system is read.
        return fail(said(listingPlan(SystemState{}, "", "", options).error()));
    }
    const Settings& settings = userSettings().settings();
    const auto opened = openSystem(args.system, SystemNeed::Anything, settings.pricePerColumn);
    if (!opened) {
        return ExitFailure;
    }
    const SystemDocument& document = *opened;
    const auto pages = ListingPages::make(std::make_shared<const SystemState>(document.state()),
                                          document.shownFileName(), settings.header, options);
    if (!pages) {
        return fail(said(pages.error()));
    }
    PrintSession session;
    const ListingPages& listing = pages.value();
    return printOrReport(
        listing.settings(), listing.count(), [&listing](int i) { return listing.page(i); },
        printTargetOf(args.target), args.copies);
}

} // namespace quintora::cli
