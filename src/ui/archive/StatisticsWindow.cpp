#include "ui/archive/StatisticsWindow.h"

#include "archive/StatisticsCsv.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QRadioButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

constexpr const char* OptionCaptions[] = {"&Consecutivi", "&Ripetuti", "&Pari",
                                          "&Dispari",     "&Somma",    "&Frequenza"};
static_assert(std::size(OptionCaptions) == AllStatTables.size());

CalendarTime calendarNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

} // namespace

StatisticsWindow::StatisticsWindow(const DrawArchive& archive, Prompt& prompt, Language& language,
                                   QString csvFolder, QWidget* parent)
    : QDialog(parent)
    , archive_(archive)
    , prompt_(prompt)
    , language_(language)
    , csvFolder_(std::move(csvFolder)) {
    setObjectName(QStringLiteral("frmStatistiche"));
    setWindowTitle(QStringLiteral("Statistiche Archivio Estrazioni"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    auto* choices = new QVBoxLayout;
    for (std::size_t i = 0; i < AllStatTables.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(OptionCaptions[i]), this);
        option->setObjectName(QStringLiteral("optStat(%1)").arg(i));
        const StatTable table = AllStatTables[i];
        connect(option, &QRadioButton::toggled, this, [this, table](bool on) {
            if (on) {
                showTable(table);
            }
        });
        choices->addWidget(option);
        options_[i] = option;
    }
    options_[0]->setChecked(true);
    choices->addStretch();
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("lbElaborazione"));
    progress_->setText(languageText(language_, "0212", "Elaborazione in corso") + u'\n' +
                       languageText(language_, "0213", "Attendere...."));
    progress_->hide();
    choices->addWidget(progress_);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frameChart"));
    frame->setFrameShape(QFrame::StyledPanel);
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);
    view_ = new QChartView(chart_, frame);
    view_->setObjectName(QStringLiteral("MSChart1"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(620, 600);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(view_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(frame, 1);

    loadWindowTexts(this, language, QSize(800, 640));
    removeStaleStatisticsCsv(csvFolder_.toStdString());
    refreshStat();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::refreshStat() {
    csvPath_ = csvFolder_ + u'/' + QString::fromStdString(statisticsCsvFileName(calendarNow()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    progress_->show();
    stats_ = computeStatistics(archive_);
    const auto written = writeStatisticsCsv(csvPath_.toStdString(), archive_);
    progress_->hide();
    QApplication::restoreOverrideCursor();
    if (!written) {
        // Another program may hold the file open: the tables are still shown.
        prompt_.message(this, languageText(language_, "0219", StatisticsCsvErrorTitle),
                        languageText(language_, "0220", StatisticsCsvErrorText),
                        Prompt::Icon::Critical);
    }
    chartStale_ = true;
    if (options_[0]->isChecked()) {
        showTable(StatTable::Consecutive);
    } else {
        options_[0]->setChecked(true); // draws through its toggle
    }
}

void StatisticsWindow::showTable(StatTable table) {
    shown_ = table;
    const auto i = static_cast<std::size_t>(
        std::find(AllStatTables.begin(), AllStatTables.end(), table) - AllStatTables.begin());
    if (i < options_.size() && !options_[i]->isChecked()) {
        options_[i]->setChecked(true);
        return; // its toggle comes back here
    }
    chartStale_ = true;
    if (isVisible()) {
        drawChart();
    }
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    if (chartStale_) {
        drawChart();
    }
    QDialog::showEvent(event);
}

QString StatisticsWindow::tableTitle(StatTable table) {
    const auto i = static_cast<int>(table);
    const char* ids[] = {"0221", "0222", "0223", "0224", "0225", "0226"};
    return languageText(language_, ids[i], statisticsChart(stats_, table).title.c_str());
}

void StatisticsWindow::drawChart() {
    chartStale_ = false;
    const StatChart data = statisticsChart(stats_, shown_);
    chart_->removeAllSeries();
    for (auto* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->setTitle(tableTitle(shown_));
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    chart_->setTitleFont(titleFont);

    // Bars run left to right, the first row at the top, each with its label beside it.
    auto* set = new QBarSet(chart_->title());
    set->setColor(QColor(0, 128, 128));
    QStringList labels;
    int highest = 0;
    for (std::size_t r = data.values.size(); r-- > 0;) {
        *set << data.values[r];
        labels << QString::fromStdString(data.labels[r]);
        highest = std::max(highest, static_cast<int>(data.values[r]));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    chart_->addSeries(series);

    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(data.values.size() > 10 ? 8 : 10);
    auto* rows = new QBarCategoryAxis;
    rows->append(labels);
    rows->setLabelsFont(mono);
    rows->setGridLineVisible(false);
    auto* counts = new QValueAxis;
    counts->setRange(0, std::max(highest, 1));
    counts->applyNiceNumbers();
    counts->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(rows, Qt::AlignLeft);
    chart_->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(rows);
    series->attachAxis(counts);
}

} // namespace quintora
