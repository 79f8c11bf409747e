#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "settings/TextTable.h"

#include <filesystem>

namespace quintora::cli {

std::string said(const Message& message) {
    // Read once: a command says all its messages in one language.
    static const TextTable texts = [] {
        const SettingsDocument& settings = userSettings();
        const std::string folder = std::filesystem::path(settings.path()).parent_path().string();
        return TextTable::forLanguage(folder, settings.settings().language);
    }();
    return texts.text(message);
}

} // namespace quintora::cli
