#include "app/StartOptions.h"

#include "ui/ProgramInfo.h"

namespace quintora {

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded) {
            options.fileArguments << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.action = StartOptions::Action::Help;
            return options;
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            options.action = StartOptions::Action::Version;
            return options;
        } else if (argument == QLatin1String("--quit-after-start")) {
            options.quitAfterStart = true;
        } else {
            options.fileArguments << argument;
        }
    }
    return options;
}

QString startUsage() {
    return QStringLiteral("Usage: quintora [OPTION] [FILE.qsy]\n"
                          "%1 %2: develops, checks and prints Eurojackpot systems.\n"
                          "\n"
                          "  FILE.qsy            the system file to open (a copy already running\n"
                          "                      opens it instead)\n"
                          "  -h, --help          prints this help and ends\n"
                          "  -v, --version       prints the version and ends\n"
                          "  --quit-after-start  asks nothing and ends once the main window is\n"
                          "                      shown (to test an installation)\n"
                          "  --                  ends the options: what follows is the file\n"
                          "\n"
                          "The manual: Info menu, Manual (F1). See also quintora-cli(1).\n")
        .arg(programTitle(), programVersion());
}

} // namespace quintora
