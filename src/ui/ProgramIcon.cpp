#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quintora {

namespace {

// Drawn on a 64 x 64 grid, scaled to `size`.
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // A white ring with a tail: the "Q".
    QPen ring(Qt::white, 7);
    ring.setCapStyle(Qt::RoundCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(12, 11, 34, 34));
    p.drawLine(QPointF(36, 36), QPointF(47, 47));

    // The Euro number: an olive ball.
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(QColor(192, 192, 0));
    p.drawEllipse(QRectF(40, 40, 18, 18));
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(drawIcon(size));
    }
    return icon;
}

} // namespace quintora
