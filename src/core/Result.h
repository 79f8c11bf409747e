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

// A command that had nothing to do: everything stays as it was and there is nothing to show
// (a third Euro number, the rules already chosen).
struct Unchanged {};
// A command the user called off when asked: everything stays as it was, nothing to show.
struct Cancelled {};

// A value, an Error, or one of the two outcomes that leave everything as it was. Core
// functions return these instead of throwing or showing anything.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : data_(std::move(value)) {}
    Result(Error error)
        : data_(std::move(error)) {}
    Result(Unchanged nothing)
        : data_(nothing) {}
    Result(Cancelled called)
        : data_(called) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }
    bool failed() const { return std::holds_alternative<Error>(data_); }
    bool unchanged() const { return std::holds_alternative<Unchanged>(data_); }
    bool cancelled() const { return std::holds_alternative<Cancelled>(data_); }
    T& value() & { return std::get<T>(data_); }
    const T& value() const& { return std::get<T>(data_); }
    T&& value() && { return std::get<T>(std::move(data_)); }
    // Only when failed().
    const Error& error() const { return std::get<Error>(data_); }

private:
    std::variant<T, Error, Unchanged, Cancelled> data_;
};

struct Done {};
using Status = Result<Done>;
inline Status success() {
    return Done{};
}

} // namespace quintora
