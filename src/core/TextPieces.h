#pragma once

#include <optional>
#include <string_view>

// The small pieces every text reader needs: blanks, lines, pieces of a line and numbers
// written in digits. Everything works on bytes (Windows-1252 or ASCII) and never allocates.
namespace quintora::text {

// ASCII white space: blank, tab, CR, LF, vertical tab and form feed.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without leading and trailing blanks.
std::string_view trim(std::string_view text);

// The text after a UTF-8 byte-order mark, which editors may put before the first line.
std::string_view skipByteOrderMark(std::string_view text);

enum class LineEnds {
    LfCrLfOrCr, // LF, CR LF or a lone CR ends a line (text files of any system)
    LfOrCrLf,   // LF or CR LF; a lone CR belongs to the line (the INI file rule)
};

// The lines of a text, one at a time, without their line ends. A final line end does not
// start another (empty) line, so "" has no lines and "a\n" one.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text, LineEnds ends = LineEnds::LfCrLfOrCr)
        : rest_(text)
        , ends_(ends) {}

    // The next line, or nullopt after the last one.
    std::optional<std::string_view> next();
    // Bytes not yet split off; the next line starts here.
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
    LineEnds ends_;
};

// The pieces of a line between runs of separators, one at a time; empty pieces are never
// returned. `separators` is kept by reference and must outlive the splitter.
class PieceSplitter {
public:
    static constexpr std::string_view Blanks = " \t\r\n\v\f";

    explicit PieceSplitter(std::string_view line, std::string_view separators = Blanks)
        : rest_(line)
        , separators_(separators) {}

    // The next piece, or nullopt when only separators are left.
    std::optional<std::string_view> next();
    // True when another piece follows, without taking it.
    bool hasMore() const;

private:
    std::string_view rest_;
    std::string_view separators_;
};

// Values of digit runs saturate here, far above every number a file may hold, so that
// "99999999999999999999" is a number out of range rather than an overflow.
inline constexpr int DigitsCap = 1'000'000;

// A piece of the digits 0..9 only (leading zeros allowed) and its value, at most
// DigitsCap; nullopt for an empty piece or any other character, signs included.
std::optional<int> digitsValue(std::string_view piece);

} // namespace quintora::text
