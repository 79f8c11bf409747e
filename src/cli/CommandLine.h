#pragma once

// How the commands declare their arguments: CLI11 subcommands with typed, checked options.
#include "cli/CliCommands.h"
#include "core/GameRules.h"
#include "core/Result.h"

#include <charconv>
#include <CLI/CLI.hpp>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace quintora::cli {

// What runs once a command's arguments are parsed and checked.
using Runner = std::function<int()>;
// Declares a command's arguments on its subcommand and gives what runs then.
using Definition = std::function<Runner(CLI::App& sub)>;

// The command the command line names. Only its arguments are declared: declaring those of
// every command would cost more than the work of most of them.
class CommandSet {
public:
    CommandSet(CLI::App& app, std::string_view wanted)
        : app_(app)
        , wanted_(wanted) {}

    // Declares the command `name` (one of commandInfos()) when it is the one wanted.
    void define(std::string_view name, const Definition& definition);
    // The runner of the command the command line chose, or nullptr.
    const Runner* chosen() const;

private:
    CLI::App& app_;
    std::string_view wanted_;
    CLI::App* sub_ = nullptr;
    Runner run_;
};

// The commands of each area.
void addSystemCommands(CommandSet& commands);
void addArchiveCommands(CommandSet& commands);
void addMatrixCommands(CommandSet& commands);
// These hand their work to `print` or `server` once the arguments are checked.
void addPrintCommands(CommandSet& commands, PrintCommands& print);
void addServerCommands(CommandSet& commands, ServerCommands& server);

// A number written out in full: decimal digits only for a whole number (CLI11 would read "010"
// as octal and "0x10" as hexadecimal), a finite value for a floating one; no blanks, no sign
// where T has none, nothing after it, and within T's range.
template <typename T> CLI::Validator numberText() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            T value{};
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            bool whole = error == std::errc() && stop == end && !text.empty();
            if constexpr (std::is_integral_v<T>) {
                whole = whole && text.front() != '-';
                if (whole) {
                    text = std::to_string(value); // leading zeros would make it octal
                }
            } else {
                whole = whole && std::isfinite(value);
            }
            return whole ? std::string() : "not a number: \"" + text + "\"";
        },
        "");
}

// Above 0: a budget of 0 would mean none.
CLI::Validator aboveZero();

// A number option: CLI11 converts it after numberText has checked the text.
template <typename T>
CLI::Option* addNumber(CLI::App& sub, const std::string& name, T& into, const std::string& help) {
    return sub.add_option(name, into, help)->transform(numberText<T>());
}
template <typename T>
CLI::Option* addNumber(CLI::App& sub, const std::string& name, std::optional<T>& into,
                       const std::string& help) {
    return sub
        .add_option_function<T>(
            name, [&into](const T& value) { into = value; }, help)
        ->transform(numberText<T>());
}

// An option read by one of the program's own readers: `parse(text)` gives a Result; a text it
// refuses is a usage error with the reader's message.
template <typename Target, typename Parse>
CLI::Option* addParsed(CLI::App& sub, const std::string& name, Target& into, Parse parse,
                       const std::string& help, const std::string& typeName) {
    return sub
        .add_option_function<std::string>(
            name, [&into, parse](const std::string& text) { into = parse(text).value(); }, help)
        ->check(CLI::Validator(
            [parse](std::string& text) {
                const auto parsed = parse(text);
                return parsed ? std::string() : said(parsed.error());
            },
            ""))
        ->type_name(typeName);
}

// "DD/MM/YYYY" of a real day, as every command reads a date.
Result<CalendarDate> dateArgument(const std::string& text);
// A date option of that form.
CLI::Option* addDate(CLI::App& sub, const std::string& name, std::optional<CalendarDate>& into,
                     const std::string& help);
// --euro-max 10|12: the rules for the Euro numbers the command is given.
CLI::Option* addEuroMax(CLI::App& sub, std::optional<GameRules>& into);
// The rules given, else the settings file's (Euro 1-10 without one).
GameRules rulesOrSettings(const std::optional<GameRules>& given);
// -o FILE / --output FILE, needed.
CLI::Option* addOutput(CLI::App& sub, std::string& into, const std::string& help);

} // namespace quintora::cli
