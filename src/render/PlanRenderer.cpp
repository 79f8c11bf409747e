#include "render/PlanRenderer.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <variant>

namespace quintora {

namespace {

// Device units per millimetre of the painter's device.
struct Scale {
    double x;
    double y;
};

Scale scaleOf(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return {device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
}

void paintLogo(QPainter& painter, const LogoItem& logo, Scale s) {
    const QRectF box(logo.x * s.x, logo.y * s.y, logo.width * s.x, logo.height * s.y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, logo.colour ? QColor(0x1f, 0x4e, 0x9c) : QColor(0x5a, 0x5a, 0x5a));
    fill.setColorAt(1, logo.colour ? QColor(0x12, 0x2c, 0x5c) : QColor(0x30, 0x30, 0x30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const double radius = box.height() / 6;
    painter.drawRoundedRect(box, radius, radius);
    // Five balls and two stars, the game's draw, beside the name.
    const double ball = box.height() * 0.22;
    const QColor ballColour = logo.colour ? QColor(0xf5, 0xc4, 0x00) : QColor(0xd0, 0xd0, 0xd0);
    painter.setBrush(ballColour);
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(box.left() + box.height() * 0.35 + i * ball * 1.15,
                             box.top() + box.height() * 0.72);
        painter.drawEllipse(centre, ball / 2, ball / 2);
    }
    QFont name = planFont(TextFont{FontFace::Arial, 16, true});
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(box.left(), box.top() + box.height() * 0.08, box.width(), box.height() * 0.5),
        Qt::AlignCenter, QStringLiteral("QUINTORA"));
    painter.restore();
}

} // namespace

QFont planFont(const TextFont& text) {
    QFont font;
    if (text.face == FontFace::Arial) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
        font.setStyleHint(QFont::Monospace);
    }
    font.setPointSizeF(text.points);
    font.setBold(text.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

void paintPlanPage(QPainter& painter, const PlanPage& page) {
    const Scale s = scaleOf(painter);
    double lineEnd = 0; // device X just after the last text
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            const QFont font = planFont(text->font);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QString shown = QString::fromStdString(text->text);
            const double x = text->afterPrevious ? lineEnd : text->x * s.x;
            const double baseline = (text->y + ascentMm(text->font)) * s.y;
            painter.drawText(QPointF(x, baseline), shown);
            lineEnd = x + QFontMetricsF(font, painter.device()).horizontalAdvance(shown);
        } else if (const auto* mark = std::get_if<MarkItem>(&item)) {
            painter.fillRect(
                QRectF(mark->x * s.x, mark->y * s.y, mark->size * s.x, mark->size * s.y),
                Qt::black);
        } else if (const auto* logo = std::get_if<LogoItem>(&item)) {
            paintLogo(painter, *logo, s);
        }
    }
}

Status paintPlan(QPagedPaintDevice& device, const PagePlan& plan) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return Error{"!!! E R R O R E !!!", "Stampante non installata"};
    }
    for (std::size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return Error{"!!! E R R O R E !!!", "La stampante non accetta una nuova pagina"};
        }
        paintPlanPage(painter, plan.pages[i]);
    }
    painter.end();
    return success();
}

} // namespace quintora
