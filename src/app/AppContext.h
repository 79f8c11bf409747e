#pragma once

#include "app/DataFolder.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <QString>

namespace quintora {

class Prompt;
struct SystemState;

// What the windows of one run share: the system, the prompts, the data folder, the settings
// and the current language. Created once at start-up and passed by reference.
struct AppContext {
    AppContext(SystemState& systemState, Prompt& prompts, DataFolder folder)
        : state(systemState)
        , prompt(prompts)
        , dataFolder(std::move(folder))
        , language(dataFolder.root().toStdString()) {}

    SystemState& state;
    Prompt& prompt;
    DataFolder dataFolder;
    Language language;
    Settings settings;
    QString editionText = QStringLiteral("Freeware");
    // Set once the user confirmed leaving; windows that keep running work read it.
    bool closing = false;
};

} // namespace quintora
