#pragma once

#include <QString>
#include <QStringList>

namespace quintora {

// What the program's command line asks for, besides Qt's own options.
struct StartOptions {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    // Ends as soon as the main window is shown, asking nothing on the way: for tests of an
    // installation, which have no one to answer the first start's settings dialog.
    bool quitAfterStart = false;
    // What is left: the system file to open, possibly split at its blanks.
    QStringList fileArguments;
};

// Reads the arguments after the program's name. "--" ends the options, so that a file named
// like one can still be opened.
StartOptions parseStartOptions(const QStringList& arguments);

// The text --help prints.
QString startUsage();

} // namespace quintora
