// frmMAIN's recent systems and the system files dropped on it.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SettingsDocument.h"
#include "ui/LanguageText.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace quintora {

namespace {

// Long enough to be read, as the message is no box.
constexpr int RecentProblemMilliseconds = 15000;

// The first local system file among the dragged ones; empty when there is none.
QString droppedSystemFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() &&
            file.suffix().compare(QStringLiteral("qsy"), Qt::CaseInsensitive) == 0) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

} // namespace

void MainWindow::buildRecentMenu() {
    menus_.recent = new QMenu(QStringLiteral("File &recenti"), menus_.file);
    menus_.recent->setObjectName(QStringLiteral("menuFileRecenti"));
    menus_.recent->setToolTipsVisible(true);
    menus_.file->insertMenu(actions_.importColumns, menus_.recent);
    actions_.clearRecent = new QAction(QStringLiteral("Svuota elenco"), menus_.recent);
    actions_.clearRecent->setObjectName(QStringLiteral("menuSvuotaRecenti"));
    connect(actions_.clearRecent, &QAction::triggered, this, &MainWindow::clearRecent);
    // A file may have gone since the menu was last drawn.
    connect(menus_.recent, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    setAcceptDrops(true);
}

QList<QAction*> MainWindow::recentActions() const {
    QList<QAction*> entries;
    for (auto* action : menus_.recent->actions()) {
        if (action->objectName().startsWith(QStringLiteral("menuRecente("))) {
            entries << action;
        }
    }
    return entries;
}

void MainWindow::showRecentFiles() {
    for (auto* action : recentActions()) {
        menus_.recent->removeAction(action);
        action->deleteLater();
    }
    menus_.recent->removeAction(actions_.clearRecent);
    menus_.recent->clear();
    const auto& list = context_.settingsDocument.settings().recentFiles;
    int number = 0;
    for (const auto& entry : list) {
        const QString path = QString::fromStdString(entry);
        ++number;
        auto* action = menus_.recent->addAction(
            QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("menuRecente(%1)").arg(number));
        action->setToolTip(path);
        action->setStatusTip(path);
        action->setData(path);
        // Greyed while the file is missing: a disk that comes back brings it back.
        action->setEnabled(QFileInfo(path).isFile());
        connect(action, &QAction::triggered, this, [this, path] { openSystemAsked(path); });
    }
    if (!list.empty()) {
        menus_.recent->addSeparator();
    }
    menus_.recent->addAction(actions_.clearRecent);
    actions_.clearRecent->setEnabled(!list.empty());
    menus_.recent->menuAction()->setEnabled(!list.empty());
}

void MainWindow::rememberRecent(const QString& path) {
    const QString whole = QFileInfo(path).absoluteFilePath();
    // The menu follows the settings' change.
    reportRecentKept(context_.settingsDocument.setRecentFiles(
        withRecentFile(context_.settingsDocument.settings().recentFiles, whole.toStdString())));
}

void MainWindow::clearRecent() {
    reportRecentKept(context_.settingsDocument.setRecentFiles({}));
}

void MainWindow::reportRecentKept(const Status& kept) {
    // Said in the status bar, not in a box: the system was opened or saved all the same.
    if (kept.failed()) {
        statusBar()->showMessage(
            shownText(context_.language, Message{text::RecentFilesNotSaved, {kept.error().what}}),
            RecentProblemMilliseconds);
    }
}

bool MainWindow::openSystemAsked(const QString& path) {
    if (path.isEmpty() || isDeveloping() || !mayReplaceWork()) {
        return false;
    }
    return openSystemFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!isDeveloping() && !droppedSystemFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedSystemFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    openSystemAsked(path);
}

} // namespace quintora
