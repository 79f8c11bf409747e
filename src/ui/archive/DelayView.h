#pragma once

#include "archive/Delays.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

namespace quintora {

// One table of delays: a caption, the table (sortable by each column) and a bar chart of
// the current and the longest delay in the table's order.
class DelayView : public QWidget {
    Q_OBJECT
public:
    // `name` becomes the object names' suffix: "gridRitardi", "chartRitardi", "lblRitardi".
    DelayView(const QString& name, QWidget* parent);

    // headers: number, current, longest, count; series: the chart's two bar names.
    void setTexts(const QString& caption, const QStringList& headers, const QStringList& series);
    void setDelays(std::vector<NumberDelay> delays, const QString& numberPrefix);

    QTableWidget* table() const { return table_; }
    QChart* chart() const { return chart_; }
    // The numbers in the order the table shows them.
    std::vector<int> shownNumbers() const;

private:
    void drawChart();
    void fitTable();

    std::vector<NumberDelay> delays_;
    QString prefix_;
    QStringList series_;
    QLabel* caption_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
};

} // namespace quintora
