#include "ui/archive/StatisticsWindow.h"

#include "archive/StatisticsCsv.h"
#include "document/ArchiveDocument.h"
#include "ui/archive/DelayView.h"
#include "ui/ArchiveSignals.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <utility>

namespace quintora {

namespace {

// The chart's least height, and the height of each of its rows once they need more.
constexpr int ChartMinimumHeight = 560;
constexpr int ChartRowHeight = 22;

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

StatisticsWindow::StatisticsWindow(ArchiveDocument& archives, Prompt& prompt, Language& language,
                                   QString csvFolder, QWidget* parent)
    : QDialog(parent)
    , archives_(archives)
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
    writeMessageTexts();
    progress_->hide();
    choices->addWidget(progress_);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frameChart"));
    frame->setFrameShape(QFrame::StyledPanel);
    chart_ = new QChart;
    // A chart of many rows grows taller than the window and scrolls, so every label keeps a
    // readable size.
    auto* scroller = new QScrollArea(frame);
    scroller->setObjectName(QStringLiteral("scrollChart"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    view_ = new QChartView(chart_);
    view_->setObjectName(QStringLiteral("MSChart1"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(600, ChartMinimumHeight);
    scroller->setWidget(view_);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(scroller);

    // The six tables keep their page; the delays have a page each beside it.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabStatistiche"));
    auto* tablesPage = new QWidget(tabs_);
    tablesPage->setObjectName(QStringLiteral("pageStatistiche"));
    auto* tablesLayout = new QHBoxLayout(tablesPage);
    tablesLayout->addLayout(choices);
    tablesLayout->addWidget(frame, 1);
    tabs_->addTab(tablesPage, QStringLiteral("Statistiche"));
    mainDelays_ = new DelayView(QStringLiteral("Ritardi"), tabs_);
    tabs_->addTab(mainDelays_, QStringLiteral("Ritardi"));
    euroDelays_ = new DelayView(QStringLiteral("NumeriEuro"), tabs_);
    tabs_->addTab(euroDelays_, QStringLiteral("Numeri Euro"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);

    loadWindowTexts(this, language, QSize(920, 680));
    removeStaleStatisticsCsv(csvFolder_.toStdString());
    refreshStat();
    connect(new ArchiveSignals(archives, this), &ArchiveSignals::changed, this,
            &StatisticsWindow::followArchive);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::followArchive(ArchiveChanges what) {
    if (what.has(ArchiveChange::Draws) || what.has(ArchiveChange::Update)) {
        refreshStat();
    }
}

void StatisticsWindow::refreshStat() {
    csvPath_ = csvFolder_ + u'/' + QString::fromStdString(statisticsCsvFileName(calendarNow()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    progress_->show();
    const DrawArchive& archive = archives_.archive();
    stats_ = computeStatistics(archive);
    delays_ = computeDelays(archive);
    mainDelays_->setDelays(delays_.main, QString());
    euroDelays_->setDelays(delays_.euro, QStringLiteral("E "));
    writeDelayTexts();
    const auto written = writeStatisticsCsv(csvPath_.toStdString(), archive);
    progress_->hide();
    QApplication::restoreOverrideCursor();
    if (!written) {
        // Another program may hold the file open: the tables are still shown.
        prompt_.message(this, shownText(language_, written.error().heading),
                        shownText(language_, written.error().what), Prompt::Icon::Critical);
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

void StatisticsWindow::writeMessageTexts() {
    progress_->setText(languageText(language_, text::Working) + u'\n' +
                       languageText(language_, text::PleaseWait));
}

void StatisticsWindow::writeDelayTexts() {
    const QStringList headers{languageText(language_, text::NumberHeading),
                              languageText(language_, text::CurrentDelayHeading),
                              languageText(language_, text::LongestDelayHeading),
                              languageText(language_, text::DrawnHeading)};
    const QStringList series{headers[1], headers[2]};
    mainDelays_->setTexts(languageText(language_, text::NumberDelaysOverDraws).arg(delays_.draws),
                          headers, series);
    const auto& era = delays_.era;
    const QString caption =
        era.from.empty()
            ? languageText(language_, text::EuroDelays).arg(era.euroMax).arg(delays_.eraDraws)
            : languageText(language_, text::EuroDelaysSince)
                  .arg(era.euroMax)
                  .arg(QString::fromStdString(era.from))
                  .arg(delays_.eraDraws);
    euroDelays_->setTexts(caption, headers, series);
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        writeMessageTexts();
        writeDelayTexts();
        chartStale_ = true; // the chart's title is a message too
        if (isVisible()) {
            drawChart();
        }
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
    const TextId ids[] = {text::Consecutive, text::Repeated, text::Even,
                          text::Odd,         text::Sum,      text::NumberFrequency};
    return languageText(language_, ids[i]);
}

void StatisticsWindow::drawChart() {
    chartStale_ = false;
    const StatChart data = statisticsChart(stats_, shown_);
    // A new chart each time: nothing of the previous table's axes can stay behind.
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setTitle(tableTitle(shown_));
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    chart->setTitleFont(titleFont);

    // Rows run left to right, the first at the top, each label beside its bar in a readable
    // size: the fifty numbers make the chart taller than the window, and it scrolls.
    const int rowCount = static_cast<int>(data.values.size());
    view_->setMinimumHeight(std::max(ChartMinimumHeight, rowCount * ChartRowHeight + 120));
    auto* set = new QBarSet(chart->title());
    set->setColor(QColor(0, 128, 128));
    QStringList labels;
    int highest = 0;
    for (std::size_t i = 0; i < data.values.size(); ++i) {
        const std::size_t r = data.values.size() - 1 - i;
        *set << data.values[r];
        // Chart labels are rich text: non-breaking blanks keep the counts of a column of labels
        // lined up.
        QString label = QString::fromStdString(data.labels[r]);
        labels << label.replace(u' ', QChar(0xA0));
        highest = std::max(highest, static_cast<int>(data.values[r]));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(10);
    auto* rows = new QBarCategoryAxis;
    rows->append(labels);
    rows->setLabelsFont(mono);
    rows->setGridLineVisible(false);
    rows->setTruncateLabels(false); // whole labels, or the counts in them are lost
    auto* counts = new QValueAxis;
    counts->setRange(0, std::max(highest, 1));
    counts->applyNiceNumbers();
    counts->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(rows, Qt::AlignLeft);
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(rows);
    series->attachAxis(counts);

    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    chart_ = chart;
}

} // namespace quintora
