#include "ui/archive/StatisticsWindow.h"

#include "archive/StatisticsCsv.h"
#include "document/ArchiveDocument.h"
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
    view_ = new QChartView(chart_, frame);
    view_->setObjectName(QStringLiteral("MSChart1"));
    view_->setRenderHint(QPainter::Antialiasing);
    // Wide enough that the fifty upright labels all fit, the first and the last included.
    view_->setMinimumSize(800, 600);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(view_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(frame, 1);

    loadWindowTexts(this, language, QSize(800, 640));
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
    stats_ = computeStatistics(archives_.archive());
    const auto written = writeStatisticsCsv(csvPath_.toStdString(), archives_.archive());
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

void StatisticsWindow::writeMessageTexts() {
    progress_->setText(languageText(language_, "0212", "Elaborazione in corso") + u'\n' +
                       languageText(language_, "0213", "Attendere...."));
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        writeMessageTexts();
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
    const char* ids[] = {"0221", "0222", "0223", "0224", "0225", "0226"};
    return languageText(language_, ids[i], statisticsChart(stats_, table).title.c_str());
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

    // A few rows run left to right, the first at the top, each label beside its bar; the fifty
    // numbers stand side by side with their labels turned upright.
    const bool sideBySide = data.values.size() > 10;
    auto* set = new QBarSet(chart->title());
    set->setColor(QColor(0, 128, 128));
    QStringList labels;
    int highest = 0;
    for (std::size_t i = 0; i < data.values.size(); ++i) {
        const std::size_t r = sideBySide ? i : data.values.size() - 1 - i;
        *set << data.values[r];
        // Chart labels are rich text: non-breaking blanks keep the counts of a column of labels
        // lined up; an upright label reads better with the blanks shown as one.
        QString label = QString::fromStdString(data.labels[r]);
        labels << (sideBySide ? label : label.replace(u' ', QChar(0xA0)));
        highest = std::max(highest, static_cast<int>(data.values[r]));
    }
    QAbstractBarSeries* series =
        sideBySide ? static_cast<QAbstractBarSeries*>(new QBarSeries) : new QHorizontalBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(sideBySide ? 7 : 10);
    auto* rows = new QBarCategoryAxis;
    rows->append(labels);
    rows->setLabelsFont(mono);
    rows->setGridLineVisible(false);
    rows->setTruncateLabels(false); // whole labels, or the counts in them are lost
    if (sideBySide) {
        rows->setLabelsAngle(-90);
    }
    auto* counts = new QValueAxis;
    counts->setRange(0, std::max(highest, 1));
    counts->applyNiceNumbers();
    counts->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(rows, sideBySide ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(counts, sideBySide ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(rows);
    series->attachAxis(counts);

    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    chart_ = chart;
}

} // namespace quintora
