#include "core/TextPieces.h"

#include <algorithm>

namespace quintora::text {

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view skipByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.starts_with(mark)) {
        text.remove_prefix(mark.size());
    }
    return text;
}

std::optional<std::string_view> LineSplitter::next() {
    if (rest_.empty()) {
        return std::nullopt;
    }
    const auto end = ends_ == LineEnds::LfCrLfOrCr ? rest_.find_first_of("\r\n") : rest_.find('\n');
    if (end == std::string_view::npos) {
        const std::string_view line = rest_;
        rest_ = {};
        return line;
    }
    std::string_view line = rest_.substr(0, end);
    std::size_t skip = end + 1;
    if (rest_[end] == '\r' && skip < rest_.size() && rest_[skip] == '\n') {
        ++skip; // CR LF
    } else if (rest_[end] == '\n' && !line.empty() && line.back() == '\r') {
        line.remove_suffix(1); // CR LF found from its LF
    }
    rest_.remove_prefix(skip);
    return line;
}

std::optional<std::string_view> PieceSplitter::next() {
    const auto start = rest_.find_first_not_of(separators_);
    if (start == std::string_view::npos) {
        rest_ = {};
        return std::nullopt;
    }
    rest_.remove_prefix(start);
    const auto end = std::min(rest_.find_first_of(separators_), rest_.size());
    const std::string_view piece = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return piece;
}

bool PieceSplitter::hasMore() const {
    return rest_.find_first_not_of(separators_) != std::string_view::npos;
}

std::optional<int> digitsValue(std::string_view piece) {
    if (piece.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : piece) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), DigitsCap);
    }
    return value;
}

} // namespace quintora::text
