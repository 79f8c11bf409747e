#include "render/PlanRenderer.h"

#include <algorithm>
#include <deque>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLinearGradient>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
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

namespace {

// The few faces a page uses, each made once per page with its metrics on the page's device:
// a listing page has hundreds of lines in two faces.
class PageFonts {
public:
    explicit PageFonts(const QPaintDevice* device)
        : device_(device) {}

    struct Face {
        TextFont text;
        QFont font;
        QFontMetricsF metrics;
        QRawFont raw; // the listing's face: its lines go out as glyph runs
    };
    const Face& of(const TextFont& text) {
        for (const Face& face : faces_) {
            if (face.text == text) {
                return face;
            }
        }
        QFont font = planFont(text);
        QFontMetricsF metrics(font, device_);
        QRawFont raw;
        if (text.face == FontFace::CourierNew) {
            raw = QRawFont::fromFont(QFont(font, device_));
        }
        faces_.push_back(Face{text, std::move(font), std::move(metrics), std::move(raw)});
        return faces_.back();
    }

private:
    const QPaintDevice* device_;
    std::deque<Face> faces_; // references stay valid as faces are added
};

// A line of the monospaced face as one glyph run: the glyphs where drawing the text would put
// them, less the blanks, which mark nothing. A listing page has some hundred lines of numbers,
// blanks and bars, and drawing them as text shapes every line again and writes a glyph for
// every blank.
// False, drawing nothing, for a text that is not one glyph a character (a character beyond
// the basic plane): the caller draws it as text.
bool drawGlyphs(QPainter& painter, const QRawFont& font, const QString& text, QPointF origin) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != text.size()) {
        return false;
    }
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QList<quint32> shown;
    QList<QPointF> positions;
    shown.reserve(glyphs.size());
    positions.reserve(glyphs.size());
    QPointF at = origin;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (text.at(i) != QLatin1Char(' ')) {
            shown.push_back(glyphs[i]);
            positions.push_back(at);
        }
        at += advances[i];
    }
    if (!shown.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(shown);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    return true;
}

} // namespace

void paintPlanPage(QPainter& painter, const PlanPage& page) {
    const Scale s = scaleOf(painter);
    PageFonts fonts(painter.device());
    const QFont* current = nullptr;
    painter.setPen(Qt::black);
    // Where the last text ends is measured only when a text follows on its line.
    const PageFonts::Face* lastFace = nullptr;
    QString lastText;
    double lastX = 0;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            const PageFonts::Face& face = fonts.of(text->font);
            if (current != &face.font) {
                painter.setFont(face.font);
                current = &face.font;
            }
            const double x = text->afterPrevious && lastFace != nullptr
                                 ? lastX + lastFace->metrics.horizontalAdvance(lastText)
                                 : text->x * s.x;
            const double baseline = (text->y + ascentMm(text->font)) * s.y;
            lastText = QString::fromStdString(text->text);
            if (!face.raw.isValid() ||
                !drawGlyphs(painter, face.raw, lastText, QPointF(x, baseline))) {
                painter.drawText(QPointF(x, baseline), lastText);
            }
            lastFace = &face;
            lastX = x;
        } else if (const auto* mark = std::get_if<MarkItem>(&item)) {
            painter.fillRect(
                QRectF(mark->x * s.x, mark->y * s.y, mark->size * s.x, mark->size * s.y),
                Qt::black);
        } else if (const auto* logo = std::get_if<LogoItem>(&item)) {
            paintLogo(painter, *logo, s);
            // The logo sets fonts of its own.
            current = nullptr;
            painter.setPen(Qt::black);
        }
    }
}

QTransform planTransform(const QPagedPaintDevice& device, const PagePlan& plan) {
    if (!plan.fitsPrintableArea || plan.pageWidth <= 0 || plan.pageHeight <= 0) {
        return {};
    }
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const double left = std::max(PrintableMarginMm, least.left());
    const double right = std::max(PrintableMarginMm, least.right());
    const double top = std::max(PrintableMarginMm, least.top());
    const double bottom = std::max(PrintableMarginMm, least.bottom());
    const double shrink = std::min({1.0, (plan.pageWidth - left - right) / plan.pageWidth,
                                    (plan.pageHeight - top - bottom) / plan.pageHeight});
    // Centred between the margins.
    const double x = left + (plan.pageWidth - left - right - plan.pageWidth * shrink) / 2;
    const double y = top + (plan.pageHeight - top - bottom - plan.pageHeight * shrink) / 2;
    const double perMmX = device.logicalDpiX() / 25.4;
    const double perMmY = device.logicalDpiY() / 25.4;
    QTransform fit;
    fit.translate(x * perMmX, y * perMmY);
    fit.scale(shrink, shrink);
    return fit;
}

Status paintPlan(QPagedPaintDevice& device, const PagePlan& plan) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return Error{Message{text::ErrorBanner}, Message{text::PrinterNotInstalled}};
    }
    for (std::size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return Error{Message{text::ErrorBanner}, Message{text::PrinterRefusesNewPage}};
        }
        painter.setTransform(planTransform(device, plan));
        paintPlanPage(painter, plan.pages[i]);
    }
    painter.end();
    return success();
}

} // namespace quintora
