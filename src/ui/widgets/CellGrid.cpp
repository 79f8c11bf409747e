#include "ui/widgets/CellGrid.h"

#include <QGridLayout>
#include <QMouseEvent>

namespace quintora {

CellGrid::CellGrid(const QString& name, const QStringList& captions, int columns,
                   const CellLook& look, bool dragToggles, QWidget* parent)
    : QWidget(parent)
    , dragToggles_(dragToggles) {
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < captions.size(); ++i) {
        auto* c = new ToggleCell(captions.at(i), look, this);
        c->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
        layout->addWidget(c, i / columns, i % columns);
        cells_.push_back(c);
        if (dragToggles_) {
            c->installEventFilter(this);
        } else {
            connect(c, &ToggleCell::clicked, this, [this, i] { emit cellActivated(i); });
        }
    }
}

QStringList CellGrid::numberCaptions(int count) {
    QStringList captions;
    for (int n = 1; n <= count; ++n) {
        captions << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return captions;
}

int CellGrid::markedCount() const {
    int n = 0;
    for (const auto* c : cells_) {
        n += c->marked() ? 1 : 0;
    }
    return n;
}

void CellGrid::clearMarks() {
    for (auto* c : cells_) {
        c->setMarked(false);
    }
}

int CellGrid::cellAt(const QPoint& gridPos) const {
    for (int i = 0; i < cells_.size(); ++i) {
        if (cells_.at(i)->geometry().contains(gridPos)) {
            return i;
        }
    }
    return -1;
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    // The pressed cell grabs the mouse, so every move of the drag arrives here.
    auto activate = [this](int index) {
        if (index >= 0 && cells_.at(index)->selectable() && isEnabled()) {
            emit cellActivated(index);
        }
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            // The press lands on the watched cell itself, wherever the grid is on screen.
            dragging_ = true;
            lastCell_ = static_cast<int>(cells_.indexOf(qobject_cast<ToggleCell*>(watched)));
            activate(lastCell_);
        }
        return true;
    }
    case QEvent::MouseMove: {
        if (dragging_) {
            auto* me = static_cast<QMouseEvent*>(event);
            const auto* grabber = static_cast<QWidget*>(watched);
            const int now = cellAt(grabber->mapTo(this, me->position().toPoint()));
            if (now != lastCell_) {
                lastCell_ = now;
                activate(now);
            }
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        lastCell_ = -1;
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quintora
