#include "ArchiveScreenshots.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "archive/ShippedHistory.h"
#include "check/PrizeCategory.h"
#include "core/Format.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/StatisticsWindow.h"
#include "ui/check/AnalysisDialog.h"
#include "ui/check/ArchiveCheckDialog.h"
#include "ui/check/CheckDialog.h"

#include <cstdio>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>

namespace quintora::test {

void saveArchiveScreenshots(MainWindow& window, const QString& historyPath, const SaveShot& save) {
    AppContext& context = window.context();
    const QString archivePath = context.dataFolder.archivePath();
    if (!QFileInfo::exists(archivePath)) {
        if (const auto built =
                buildArchiveFromHistory(historyPath.toStdString(), archivePath.toStdString());
            !built) {
            std::fprintf(stderr, "no archive: %s\n", built.error().message.c_str());
            return;
        }
    }
    window.loadArchiveWindows();
    window.openArchive();
    save(window.archiveWindow(), QStringLiteral("archive"));
    window.archiveWindow()->hide();

    // The latest draw, typed in reverse order with two digits each, as the fields show it: the
    // check sorts it.
    window.checkDraw();
    if (auto* check = window.checkDialog();
        check && !context.archiveDocument.archive().draws.empty()) {
        const Draw& latest = context.archiveDocument.archive().draws.back();
        for (int k = 0; k < 5; ++k) {
            check->field(k)->setText(
                QString::fromStdString(twoDigits(latest.numbers[static_cast<std::size_t>(4 - k)])));
        }
        for (int k = 0; k < 2; ++k) {
            check->field(5 + k)->setText(
                QString::fromStdString(twoDigits(latest.euro[static_cast<std::size_t>(k)])));
        }
        check->runCheck();
        save(check, QStringLiteral("check"));
        check->close();
    }

    window.checkArchive();
    if (auto* grid = window.archiveCheckDialog()) {
        grid->runCheck();
        save(grid, QStringLiteral("archive-check"));
        grid->setFilterOn(true);
        // The best category that any draw reached.
        QComboBox* max = grid->filterBox(2);
        int chosen = 0;
        for (int c = PrizeCategoryCount - 1; c >= 0; --c) {
            const int i = max->findText(
                QString::fromUtf8(PrizeCategories[static_cast<std::size_t>(c)].label));
            chosen = i > 0 ? i : chosen;
        }
        max->setCurrentIndex(chosen);
        emit max->activated(chosen);
        save(grid, QStringLiteral("archive-check-filter"));
        grid->close();
    }

    window.openStatistics();
    auto* stats = window.statisticsWindow();
    const char* names[] = {"consecutivi", "ripetuti", "pari", "dispari", "somma", "frequenza"};
    for (int i = 0; i < 6; ++i) {
        stats->findChild<QAbstractButton*>(QStringLiteral("optStat(%1)").arg(i))->click();
        save(stats, QStringLiteral("stats-") + QString::fromUtf8(names[i]));
    }
    stats->tabs()->setCurrentIndex(1);
    save(stats, QStringLiteral("stats-ritardi"));
    stats->tabs()->setCurrentIndex(2);
    save(stats, QStringLiteral("stats-euro"));
    stats->tabs()->setCurrentIndex(0);
    stats->hide();

    window.analyseSystem();
    if (auto* analysis = window.analysisDialog()) {
        QElapsedTimer waited;
        waited.start();
        while (!analysis->result() && waited.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        save(analysis, QStringLiteral("analysis"));
        analysis->close();
    }
}

} // namespace quintora::test
