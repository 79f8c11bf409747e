#pragma once

#include "app/DataFolder.h"
#include "document/ArchiveDocument.h"
#include "document/SettingsDocument.h"
#include "settings/Language.h"
#include "ui/Prompt.h"
#include "ui/QtLanguage.h"
#include "update/ServerUpdates.h"

#include <functional>
#include <QString>
#include <QStringList>

namespace quintora {

class SystemDocument;

// What the windows of one run share: the documents of the system, the archive and the
// settings, the prompts, the data folder and the current language. Created once at start-up
// and passed by reference.
struct AppContext {
    AppContext(SystemDocument& systemDocument, Prompt& boxes, DataFolder folder)
        : document(systemDocument)
        , dataFolder(std::move(folder))
        , language(dataFolder.root().toStdString())
        , prompt(boxes)
        , settingsDocument(dataFolder.settingsPath().toStdString()) {}

    SystemDocument& document;
    DataFolder dataFolder;
    Language language;
    // Every box shows texts already in the current language: the core's messages go through
    // the language's text table.
    Prompt& prompt;
    QtLanguage qtLanguage; // Qt's own texts and number formats in that language
    // The settings file, read as the context is made; every window reads and changes the
    // settings through it.
    SettingsDocument settingsDocument;
    QString editionText = QStringLiteral("Freeware");
    // The draw archive, read by the archive window as it loads and held for the whole run, and
    // the check's winning combination, which the check dialog and the archive window set.
    ArchiveDocument archiveDocument;
    // Set once the user confirmed leaving; windows that keep running work read it.
    bool closing = false;
    // The program's start turns this on: with no language chosen yet, the main window's load
    // shows the settings dialog first. Windows built elsewhere (tests) never block on it.
    bool askSettingsWithoutLanguage = false;
    // Fetches a URL of the server into a file. The program sets the real download; windows
    // built elsewhere (tests) find no server unless a test gives them one.
    Download download = [](const std::string&, const std::string&) -> Status {
        return Error{"", "server not reachable"};
    };
    // The printers the settings dialog offers; empty means the installed ones.
    std::function<QStringList()> printerNames;
};

} // namespace quintora
