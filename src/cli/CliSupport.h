#pragma once

#include "cli/CliCommands.h"
#include "core/Result.h"
#include "document/SystemDocument.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quintora::cli {

// One command's arguments: its files in order and the values of its options.
struct ParsedArgs {
    std::vector<std::string> files;
    std::map<std::string, std::string> options; // "-o" also stands for "--output"

    bool has(const std::string& option) const { return options.count(option) != 0; }
    const std::string& option(const std::string& name) const { return options.at(name); }
};

// Splits args by the options that take a value; a usage message when an option is unknown
// or lacks its value.
Result<ParsedArgs> parseArgs(const Args& args, std::initializer_list<const char*> valued);

// Opens a system file into the document; its warnings go to standard error. False after
// reporting a failure.
bool openOrReport(SystemDocument& document, const std::string& path);
// Saves the document to `out`; false after reporting a failure.
bool saveOrReport(SystemDocument& document, const std::string& out);

// The limit warning on standard error, on one line.
void warnLimit(double limit);

} // namespace quintora::cli
