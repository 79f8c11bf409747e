#pragma once

#include "core/Message.h"

#include <optional>
#include <QLabel>

namespace quintora {

class Language;

// A line of a window that says something went wrong without stopping the user with a box (a
// choice that could not be remembered). Hidden until there is something to say; it says it
// again when the window's language changes.
class MessageLine : public QLabel {
    Q_OBJECT
public:
    MessageLine(Language& language, QWidget* parent);

    void showMessage(const Message& message);
    void clear();
    const std::optional<Message>& message() const { return message_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void writeText();

    Language& language_;
    std::optional<Message> message_;
};

} // namespace quintora
