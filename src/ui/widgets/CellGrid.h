#pragma once

#include "ui/widgets/ToggleCell.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

namespace quintora {

// A grid of ToggleCells named "<name>(<index>)". With drag on, pressing a cell and moving
// across the grid emits cellActivated once for every cell the pointer enters (the first cell
// included); a cell fires again only after the pointer left it and came back. Without drag
// only clicks count. The owner toggles marks in its cellActivated handler.
// The grid takes the keyboard focus: the arrows move the current cell (left and right wrap
// from row to row), Space or Enter activates it, and two digits typed activate the cell of
// that caption ("1" "7": the cell "17"). The current cell is framed while the grid has focus.
class CellGrid : public QWidget {
    Q_OBJECT
public:
    CellGrid(const QString& name, const QStringList& captions, int columns, const CellLook& look,
             bool dragToggles, QWidget* parent);

    // The captions "01", "02", ... of a grid of numbers 1..count.
    static QStringList numberCaptions(int count);

    int count() const { return static_cast<int>(cells_.size()); }
    ToggleCell* cell(int index) const { return cells_.at(index); }
    bool marked(int index) const { return cells_.at(index)->marked(); }
    void setMarked(int index, bool marked) { cells_.at(index)->setMarked(marked); }
    int markedCount() const;
    void clearMarks();
    int currentCell() const { return current_; }
    void setCurrentCell(int index);

signals:
    void cellActivated(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int cellAt(const QPoint& gridPos) const; // in the grid's own coordinates
    // The next shown cell `step` cells away, wrapping at the ends; -1 when none is shown.
    int shownCellFrom(int index, int step) const;
    void activateCurrent();
    void typeDigit(QChar digit);

    QVector<ToggleCell*> cells_;
    int columns_;
    int current_ = 0;
    QString typed_; // the first digit of a two-digit caption
    bool dragToggles_;
    bool dragging_ = false;
    int lastCell_ = -1;
};

} // namespace quintora
