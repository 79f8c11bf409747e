#include "ui/widgets/MoveOnWhenFull.h"

#include <QLineEdit>

namespace quintora {

void moveOnWhenFull(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field] {
        // With an input mask the text holds only the typed places, the length all of them.
        if (field->text().size() < field->maxLength() ||
            field->cursorPosition() < field->maxLength()) {
            return;
        }
        for (QWidget* next = field->nextInFocusChain(); next != field;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
                next->isVisibleTo(field->window())) {
                next->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    });
}

} // namespace quintora
