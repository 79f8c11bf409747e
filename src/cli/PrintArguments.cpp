// What print-slips, calibration-test and listing take, and what they refuse before printing.
#include "cli/CommandLine.h"

#include <filesystem>
#include <memory>

namespace quintora::cli {

namespace {

Result<SlipType> slipTypeArgument(const std::string& text) {
    if (text == "1") {
        return SlipType::OneColumn;
    }
    if (text == "5") {
        return SlipType::FiveColumns;
    }
    return Error{"", "1 (1-column slip) or 5 (5-column slip)"};
}

void addSlipType(CLI::App& sub, SlipType& into) {
    addParsed(sub, "--type", into, slipTypeArgument, "the slip: 1 (1-column) or 5 (5-column)",
              "1|5")
        ->required();
}

void addCalibration(CLI::App& sub, std::optional<std::string>& into) {
    sub.add_option("--calibration", into,
                   "the calibration file (else the slip type's in the data folder)")
        ->type_name("FILE.cfg");
}

// Exactly one of --pdf and --printer.
void addTarget(CLI::App& sub, PrintTargetArgs& into) {
    auto* target = sub.add_option_group("target", "where the pages go");
    target->add_option("--pdf", into.pdf, "a PDF file")->type_name("OUT.pdf");
    target->add_option("--printer", into.printer, "an installed printer")->type_name("NAME");
    target->require_option(1);
}

// A slip number as the dialog's six-digit field takes it.
CLI::Validator slipNumber() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            const bool digits = !text.empty() && text.size() <= 6 &&
                                text.find_first_not_of("0123456789") == std::string::npos;
            return digits ? std::string() : "a slip number of up to six digits";
        },
        "");
}

// What would go wrong before any work is done: an empty --pdf or --printer (never the default
// printer by mistake) and a named calibration file that is not there. Exit status, or 0.
int refusedBeforePrinting(const PrintTargetArgs& target,
                          const std::optional<std::string>& calibration) {
    if (target.pdf && target.pdf->empty()) {
        return fail("--pdf: manca il nome del file");
    }
    if (target.printer && target.printer->empty()) {
        return fail("--printer: manca il nome della stampante");
    }
    std::error_code ec;
    if (calibration &&
        !std::filesystem::exists(std::filesystem::symlink_status(*calibration, ec))) {
        return fail(*calibration + ": il file di taratura non esiste");
    }
    return ExitSuccess;
}

} // namespace

void addPrintCommands(CommandSet& commands, PrintCommands& print) {
    commands.define("print-slips", [&print](CLI::App& sub) -> Runner {
        auto args = std::make_shared<PrintSlipsArgs>();
        sub.add_option("IN.qsy", args->systems,
                       "the systems: their slips one system after the other, in this order")
            ->required();
        addSlipType(sub, args->type);
        addCalibration(sub, args->calibration);
        sub.add_option("--from", args->from, "the first slip (default 1)")
            ->check(slipNumber())
            ->type_name("N");
        sub.add_option("--to", args->to, "the last slip (default the last)")
            ->check(slipNumber())
            ->type_name("N");
        addTarget(sub, args->target);
        return [args, &print] {
            const int refused = refusedBeforePrinting(args->target, args->calibration);
            return refused != ExitSuccess ? refused : print.printSlips(*args);
        };
    });
    commands.define("calibration-test", [&print](CLI::App& sub) -> Runner {
        auto args = std::make_shared<CalibrationTestArgs>();
        addSlipType(sub, args->type);
        addEuroMax(sub, args->rules);
        addCalibration(sub, args->calibration);
        addTarget(sub, args->target);
        return [args, &print] {
            const int refused = refusedBeforePrinting(args->target, args->calibration);
            return refused != ExitSuccess ? refused : print.calibrationTest(*args);
        };
    });
    commands.define("listing", [&print](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ListingArgs>();
        sub.add_option("IN.qsy", args->system, "the system")->required();
        sub.add_flag("--no-forecast", args->noForecast, "without the forecast page");
        sub.add_flag("--no-columns", args->noColumns, "without the columns");
        addNumber(sub, "--copies", args->copies, "copies, each its own print job (default 1)")
            ->check(CLI::Range(1, 20));
        addTarget(sub, args->target);
        return [args, &print] {
            const int refused = refusedBeforePrinting(args->target, std::nullopt);
            return refused != ExitSuccess ? refused : print.listing(*args);
        };
    });
}

} // namespace quintora::cli
