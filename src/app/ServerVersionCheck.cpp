#include "app/ServerVersionCheck.h"

#include "app/AppContext.h"
#include "ui/NewVersionDialog.h"
#include "ui/Prompt.h"
#include "update/VersionCompare.h"

#include <QApplication>
#include <QUrl>
#include <utility>

namespace quintora {

ServerVersionCheck::ServerVersionCheck(Download download, Announce announce)
    : download_(std::move(download))
    , announce_(std::move(announce)) {}

bool ServerVersionCheck::run(AppContext& context) {
    const Settings& settings = context.settingsDocument.settings();
    const std::string local = localVersionText();
    const auto outcome = checkServerVersion(download_, settings.server,
                                            context.dataFolder.tempFolder().toStdString(), local);
    switch (outcome.kind) {
    case VersionOutcome::Kind::Unreachable:
    case VersionOutcome::Kind::Current:
        return true;
    case VersionOutcome::Kind::NotComparable:
        context.prompt.message(nullptr, {}, QString::fromStdString(versionCheckErrorText()),
                               Prompt::Icon::Critical);
        return true;
    case VersionOutcome::Kind::RemoteNewer:
        break;
    }
    // The announcement waits for the user: no busy pointer over it.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    announce_(context, QString::fromStdString(local), QString::fromStdString(outcome.remote));
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return false;
}

void ServerVersionCheck::showNewVersion(AppContext& context, const QString& local,
                                        const QString& remote) {
    const Settings& settings = context.settingsDocument.settings();
    NewVersionDialog dialog(QUrl(QString::fromStdString(settings.server)), context.language);
    dialog.setLocalVersion(local);
    dialog.setRemoteVersion(remote);
    dialog.exec();
}

} // namespace quintora
