#pragma once

#include "core/Message.h"

#include <string>
#include <utility>
#include <variant>

namespace quintora {

// An expected failure: what went wrong and the title of its box, as messages that each
// language shows in its own words, and their text in the program's own language. The view
// decides how to show it (title and icon of a message box, a line on standard error).
struct Error {
    Error(Message titleMessage, Message whatMessage)
        : heading(std::move(titleMessage))
        , what(std::move(whatMessage))
        , title(ownLanguageText(heading))
        , message(ownLanguageText(what)) {}

    Message heading; // e.g. "E R R O R E"; empty for the program's title
    Message what;
    std::string title; // heading and what in the program's own language
    std::string message;
};

// A value or an Error. Core functions return these instead of throwing or showing anything.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : data_(std::move(value)) {}
    Result(Error error)
        : data_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<T>(data_); }
    const T& value() const& { return std::get<T>(data_); }
    T&& value() && { return std::get<T>(std::move(data_)); }
    const Error& error() const { return std::get<Error>(data_); }

private:
    std::variant<T, Error> data_;
};

struct Done {};
using Status = Result<Done>;
inline Status success() {
    return Done{};
}

} // namespace quintora
