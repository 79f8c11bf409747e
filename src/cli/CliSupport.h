#pragma once

#include "cli/CliCommands.h"
#include "document/SettingsDocument.h"
#include "document/SystemDocument.h"

#include <memory>
#include <optional>
#include <string>

namespace quintora::cli {

// What a command asks of the system it opens.
enum class SystemNeed { Anything, Columns, Unlocked };

// Opens a system file as the window opens it, at `price` per column when given; its warnings go
// to standard error. Null after reporting why it cannot be had or does not meet `need`.
std::unique_ptr<SystemDocument> openSystem(const std::string& path,
                                           SystemNeed need = SystemNeed::Anything,
                                           std::optional<Cents> price = std::nullopt);
// Saves the document to `out`; false after reporting a failure.
bool saveOrReport(SystemDocument& document, const std::string& out);

// The user's settings file, read once for the whole command (commands only read it).
const SettingsDocument& userSettings();

// The limit warning on standard error, on one line.
void warnLimit(double limit);

} // namespace quintora::cli
