#pragma once

#include "core/Texts.h"

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace quintora {

// A text for the user: an entry of the language files' [Strings] section with the values of
// its %1..%9, or a text that is shown as it stands (a file name, a line of a file, the
// system's reason for a failure). A value may be an entry of its own, or a count that each
// language groups in its own way. Messages of several lines keep their line breaks.
class Message {
public:
    enum class Kind { Plain, Entry, Count, Lines };

    Message() = default;
    // Shown as it stands, in every language.
    Message(std::string plain)
        : text_(std::move(plain)) {}
    Message(const char* plain)
        : text_(plain) {}
    Message(TextId id, std::vector<Message> values = {})
        : kind_(Kind::Entry)
        , id_(id)
        , values_(std::move(values)) {}
    // An entry is named (text::DrawsAdded), never a bare number.
    Message(int) = delete;
    static Message count(long long value);
    // The messages one under the other, parted by `lineBreak`.
    static Message lines(std::vector<Message> lines, std::string lineBreak = "\r\n");

    Kind kind() const { return kind_; }
    TextId id() const { return id_; }
    long long countValue() const { return count_; }
    // The plain text, or the line break of Lines.
    const std::string& text() const { return text_; }
    const std::vector<Message>& values() const { return values_; }
    bool empty() const { return kind_ == Kind::Plain && text_.empty(); }

private:
    Kind kind_ = Kind::Plain;
    TextId id_;
    long long count_ = 0;
    std::string text_;
    std::vector<Message> values_;
};

// The message in the program's own language (the text table's, built into the program).
std::string ownLanguageText(const Message& message);
// Writes the message in the program's own language (for logs and test reports).
std::ostream& operator<<(std::ostream& out, const Message& message);

} // namespace quintora
