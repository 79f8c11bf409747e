#pragma once

#include "archive/Delays.h"
#include "archive/Statistics.h"
#include "document/DocumentChanges.h"

#include <array>
#include <QDialog>
#include <QString>

class QChart;
class QChartView;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace quintora {

class ArchiveDocument;
class Language;
class Prompt;
class DelayView;

// frmStatistiche: the six tables of the archive's statistics, one at a time as a bar chart,
// and the statistics CSV of every draw. Loaded hidden at start-up; closing it only hides it.
// New draws, or an update that ended, recompute it.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    // The window's load: removes the CSV files of earlier runs from `csvFolder`, then
    // refreshStat.
    StatisticsWindow(ArchiveDocument& archives, Prompt& prompt, Language& language,
                     QString csvFolder, QWidget* parent);
    ~StatisticsWindow() override;

    // Recomputes the tables from the archive, writes a new CSV file and shows the chart of
    // consecutive numbers.
    void refreshStat();
    // An optStat choice: that table's chart.
    void showTable(StatTable table);
    StatTable shownTable() const { return shown_; }

    const ArchiveStats& stats() const { return stats_; }
    // The CSV file of the last refresh (written or not).
    const QString& csvPath() const { return csvPath_; }
    QChart* chart() const { return chart_; }
    const ArchiveDelays& delays() const { return delays_; }
    // The tabs: the six tables, "Ritardi", "Numeri Euro".
    QTabWidget* tabs() const { return tabs_; }
    DelayView* mainDelays() const { return mainDelays_; }
    DelayView* euroDelays() const { return euroDelays_; }

protected:
    void showEvent(QShowEvent* event) override;
    // A new language of the program: the texts the window writes itself follow it.
    void changeEvent(QEvent* event) override;

private:
    void writeMessageTexts();
    void drawChart();
    void writeDelayTexts();
    QString tableTitle(StatTable table);
    void followArchive(ArchiveChanges what);

    const ArchiveDocument& archives_;
    Prompt& prompt_;
    Language& language_;
    QString csvFolder_;
    QString csvPath_;
    ArchiveStats stats_;
    StatTable shown_ = StatTable::Consecutive;
    bool chartStale_ = true; // drawn when the window shows, not while it is hidden
    std::array<QRadioButton*, AllStatTables.size()> options_{};
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLabel* progress_ = nullptr;
    ArchiveDelays delays_;
    QTabWidget* tabs_ = nullptr;
    DelayView* mainDelays_ = nullptr;
    DelayView* euroDelays_ = nullptr;
};

} // namespace quintora
