// frmMAIN's commands: develop, reopen for changes, clear, viewer, about, open a system file,
// the settings at load and closing.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Development.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "settings/IniFile.h"
#include "ui/AboutDialog.h"
#include "ui/ColumnViewer.h"
#include "ui/DevelopmentSession.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QUrl>

namespace quintora {

bool MainWindow::isDeveloping() const {
    return session_ != nullptr;
}

void MainWindow::showError(const Error& error) {
    context_.prompt.message(this, shownText(context_.language, error.heading),
                            shownText(context_.language, error.what), Prompt::Icon::Critical);
}

void MainWindow::develop() {
    if (isDeveloping() || !document().canDevelop()) {
        return;
    }
    auto snapshot = document().startDevelopment();
    if (!snapshot) {
        // The command is disabled in this case; this only guards the engine.
        context_.prompt.message(this, {}, shownText(context_.language, snapshot.error().what),
                                Prompt::Icon::Exclamation);
        return;
    }
    setEnabled(false);
    setCursor(Qt::BusyCursor);
    session_ = new DevelopmentSession(document(), std::move(snapshot.value()), context_.prompt,
                                      context_.language, this);
    connect(session_, &DevelopmentSession::developed, this, &MainWindow::onDeveloped);
    session_->start();
}

void MainWindow::onDeveloped() {
    session_->closeDialog();
    session_->deleteLater();
    session_ = nullptr;
    unsetCursor();
    setEnabled(true);
}

void MainWindow::reopenForChanges() {
    const QString text = languageText(context_.language, text::DeleteCombinationsQuestion);
    if (!context_.prompt.question(this, languageText(context_.language, text::WarningTitle), text,
                                  Prompt::Icon::Question)) {
        return;
    }
    if (const auto reopened = document().reopenForChanges(); !reopened) {
        showError(reopened.error());
    }
}

void MainWindow::clearAll() {
    if (hasUnsavedWork() &&
        !context_.prompt.question(this, windowTitle(),
                                  languageText(context_.language, text::ClearSystemQuestion),
                                  Prompt::Icon::Question)) {
        return;
    }
    (void)document().clear(false);
    // What remains is a new system: a plain save must not write it over the file that was
    // open.
    (void)document().nameNewSystem(context_.dataFolder.newSystemPath().toStdString());
}

bool MainWindow::hasUnsavedWork() const {
    const SystemDocument& doc = context_.document;
    return doc.modified() && doc.hasWork();
}

bool MainWindow::mayReplaceWork() {
    if (!hasUnsavedWork()) {
        return true;
    }
    const QString text = languageText(context_.language, text::SaveChangesQuestion)
                             .arg(QString::fromStdString(document().shownFileName()));
    switch (context_.prompt.askToSave(this, windowTitle(), text)) {
    case Prompt::SaveChoice::Save:
        return saveSystemNow();
    case Prompt::SaveChoice::Discard:
        return true;
    case Prompt::SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::openViewer() {
    if (!document().canView()) {
        return;
    }
    auto* viewer = new ColumnViewer(state(), context_.language, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->open();
}

void MainWindow::openViewerIfLocked() {
    openViewer();
}

void MainWindow::showAbout() {
    auto* about = new AboutDialog(QUrl(QString::fromStdString(context_.settings.server)),
                                  context_.language, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

bool MainWindow::openSystemFile(const QString& path) {
    if (path.isEmpty() || isDeveloping()) {
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto opened = document().open(path.toStdString(), [this, &path](GameRules needed) {
        return askRulesForFile(path, needed);
    });
    QApplication::restoreOverrideCursor();
    if (!opened) {
        if (!opened.error().what.empty()) { // empty: the user kept the rules
            showError(opened.error());
        }
        return false;
    }
    for (const auto& warning : opened.value()) {
        context_.prompt.message(this, shownText(context_.language, ErrorTitle),
                                shownText(context_.language, warning), Prompt::Icon::Critical);
    }
    return true;
}

void MainWindow::readConfiguration() {
    const IniFile ini(context_.dataFolder.settingsPath().toStdString());
    context_.settings = quintora::readConfiguration(ini);
    if (!context_.settings.language.empty()) {
        context_.language.select(context_.settings.language);
    }
    // Until the user writes a header of their own, the placeholder that asks for one speaks
    // the chosen language.
    if (!ini.find(SettingsSection, "INTESTAZIONE")) {
        context_.settings.header =
            languageText(context_.language, text::DefaultHeader).toStdString();
    }
    context_.qtLanguage.apply(context_.language.name());
    (void)document().setPricePerColumn(context_.settings.pricePerColumn);
    // Refused only on a developed system, which the settings dialog does not let switch.
    (void)document().setRules(context_.settings.rules);
}

void MainWindow::activateFromOtherCopy(const QString& systemFile) {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    // Never swap the system under a running development or an open dialog, and never
    // drop the user's work without asking.
    if (systemFile.isEmpty() || isDeveloping() || QApplication::activeModalWidget() != nullptr) {
        return;
    }
    if (document().hasWork()) {
        const QString question = languageText(context_.language, text::OpenFileInPlaceQuestion)
                                     .arg(QFileInfo(systemFile).fileName());
        if (!context_.prompt.question(this, windowTitle(), question, Prompt::Icon::Question)) {
            return;
        }
    }
    openSystemFile(systemFile);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Unsaved work is offered to be saved first; without any, the program asks as it always has.
    const bool leave =
        !isDeveloping() &&
        (hasUnsavedWork()
             ? mayReplaceWork()
             : context_.prompt.question(this, windowTitle(),
                                        languageText(context_.language, text::ExitQuestion),
                                        Prompt::Icon::Question));
    if (!leave) {
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
