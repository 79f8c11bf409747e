// frmMAIN's checks, the draw archive and its statistics. These windows stay open beside the
// main window; each is shown again, not opened twice.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/StatisticsWindow.h"
#include "ui/check/AnalysisDialog.h"
#include "ui/check/ArchiveCheckDialog.h"
#include "ui/check/CheckDialog.h"

namespace quintora {

namespace {

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

ArchiveWindow* MainWindow::archiveWindow() const {
    return archiveWindow_;
}

StatisticsWindow* MainWindow::statisticsWindow() const {
    return statisticsWindow_;
}

CheckDialog* MainWindow::checkDialog() const {
    return checkDialog_;
}

ArchiveCheckDialog* MainWindow::archiveCheckDialog() const {
    return archiveCheckDialog_;
}

void MainWindow::loadArchiveWindows() {
    if (archiveWindow_) {
        return;
    }
    const DataFolder& folder = context_.dataFolder;
    archiveWindow_ = new ArchiveWindow(
        context_.archiveDocument, context_.prompt, context_.language,
        {folder.archivePath(), folder.tempFolder() + QStringLiteral("/quintora_download.dat")},
        [this] { return context_.closing; }, this);
    archiveWindow_->setDownload(
        [this](const std::string& url, const std::string& target, const DownloadLimits& limits) {
            return context_.download(url, target, limits);
        },
        [this] { return context_.settingsDocument.settings().server; });
    statisticsWindow_ = new StatisticsWindow(context_.archiveDocument, context_.prompt,
                                             context_.language, folder.tempFolder(), this);

    connect(archiveWindow_, &ArchiveWindow::statisticsRequested, this, [this] {
        statisticsWindow_->refreshStat();
        bringToFront(statisticsWindow_);
    });
}

// The checks work on developed systems only.
void MainWindow::checkDraw() {
    if (!document().canCheck()) {
        return;
    }
    if (!checkDialog_) {
        checkDialog_ = new CheckDialog(document(), context_.archiveDocument, context_.prompt,
                                       context_.language, this);
        checkDialog_->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringToFront(checkDialog_);
}

void MainWindow::checkArchive() {
    if (!document().canCheck()) {
        return;
    }
    if (!archiveCheckDialog_) {
        archiveCheckDialog_ =
            new ArchiveCheckDialog(document(), context_.archiveDocument, context_.language, this);
        archiveCheckDialog_->setAttribute(Qt::WA_DeleteOnClose);
        bringToFront(archiveCheckDialog_);
        archiveCheckDialog_->fillDrawDateLists();
        return;
    }
    bringToFront(archiveCheckDialog_);
}

// A new analysis each time: the system may have changed since the last one.
void MainWindow::analyseSystem() {
    if (!document().hasColumns()) {
        return;
    }
    if (analysisDialog_) {
        analysisDialog_->close();
    }
    const auto& s = state();
    const auto euro = euroNumbers(s.header);
    analysisDialog_ =
        new AnalysisDialog(s.columns, {euro.begin(), euro.end()},
                           analysisEuroMax(euro, document().rules()), context_.language, this);
    analysisDialog_->setAttribute(Qt::WA_DeleteOnClose);
    bringToFront(analysisDialog_);
}

AnalysisDialog* MainWindow::analysisDialog() const {
    return analysisDialog_;
}

void MainWindow::openArchive() {
    loadArchiveWindows();
    bringToFront(archiveWindow_);
}

void MainWindow::openStatistics() {
    loadArchiveWindows();
    bringToFront(statisticsWindow_);
}

} // namespace quintora
