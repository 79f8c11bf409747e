#include "app/ManualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quintora {

ManualKey::ManualKey(Open open, QObject* parent)
    : QObject(parent)
    , open_(std::move(open)) {
    QCoreApplication::instance()->installEventFilter(this);
}

ManualKey::~ManualKey() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ManualKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || widget == nullptr) {
        return false;
    }
    // The key is handled once, at the first widget it reaches, and not passed up again.
    if (!key->isAutoRepeat()) {
        open_(widget->window()->objectName());
    }
    return true;
}

} // namespace quintora
