// quintora-cli print-slips, calibration-test and listing: the prints of the desktop program.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/PrintSupport.h"
#include "print/CalibrationFile.h"
#include "print/CalibrationTestPlan.h"
#include "print/ListingPlan.h"
#include "print/SlipRun.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <algorithm>
#include <set>

namespace quintora::cli {

namespace {

// A slip number as the dialog's six-digit field takes it.
bool slipField(const std::string& text) {
    return !text.empty() && text.size() <= 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Settings userSettings() {
    return readConfiguration(IniFile(standardSettingsPath()));
}

// The options without a value are taken out of args before the others are parsed.
Args withoutFlags(const Args& args, const std::set<std::string>& flags,
                  std::set<std::string>& seen) {
    Args rest;
    for (const auto& a : args) {
        if (flags.count(a) != 0) {
            seen.insert(a);
        } else {
            rest.push_back(a);
        }
    }
    return rest;
}

Result<SlipLayout> layoutOrReport(const std::string& path, SlipType type, bool applyDefaults) {
    auto layout = loadSlipLayout(path, type, applyDefaults);
    if (!layout) {
        return Error{"", path + ": " + layout.error().message};
    }
    return layout;
}

} // namespace

int runPrintSlips(const Args& args) {
    const auto& self = commandNamed("print-slips");
    const auto parsed =
        parseArgs(args, {"--type", "--calibration", "--from", "--to", "--pdf", "--printer"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1) {
        return usageError(self, "one system file is needed");
    }
    const auto type = slipTypeOf(p);
    if (!type) {
        return usageError(self, type.error().message);
    }
    const auto target = printTargetOf(p);
    if (!target) {
        return usageError(self, target.error().message);
    }
    for (const char* field : {"--from", "--to"}) {
        if (p.has(field) && !slipField(p.option(field))) {
            return usageError(self, std::string(field) + ": a slip number of up to six digits");
        }
    }
    // Measures stored as 0 print where the calibration dialog shows them.
    const auto layout = layoutOrReport(calibrationFileOf(p, type.value()), type.value(), true);
    if (!layout) {
        return fail(layout.error().message);
    }
    const Settings settings = userSettings();
    SystemDocument document;
    (void)document.setPricePerColumn(settings.pricePerColumn);
    if (!openOrReport(document, p.files[0])) {
        return ExitFailure;
    }
    // The dialog starts at 1 and ends at the total of slips.
    const int total = slipCount(type.value(), document.state().columnCount());
    const std::string from = p.has("--from") ? p.option("--from") : "1";
    const std::string to = p.has("--to") ? p.option("--to") : std::to_string(total);
    const auto range = checkSlipRange(from, to, total);
    if (!range) {
        return fail(range.error().message);
    }
    const SlipContent content =
        slipContentOf(document.state(), document.shownFileName(), settings.header);
    PrintSession session;
    // One slip at a time: a run of thousands of slips holds one page.
    const PagePlan run = slipRunPlan(type.value(), layout.value(), content, SlipRange{1, 0});
    const int first = range.value().first;
    return printOrReport(
        run, range.value().count(),
        [&](int i) { return slipPage(type.value(), layout.value(), content, first + i); },
        target.value(), 1);
}

int runCalibrationTest(const Args& args) {
    const auto& self = commandNamed("calibration-test");
    const auto parsed = parseArgs(args, {"--type", "--calibration", "--pdf", "--printer"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (!p.files.empty()) {
        return usageError(self, "no file is read besides --calibration");
    }
    const auto type = slipTypeOf(p);
    if (!type) {
        return usageError(self, type.error().message);
    }
    const auto target = printTargetOf(p);
    if (!target) {
        return usageError(self, target.error().message);
    }
    const auto layout = layoutOrReport(calibrationFileOf(p, type.value()), type.value(), true);
    if (!layout) {
        return fail(layout.error().message);
    }
    PrintSession session;
    return printOrReport(calibrationTestPlan(type.value(), layout.value(), userSettings().header),
                         target.value());
}

int runListing(const Args& args) {
    const auto& self = commandNamed("listing");
    std::set<std::string> flags;
    const auto parsed = parseArgs(withoutFlags(args, {"--no-forecast", "--no-columns"}, flags),
                                  {"--copies", "--pdf", "--printer"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1) {
        return usageError(self, "one system file is needed");
    }
    const auto target = printTargetOf(p);
    if (!target) {
        return usageError(self, target.error().message);
    }
    int copies = 1;
    if (p.has("--copies")) {
        const std::string& text = p.option("--copies");
        const bool digits =
            !text.empty() && text.size() <= 2 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        copies = digits ? std::stoi(text) : 0;
        if (copies < 1 || copies > 20) {
            return usageError(self, "--copies: 1 to 20");
        }
    }
    ListingOptions options;
    options.forecast = flags.count("--no-forecast") == 0;
    options.columns = flags.count("--no-columns") == 0;
    if (!options.forecast && !options.columns) {
        // The listing's own refusal, before the system is read.
        return fail(listingPlan(SystemState{}, "", "", options).error().message);
    }
    const Settings settings = userSettings();
    SystemDocument document;
    (void)document.setPricePerColumn(settings.pricePerColumn);
    if (!openOrReport(document, p.files[0])) {
        return ExitFailure;
    }
    const auto pages = ListingPages::make(std::make_shared<const SystemState>(document.state()),
                                          document.shownFileName(), settings.header, options);
    if (!pages) {
        return fail(pages.error().message);
    }
    PrintSession session;
    const ListingPages& listing = pages.value();
    return printOrReport(
        listing.settings(), listing.count(), [&listing](int i) { return listing.page(i); },
        target.value(), copies);
}

} // namespace quintora::cli
