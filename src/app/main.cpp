// Quintora: systems for the Eurojackpot game.
#include "app/AppContext.h"
#include "app/DataFolder.h"
#include "app/ServerVersionCheck.h"
#include "app/StartOptions.h"
#include "app/StartUp.h"
#include "document/SystemDocument.h"
#include "net/DownloadFile.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"
#include "ui/Prompt.h"

#include <cstdio>
#include <memory>
#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    // --help and --version answer before Qt looks for a display.
    QStringList raw;
    for (int i = 1; i < argc; ++i) {
        raw << QString::fromLocal8Bit(argv[i]);
    }
    switch (quintora::parseStartOptions(raw).action) {
    case quintora::StartOptions::Action::Help:
        std::fputs(quintora::startUsage().toLocal8Bit().constData(), stdout);
        return 0;
    case quintora::StartOptions::Action::Version:
        std::printf("quintora %s\n", qPrintable(quintora::programVersion()));
        return 0;
    case quintora::StartOptions::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(quintora::programTitle());
    QApplication::setApplicationVersion(quintora::programVersion());
    QApplication::setDesktopFileName(QStringLiteral("quintora"));
    QApplication::setWindowIcon(quintora::programIcon());
    // Qt has taken its own options (-platform and the like) out of the arguments by now.
    const auto options = quintora::parseStartOptions(QApplication::arguments().mid(1));

    auto document = std::make_unique<quintora::SystemDocument>();
    quintora::QtPrompt prompt;
    quintora::ServerVersionCheck versionCheck(quintora::makeDownload());
    quintora::StartUp startUp(*document, prompt, versionCheck,
                              quintora::DataFolder::standardRoot());
    startUp.context().askSettingsWithoutLanguage = !options.quitAfterStart;
    startUp.context().download = quintora::makeDownload();
    if (!startUp.run(options.fileArguments)) {
        return 0;
    }
    if (options.quitAfterStart) {
        // exit(), not quit(): quitting closes the windows, and the main window asks first.
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    }
    return QApplication::exec();
}
