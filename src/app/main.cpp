// Quintora: systems for the Eurojackpot game.
#include "app/AppContext.h"
#include "app/DataFolder.h"
#include "app/ServerVersionCheck.h"
#include "app/StartUp.h"
#include "document/SystemDocument.h"
#include "net/DownloadFile.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramInfo.h"
#include "ui/Prompt.h"

#include <memory>
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quintora::programTitle());
    QApplication::setApplicationVersion(quintora::programVersion());
    QApplication::setDesktopFileName(QStringLiteral("quintora"));
    QApplication::setWindowIcon(quintora::programIcon());

    auto document = std::make_unique<quintora::SystemDocument>();
    quintora::QtPrompt prompt;
    quintora::ServerVersionCheck versionCheck(quintora::makeDownload());
    quintora::StartUp startUp(*document, prompt, versionCheck,
                              quintora::DataFolder::standardRoot());
    startUp.context().askSettingsWithoutLanguage = true;
    startUp.context().download = quintora::makeDownload();
    if (!startUp.run(QApplication::arguments().mid(1))) {
        return 0;
    }
    return QApplication::exec();
}
