#pragma once

#include "cli/CliCommands.h"
#include "document/SettingsDocument.h"
#include "document/SystemDocument.h"

#include <string>

namespace quintora::cli {

// Opens a system file into the document; its warnings go to standard error. False after
// reporting a failure.
bool openOrReport(SystemDocument& document, const std::string& path);
// Saves the document to `out`; false after reporting a failure.
bool saveOrReport(SystemDocument& document, const std::string& out);

// The user's settings file, read once for the whole command (commands only read it).
const SettingsDocument& userSettings();

// The limit warning on standard error, on one line.
void warnLimit(double limit);

} // namespace quintora::cli
