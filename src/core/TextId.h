#pragma once

namespace quintora {

// The number of an entry of the language files' [Strings] section. Code names entries by the
// constants of core/Texts.h, so a bare number is never taken for a text.
class TextId {
public:
    constexpr TextId() = default;
    constexpr explicit TextId(int number)
        : number_(number) {}

    constexpr int number() const { return number_; }
    friend constexpr bool operator==(TextId, TextId) = default;

private:
    int number_ = 0;
};

} // namespace quintora
