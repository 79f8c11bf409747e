// frmMAIN's commands: develop, reopen for changes, clear, viewer, about, open a system file,
// the settings at load and closing.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Development.h"
#include "core/SystemState.h"
#include "files/SystemFile.h"
#include "settings/IniFile.h"
#include "ui/AboutDialog.h"
#include "ui/ColumnViewer.h"
#include "ui/DevelopmentSession.h"
#include "ui/Prompt.h"
#include "ui/widgets/CellGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QUrl>

namespace quintora {

bool MainWindow::isDeveloping() const {
    return session_ != nullptr;
}

void MainWindow::develop() {
    if (isDeveloping() || state().guiLocked != 0) {
        return;
    }
    rebuildNumberLists();
    auto& header = state().header;
    if (const auto problem = developmentInputError(header)) {
        // The command is disabled in this case; this only guards the engine.
        context_.prompt.message(this, {}, QString::fromStdString(*problem),
                                Prompt::Icon::Exclamation);
        return;
    }
    dropFixedNumbersNotInPlay(state().conditions, numbersInPlay(header));

    setEnabled(false);
    setCursor(Qt::BusyCursor);
    session_ = new DevelopmentSession(state(), context_.prompt, context_.language, this);
    connect(session_, &DevelopmentSession::developed, this, &MainWindow::onDeveloped);
    session_->start();
}

void MainWindow::onDeveloped() {
    viewStatusBar();
    session_->closeDialog();
    session_->deleteLater();
    session_ = nullptr;
    unsetCursor();
    setEnabled(true);
    if (state().columnCount() > 0) {
        lockGui();
    }
}

void MainWindow::reopenForChanges() {
    const QString text = QStringLiteral("Questa operazione comporta la perdita \r"
                                        "     di tutte le combinazioni del sistema\r\r"
                                        "                    Continuare ?");
    if (!context_.prompt.question(this, QStringLiteral("Attenzione"), text,
                                  Prompt::Icon::Question)) {
        return;
    }
    unlockGui();
    state().columns.clear();
    state().header.systemType.clear();
    viewStatusBar();
    // A system opened with columns but too few numbers must not be developable.
    applyCommandRule();
}

void MainWindow::clearAll() {
    clearSystem(false);
}

void MainWindow::openViewer() {
    if (state().columnCount() <= 0) {
        return;
    }
    auto* viewer = new ColumnViewer(state(), context_.language, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->open();
}

void MainWindow::openViewerIfLocked() {
    if (state().guiLocked != 0) {
        openViewer();
    }
}

void MainWindow::showAbout() {
    auto* about = new AboutDialog(QUrl(QString::fromStdString(context_.settings.server)),
                                  context_.language, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

bool MainWindow::openSystemFile(const QString& argument) {
    QString path = argument;
    path.remove(u'"');
    if (path.isEmpty() || isDeveloping()) {
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto loaded = readSystemFile(path.toStdString());
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        context_.prompt.message(this, QString::fromStdString(loaded.error().title),
                                QString::fromStdString(loaded.error().message),
                                Prompt::Icon::Critical);
        return false;
    }

    clearSystem(false);
    const auto warnings = std::move(loaded.value().warnings);
    adoptLoadedSystem(state(), std::move(loaded.value().state));
    state().systemPath = path.toStdString();
    for (const auto& warning : warnings) {
        context_.prompt.message(this, QString::fromUtf8(ErrorTitle),
                                QString::fromStdString(warning), Prompt::Icon::Critical);
    }

    markGridsFromNumberLists();
    refreshConditionMarks();
    if (state().columnCount() > 0) {
        lockGui();
    }
    state().systemFileName = QFileInfo(path).fileName().toLower().toStdString();
    viewStatusBar();
    return true;
}

void MainWindow::readConfiguration() {
    const IniFile ini(context_.dataFolder.settingsPath().toStdString());
    context_.settings = quintora::readConfiguration(ini);
    if (!context_.settings.language.empty()) {
        context_.language.select(context_.settings.language);
    }
    state().costPerColumn = context_.settings.costPerColumn;
    viewStatusBar();
}

void MainWindow::activateFromOtherCopy(const QString& systemFile) {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    // Never swap the system under a running development or an open dialog.
    if (!systemFile.isEmpty() && !isDeveloping() && QApplication::activeModalWidget() == nullptr) {
        openSystemFile(systemFile);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (isDeveloping() ||
        !context_.prompt.question(this, windowTitle(), QStringLiteral("Uscire dall'applicazione?"),
                                  Prompt::Icon::Question)) {
        event->ignore();
        return;
    }
    context_.closing = true;
    for (auto* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

} // namespace quintora
