#include "app/ManualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
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
        // An open menu is a window of its own: the section is that of the window it belongs to.
        QWidget* window = widget->window();
        while (qobject_cast<QMenu*>(window) != nullptr && window->parentWidget() != nullptr) {
            window = window->parentWidget()->window();
        }
        open_(window->objectName());
    }
    return true;
}

} // namespace quintora
