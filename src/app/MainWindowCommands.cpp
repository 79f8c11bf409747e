// frmMAIN's commands: develop, reopen for changes, clear, viewer, about, open a system file,
// the settings at load and closing.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/Development.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "settings/LanguageFile.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"
#include "ui/AboutDialog.h"
#include "ui/ColumnViewer.h"
#include "ui/DevelopmentSession.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QUrl>

namespace quintora {

namespace {

// The header placeholders of the program's own language and of the language files of the folder.
std::vector<std::string> headerPlaceholders(const std::string& dataFolder) {
    std::vector<std::string> placeholders{TextTable::own().entry(text::DefaultHeader)};
    for (const std::string& name : availableLanguages(dataFolder)) {
        placeholders.push_back(TextTable::forLanguage(dataFolder, name).entry(text::DefaultHeader));
    }
    return placeholders;
}

} // namespace

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
    report(document().reopenForChanges());
}

void MainWindow::report(const Status& status) {
    if (status.failed()) {
        showError(status.error());
    }
}

// A developed system too: one step, which undo takes back.
void MainWindow::clearAll() {
    if (isDeveloping() || !mayReplaceWork()) {
        return;
    }
    const Status cleared = document().clear(false);
    report(cleared);
    if (cleared) {
        // What remains is a new system: a plain save must not write it over the file that
        // was open.
        document().nameNewSystem(context_.dataFolder.newSystemPath().toStdString());
    }
}

void MainWindow::undo() {
    report(document().undo());
}

void MainWindow::redo() {
    report(document().redo());
}

bool MainWindow::hasUnsavedWork() const {
    return context_.document.modified();
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
    auto* about =
        new AboutDialog(QUrl(QString::fromStdString(context_.settingsDocument.settings().server)),
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
        if (opened.failed()) { // otherwise the user kept the rules
            showError(opened.error());
        }
        return false;
    }
    rememberRecent(QString(path).remove(u'"'));
    for (const auto& warning : opened.value()) {
        context_.prompt.message(this, shownText(context_.language, ErrorTitle),
                                shownText(context_.language, warning), Prompt::Icon::Critical);
    }
    return true;
}

void MainWindow::settingsChanged(SettingChanges changes) {
    const Settings& settings = context_.settingsDocument.settings();
    if (changes.has(SettingChange::Language)) {
        if (!settings.language.empty()) {
            context_.language.select(settings.language);
        }
        context_.qtLanguage.apply(context_.language.name());
        // A placeholder stored by an earlier version is no header of the user's: left empty,
        // the slips print the placeholder of the language in use.
        context_.settingsDocument.setHeaderPlaceholders(
            headerPlaceholders(context_.language.dataFolder()));
        if (loaded_) {
            applyLanguageChange();
        }
    }
    if (changes.has(SettingChange::Price)) {
        document().setPricePerColumn(settings.pricePerColumn);
    }
    if (changes.has(SettingChange::Rules)) {
        // Refused only on a developed system, which the settings dialog does not let switch;
        // a file that needs the rules switches them itself as it opens.
        report(document().setRules(settings.rules));
    }
    if (changes.has(SettingChange::RecentFiles)) {
        showRecentFiles();
    }
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
    if (document().modified()) { // one marked number is work too
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
