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

signals:
    void cellActivated(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int cellAt(const QPoint& gridPos) const; // in the grid's own coordinates

    QVector<ToggleCell*> cells_;
    bool dragToggles_;
    bool dragging_ = false;
    int lastCell_ = -1;
};

} // namespace quintora
