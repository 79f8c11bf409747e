#include "ui/widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QResizeEvent>
#include <QToolTip>

namespace quintora {

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent) {}

void ElidedLabel::setFullText(const QString& text) {
    fullText_ = text;
    elide();
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && isCut()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), cutToolTip_.isEmpty() ? fullText_ : cutToolTip_,
                           this);
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const int room = contentsRect().width() - 2 * margin() - 4;
    // Before the first layout there is no width to fit: show it all.
    setText(room <= 0 ? fullText_ : fontMetrics().elidedText(fullText_, Qt::ElideMiddle, room));
}

} // namespace quintora
