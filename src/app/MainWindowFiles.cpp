// frmMAIN's File menu: system files, the columns as text, and the settings.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/ManualWindow.h"
#include "ui/Prompt.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/WindowLoad.h"

#include <array>
#include <optional>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <vector>

namespace quintora {

namespace {

QString fileNameOf(const std::string& path) {
    return QString::fromStdString(fileNamePart(path));
}

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void MainWindow::openSystem() {
    if (!mayReplaceWork()) {
        return;
    }
    const QString path =
        context_.prompt.openFileName(this, context_.dataFolder.systemsFolder(),
                                     languageText(context_.language, text::SystemFileFilter));
    if (!path.isEmpty()) {
        openSystemFile(path);
    }
}

void MainWindow::saveSystem() {
    saveSystemNow();
}

bool MainWindow::saveSystemNow() {
    // A plain save always writes into the systems folder; an imported text becomes a .qsy.
    return writeSystemFile(QString::fromStdString(
        document().plainSavePath(context_.dataFolder.systemsFolder().toStdString())));
}

void MainWindow::saveSystemAs() {
    QString proposed = fileNameOf(state().systemFileName);
    proposed.replace(QStringLiteral(".txt"), QStringLiteral(".qsy"));
    const QString path = context_.prompt.saveFileName(
        this, context_.dataFolder.systemsFolder(), proposed,
        languageText(context_.language, text::SystemFileFilter), QStringLiteral("qsy"));
    if (path.isEmpty()) {
        return;
    }
    writeSystemFile(path);
}

bool MainWindow::writeSystemFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    Status saved = success();
    {
        const WaitCursor wait;
        saved = document().saveAs(path.toStdString());
    }
    if (!saved) {
        showError(saved.error());
        return false;
    }
    rememberRecent(path);
    return true;
}

void MainWindow::exportColumns() {
    QString proposed = fileNameOf(state().systemFileName);
    proposed.replace(QStringLiteral(".qsy"), QStringLiteral(".txt"));
    const QString path = context_.prompt.saveFileName(
        this, context_.dataFolder.textFolder(), proposed,
        languageText(context_.language, text::TextFileFilter), QStringLiteral("txt"));
    if (path.isEmpty()) {
        return;
    }
    const Status saved = document().exportColumns(path.toStdString());
    if (!saved) {
        showError(saved.error());
        return;
    }
    context_.prompt.message(this, {}, languageText(context_.language, text::FileSaved).arg(path),
                            Prompt::Icon::Information);
}

void MainWindow::importColumns() {
    if (!mayReplaceWork()) {
        return;
    }
    const QString path =
        context_.prompt.openFileName(this, context_.dataFolder.textFolder(),
                                     languageText(context_.language, text::TextFileFilter));
    importColumnsText(path);
}

bool MainWindow::importColumnsText(const QString& path) {
    if (path.isEmpty() || isDeveloping()) {
        return false;
    }
    // Everything is read and asked before the system is touched, so a refused file or a
    // cancelled answer leaves the previous system as it was.
    auto imported = [&path] {
        const WaitCursor wait;
        return importColumnsFile(path.toStdString());
    }();
    if (!imported) {
        showError(imported.error());
        return false;
    }
    std::array<std::uint8_t, EuroNumbersPerSystem> euro{};
    for (std::size_t i = 0; i < euro.size(); ++i) {
        const std::span<const std::uint8_t> chosen(euro.data(), i);
        for (;;) {
            const auto answer = context_.prompt.inputText(
                this, languageText(context_.language, text::EuroNumbersCaption),
                languageText(context_.language, text::ValueNumberQuestion)
                    .arg(static_cast<int>(i) + 1));
            if (!answer) {
                context_.prompt.message(this, {},
                                        languageText(context_.language, text::ImportCancelled),
                                        Prompt::Icon::Information);
                return false;
            }
            const auto number = parseEuroAnswer(answer->toStdString(), chosen, document().rules());
            if (number) {
                euro[i] = number.value();
                break;
            }
            showError(number.error());
        }
    }

    const auto extraLines = imported.value().linesWithExtraPieces;
    if (const auto adopted = document().adoptImportedColumns(std::move(imported.value().columns),
                                                             euro, path.toStdString());
        !adopted) {
        showError(adopted.error());
        return false;
    }
    if (extraLines > 0) {
        const QString notice = extraLines == 1
                                   ? languageText(context_.language, text::OneLineOverFiveValues)
                                   : languageText(context_.language, text::LinesOverFiveValues)
                                         .arg(displayCount(extraLines));
        context_.prompt.message(this, {}, notice, Prompt::Icon::Information);
    }
    return true;
}

void MainWindow::openSettings() {
    const std::string language = context_.language.name();
    // A new language takes every window with it as it is saved; the same one is taken again,
    // as a language update may have replaced its file.
    if (askSettings() && context_.language.name() == language) {
        applyLanguageChange();
    }
}

bool MainWindow::askSettings() {
    SettingsDialog dialog(context_.settingsDocument, context_.language, context_.prompt,
                          printerNames(), this);
    dialog.setDownload(context_.download, context_.dataFolder.tempFolder().toStdString());
    dialog.setRulesCheck([this](GameRules rules) { return maySwitchRules(rules); });
    return dialog.exec() == QDialog::Accepted;
}

// Saved settings may name another language: every window of the program takes it at once,
// hidden ones included, and those that write texts of their own hear of it.
void MainWindow::applyLanguageChange() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().isEmpty() || qobject_cast<QMenu*>(window)) {
            continue;
        }
        reloadWindowTexts(window, context_.language);
        QEvent changed(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &changed);
    }
    writeTitle();
    refresh(Changes::all());
    // The manual, when open, changes language too.
    if (manualWindow_ != nullptr && manualWindow_->isVisible()) {
        showManual();
    }
}

} // namespace quintora
