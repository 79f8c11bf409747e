#include "ui/widgets/MessageLine.h"

#include "ui/LanguageText.h"

#include <QEvent>

namespace quintora {

MessageLine::MessageLine(Language& language, QWidget* parent)
    : QLabel(parent)
    , language_(language) {
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (parent != nullptr) {
        parent->window()->installEventFilter(this);
    }
    hide();
}

void MessageLine::showMessage(const Message& message) {
    message_ = message;
    writeText();
    show();
}

void MessageLine::clear() {
    message_.reset();
    QLabel::clear();
    hide();
}

void MessageLine::writeText() {
    if (message_) {
        setText(shownText(language_, *message_));
    }
}

bool MessageLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        writeText();
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace quintora
