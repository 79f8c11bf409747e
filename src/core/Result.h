#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quintora {

// An expected failure, carrying the program's own message text. The view decides
// how to show it (title and icon of a message box, a line on standard error).
struct Error {
    std::string title;   // e.g. "E R R O R E"; empty for the program's title
    std::string message; // the text shown to the user
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
