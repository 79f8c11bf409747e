#include "ui/widgets/CellGrid.h"

#include <algorithm>
#include <QAccessible>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quintora {

CellGrid::CellGrid(const QString& name, const QStringList& captions, int columns,
                   const CellLook& look, bool dragToggles, QWidget* parent)
    : QWidget(parent)
    , columns_(columns < 1 ? 1 : columns)
    , dragToggles_(dragToggles) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
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
            connect(c, &ToggleCell::clicked, this, [this, i] {
                setCurrentCell(i);
                emit cellActivated(i);
            });
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
            setCurrentCell(index);
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

namespace quintora {

void CellGrid::setCurrentCell(int index) {
    if (index < 0 || index >= cells_.size()) {
        return;
    }
    cells_.at(current_)->setCurrent(false);
    current_ = index;
    cells_.at(current_)->setCurrent(hasFocus());
    if (hasFocus()) {
        // A screen reader follows the current cell as it would a focused control.
        QAccessibleEvent focus(cells_.at(current_), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

int CellGrid::shownCellFrom(int index, int step) const {
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        const int next = ((index + step * k) % n + n) % n;
        if (!cells_.at(next)->isHidden()) {
            return next;
        }
    }
    return -1;
}

void CellGrid::activateCurrent() {
    if (cells_.at(current_)->selectable() && !cells_.at(current_)->isHidden() && isEnabled()) {
        emit cellActivated(current_);
    }
}

void CellGrid::typeDigit(QChar digit) {
    typed_ += digit;
    if (typed_.size() < 2) {
        return;
    }
    const QString caption = typed_;
    typed_.clear();
    for (int i = 0; i < count(); ++i) {
        if (cells_.at(i)->text() == caption && !cells_.at(i)->isHidden()) {
            setCurrentCell(i);
            activateCurrent();
            return;
        }
    }
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    if (count() == 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        typeDigit(text.at(0));
        return;
    }
    typed_.clear();
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -columns_;
        break;
    case Qt::Key_Down:
        step = columns_;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateCurrent();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (const int next = shownCellFrom(current_, step); next >= 0) {
        setCurrentCell(next);
    }
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (cells_.isEmpty()) {
        return;
    }
    if (cells_.at(current_)->isHidden()) {
        current_ = std::max(shownCellFrom(current_, 1), 0);
    }
    setCurrentCell(current_);
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    typed_.clear();
    if (!cells_.isEmpty()) {
        cells_.at(current_)->setCurrent(false);
    }
}

} // namespace quintora
