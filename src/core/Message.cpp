#include "core/Message.h"

#include <ostream>

namespace quintora {

Message Message::count(long long value) {
    Message message;
    message.kind_ = Kind::Count;
    message.count_ = value;
    return message;
}

Message Message::lines(std::vector<Message> lines, std::string lineBreak) {
    Message message;
    message.kind_ = Kind::Lines;
    message.text_ = std::move(lineBreak);
    message.values_ = std::move(lines);
    return message;
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << ownLanguageText(message);
}

} // namespace quintora
