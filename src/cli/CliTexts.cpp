#include "cli/CliCommands.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"

#include <filesystem>

namespace quintora::cli {

std::string said(const Message& message) {
    // Read once: a command says all its messages in one language.
    static const TextTable texts = [] {
        const std::string settings = standardSettingsPath();
        const std::string folder = std::filesystem::path(settings).parent_path().string();
        return TextTable::forLanguage(folder, readConfiguration(IniFile(settings)).language);
    }();
    return texts.text(message);
}

} // namespace quintora::cli
