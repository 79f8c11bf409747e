// The command line of quintora-cli: the subcommands, their help, usage errors and the version.
#include "cli/CommandLine.h"

#include "cli/CliSupport.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace quintora::cli {

namespace {

const std::string VersionLine = std::string("quintora-cli ") + QUINTORA_VERSION;

// The program's help lists every command; a command's help starts with its synopsis, then
// CLI11 describes its arguments.
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string /*name*/,
                          CLI::AppFormatMode mode) const override {
        std::ostringstream out;
        if (app->get_parent() == nullptr || app->get_name() == "help") {
            printProgramHelp(out);
            return out.str();
        }
        const auto& command = commandNamed(app->get_name());
        out << "Usage: " << command.synopsis << "\n"
            << command.summary << "\n"
            << make_positionals(app) << make_groups(app, mode) << make_subcommands(app, mode);
        auto text = out.str();
        return text.ends_with('\n') ? text : text + "\n";
    }
};

// The command whose arguments were being parsed when CLI11 stopped, or nullptr.
const CLI::App* chosenSubcommand(const CLI::App& app) {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? nullptr : chosen.front();
}

int reportParseError(const CLI::App& app, const CLI::ParseError& error, int argc, char** argv) {
    if (const auto* sub = chosenSubcommand(app)) {
        return usageError(commandNamed(sub->get_name()), error.what());
    }
    if (argc > 1 && argv[1][0] != '-') {
        std::cerr << "quintora-cli: unknown command \"" << argv[1] << "\"\n";
    } else {
        std::cerr << "quintora-cli: " << error.what() << "\n";
    }
    printProgramHelp(std::cerr);
    return ExitUsage;
}

} // namespace

void CommandSet::define(std::string_view name, const Definition& definition) {
    if (name != wanted_) {
        return;
    }
    const auto& info = commandNamed(name);
    sub_ = app_.add_subcommand(info.name, info.summary);
    sub_->set_version_flag("--version", VersionLine);
    run_ = definition(*sub_);
}

const Runner* CommandSet::chosen() const {
    return sub_ != nullptr && sub_->parsed() ? &run_ : nullptr;
}

CLI::Validator aboveZero() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            double value = 0;
            return CLI::detail::lexical_cast(text, value) && value > 0 ? std::string()
                                                                       : "must be above 0";
        },
        "> 0");
}

Result<CalendarDate> dateArgument(const std::string& text) {
    if (const auto date = parseDate(text)) {
        return *date;
    }
    return Error{"", "not a date DD/MM/YYYY: \"" + text + "\""};
}

CLI::Option* addDate(CLI::App& sub, const std::string& name, std::optional<CalendarDate>& into,
                     const std::string& help) {
    return addParsed(sub, name, into, dateArgument, help, "DD/MM/YYYY");
}

CLI::Option* addEuroMax(CLI::App& sub, std::optional<GameRules>& into) {
    const auto parse = [](const std::string& text) -> Result<GameRules> {
        // Decimal digits only; leading zeros are allowed, as in every number option.
        const bool decimal =
            !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
        const auto start = std::min(text.find_first_not_of('0'), text.size());
        const bool small = decimal && text.size() - start <= 2;
        if (const auto rules = GameRules::withEuroMax(
                small && start < text.size() ? std::stoi(text.substr(start)) : 0)) {
            return *rules;
        }
        return Error{"", "the highest Euro number is 10 or 12, not \"" + text + "\""};
    };
    return addParsed(sub, "--euro-max", into, parse,
                     "the highest Euro number, 10 or 12 (else the settings file's)", "10|12");
}

GameRules rulesOrSettings(const std::optional<GameRules>& given) {
    return given ? *given : userSettings().settings().rules;
}

CLI::Option* addOutput(CLI::App& sub, std::string& into, const std::string& help) {
    return sub.add_option("-o,--output", into, help)->required()->type_name("FILE");
}

int runCommandLine(int argc, char** argv, PrintCommands& print, ServerCommands& server) {
    if (argc < 2) {
        printProgramHelp(std::cerr);
        return ExitUsage;
    }
    CLI::App app("Quintora's batch tool for Eurojackpot systems", "quintora-cli");
    app.formatter(std::make_shared<HelpFormatter>());
    // An option given twice counts with its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.set_version_flag("--version", VersionLine);
    app.require_subcommand(0, 1);

    CommandSet commands(app, argv[1]);
    addSystemCommands(commands);
    addArchiveCommands(commands);
    addMatrixCommands(commands);
    addPrintCommands(commands, print);
    addServerCommands(commands, server);
    auto* help = app.add_subcommand("help", "prints this help")->group("");
    help->allow_extras();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return ExitSuccess;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << "\n";
        return ExitSuccess;
    } catch (const CLI::ParseError& error) {
        return reportParseError(app, error, argc, argv);
    }
    if (help->parsed()) {
        printProgramHelp(std::cout);
        return ExitSuccess;
    }
    if (const auto* run = commands.chosen()) {
        return (*run)();
    }
    printProgramHelp(std::cerr);
    return ExitUsage;
}

} // namespace quintora::cli
