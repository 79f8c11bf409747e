#include "ui/archive/DelayView.h"

#include "core/Format.h"

#include <algorithm>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace quintora {

namespace {

QTableWidgetItem* numberItem(int value) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value); // sorts as a number
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

DelayView::DelayView(const QString& name, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("page") + name);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("lbl") + name);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("grid") + name);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(24);
    table_->setSortingEnabled(true);
    table_->setMinimumWidth(360);
    table_->sortByColumn(0, Qt::AscendingOrder);
    // A sort rearranges the rows; the chart follows the order shown.
    connect(table_->model(), &QAbstractItemModel::layoutChanged, this, [this] { drawChart(); });

    chart_ = new QChart;
    // One row a number, each label readable: fifty rows make the chart taller than the window,
    // and it scrolls.
    auto* scroller = new QScrollArea(this);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_ = new QChartView(chart_);
    view_->setObjectName(QStringLiteral("chart") + name);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(300, 420);
    scroller->setWidget(view_);

    auto* row = new QHBoxLayout;
    row->addWidget(table_);
    row->addWidget(scroller, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(row, 1);
}

void DelayView::setTexts(const QString& caption, const QStringList& headers,
                         const QStringList& series) {
    caption_->setText(caption);
    table_->setHorizontalHeaderLabels(headers);
    series_ = series;
    fitTable();
    drawChart();
}

void DelayView::setDelays(std::vector<NumberDelay> delays, const QString& numberPrefix) {
    delays_ = std::move(delays);
    prefix_ = numberPrefix;
    const bool sorting = table_->isSortingEnabled();
    table_->setSortingEnabled(false); // rows are filled in place, then sorted once
    table_->setRowCount(static_cast<int>(delays_.size()));
    for (std::size_t i = 0; i < delays_.size(); ++i) {
        const auto& d = delays_[i];
        const int row = static_cast<int>(i);
        // "07" or "E 07": two digits sort as the numbers do.
        auto* number = new QTableWidgetItem(prefix_ + QString::fromStdString(twoDigits(d.number)));
        table_->setItem(row, 0, number);
        table_->setItem(row, 1, numberItem(d.current));
        table_->setItem(row, 2, numberItem(d.longest));
        table_->setItem(row, 3, numberItem(d.count));
    }
    table_->setSortingEnabled(sorting);
    fitTable();
    drawChart();
}

// The whole table in view, so no column hides behind a scroll bar.
void DelayView::fitTable() {
    table_->resizeColumnsToContents();
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width() + 4;
    for (int c = 0; c < table_->columnCount(); ++c) {
        width += table_->columnWidth(c);
    }
    table_->setMinimumWidth(width);
}

std::vector<int> DelayView::shownNumbers() const {
    std::vector<int> out;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (const auto* item = table_->item(row, 0)) {
            out.push_back(item->text().right(2).toInt());
        }
    }
    return out;
}

void DelayView::drawChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* current = new QBarSet(series_.value(0));
    current->setColor(QColor(0, 128, 128));
    auto* longest = new QBarSet(series_.value(1));
    longest->setColor(QColor(192, 192, 0));
    QStringList labels;
    int highest = 0;
    const auto shown = shownNumbers();
    // The first row of the table at the top.
    for (auto at = shown.rbegin(); at != shown.rend(); ++at) {
        const int n = *at;
        const auto it = std::find_if(delays_.begin(), delays_.end(),
                                     [n](const NumberDelay& d) { return d.number == n; });
        if (it == delays_.end()) {
            continue;
        }
        *current << it->current;
        *longest << it->longest;
        labels << QString::fromStdString(twoDigits(n));
        highest = std::max(highest, it->longest);
    }
    view_->setMinimumHeight(std::max(420, static_cast<int>(shown.size()) * 24 + 100));
    auto* series = new QHorizontalBarSeries;
    series->setBarWidth(0.8);
    series->append(current);
    series->append(longest);
    chart->addSeries(series);
    auto* numbers = new QBarCategoryAxis;
    numbers->append(labels);
    numbers->setGridLineVisible(false);
    auto* values = new QValueAxis;
    values->setRange(0, std::max(highest, 1));
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(numbers, Qt::AlignLeft);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(numbers);
    series->attachAxis(values);
    chart->legend()->setAlignment(Qt::AlignTop);

    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    chart_ = chart;
}

} // namespace quintora
