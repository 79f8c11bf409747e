#include "ui/widgets/ToggleCell.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quintora {

namespace {

// A colour halfway to light grey: a read-only cell keeps its mark recognisable but looks off.
QColor greyed(const QColor& c) {
    constexpr int Grey = 200;
    return {(c.red() + Grey) / 2, (c.green() + Grey) / 2, (c.blue() + Grey) / 2};
}

} // namespace

CellLook CellLook::red() {
    return {QColor(Qt::red), QColor(Qt::white), QColor(Qt::white), QColor(Qt::black)};
}
CellLook CellLook::blue() {
    return {QColor(Qt::blue), QColor(Qt::white), QColor(Qt::white), QColor(Qt::black)};
}
CellLook CellLook::teal() {
    const QColor teal(0, 128, 128);
    return {teal, QColor(Qt::white), QColor(Qt::white), teal, true};
}
CellLook CellLook::olive() {
    const QColor olive(192, 192, 0);
    return {olive, QColor(Qt::white), QColor(Qt::white), olive, true};
}
CellLook CellLook::yellow() {
    return {QColor(Qt::yellow), QColor(Qt::black), QColor(Qt::white), QColor(Qt::black)};
}

ToggleCell::ToggleCell(const QString& caption, const CellLook& look, QWidget* parent)
    : QLabel(caption, parent)
    , look_(look) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setMinimumSize(28, 24);
    setCursor(Qt::PointingHandCursor);
    refresh();
}

void ToggleCell::setMarked(bool marked) {
    marked_ = marked;
    refresh();
}

void ToggleCell::setSelectable(bool selectable) {
    selectable_ = selectable;
    if (!selectable) {
        marked_ = false;
    }
    setCursor(selectable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    refresh();
}

void ToggleCell::setLook(const CellLook& look) {
    look_ = look;
    refresh();
}

void ToggleCell::setCurrent(bool current) {
    if (current_ != current) {
        current_ = current;
        update();
    }
}

void ToggleCell::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!current_) {
        return;
    }
    // A frame that stands out on the marked and the unmarked colours alike.
    QPainter painter(this);
    const QRect inside = rect().adjusted(2, 2, -3, -3);
    painter.setPen(QPen(QColor(255, 160, 0), 3));
    painter.drawRect(inside);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(inside.adjusted(-2, -2, 2, 2));
}

void ToggleCell::mousePressEvent(QMouseEvent* event) {
    // A drag is handled by the grid; a plain press on a lone cell is a click.
    if (event->button() == Qt::LeftButton && selectable_ && isEnabled()) {
        emit clicked();
    }
    event->ignore(); // let a CellGrid see the press to start its drag
}

void ToggleCell::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        refresh();
    }
}

void ToggleCell::refresh() {
    setProperty("Tag", marked_ ? QStringLiteral("1") : QStringLiteral("0"));
    QPalette pal = palette();
    QFont f = font();
    if (!isEnabled()) {
        // Locked: greyed, the marked cells still set apart from the others.
        pal.setColor(QPalette::Window,
                     marked_ ? greyed(look_.markedBackground) : QColor(236, 236, 236));
        pal.setColor(QPalette::WindowText, marked_ ? QColor(Qt::white) : QColor(150, 150, 150));
        f.setItalic(false);
        f.setBold(marked_ && look_.markedBold);
    } else if (!selectable_) {
        // A mark on a number not in play (a filter member) stays visible, in the grey text.
        pal.setColor(QPalette::Window, marked_ ? look_.markedBackground : look_.unmarkedBackground);
        pal.setColor(QPalette::WindowText, QColor(192, 192, 192));
        f.setItalic(true);
        f.setBold(false);
    } else {
        pal.setColor(QPalette::Window, marked_ ? look_.markedBackground : look_.unmarkedBackground);
        pal.setColor(QPalette::WindowText, marked_ ? look_.markedText : look_.unmarkedText);
        f.setItalic(false);
        f.setBold(marked_ && look_.markedBold);
    }
    setPalette(pal);
    setFont(f);
}

} // namespace quintora
