#include "core/ExcludedColumns.h"

#include "core/Format.h"

#include <charconv>

namespace quintora {

std::string excludedColumnText(const Column& column) {
    std::string text;
    for (auto n : column) {
        text += twoDigits(n);
        text += "    ";
    }
    return text;
}

std::optional<Column> parseExcludedColumnText(std::string_view text) {
    Column column{};
    std::size_t found = 0;
    std::size_t pos = 0;
    while (found < column.size()) {
        pos = text.find_first_not_of(" \t\r\n", pos);
        if (pos == std::string_view::npos) {
            return std::nullopt;
        }
        const auto end = std::min(text.find_first_of(" \t\r\n", pos), text.size());
        const auto piece = text.substr(pos, end - pos);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
        if (ec != std::errc{} || ptr != piece.data() + piece.size() || !isMainNumber(value)) {
            return std::nullopt;
        }
        column[found++] = static_cast<std::uint8_t>(value);
        pos = end;
    }
    return column;
}

ExcludedStoreResult storeExcludedColumns(ExcludedSet& excluded,
                                         std::span<const std::string> items) {
    std::vector<Column> kept;
    ExcludedStoreResult result;
    for (const auto& item : items) {
        const auto column = parseExcludedColumnText(item);
        if (!column) {
            ++result.unreadable;
            continue;
        }
        if (result.stored >= MaxExcluded) {
            ++result.overLimit;
            continue;
        }
        kept.push_back(*column);
        ++result.stored;
    }
    excluded.setColumns(kept);
    return result;
}

Message excludedLimitText(int notAdded) {
    const Message limit = Message::count(MaxExcluded);
    return notAdded == 1
               ? Message{text::ExcludedFullOneNotAdded, {limit}}
               : Message{text::ExcludedFullSomeNotAdded, {limit, Message::count(notAdded)}};
}

Message excludedRefusedText(const ExcludedStoreResult& result) {
    const Message limit = Message::count(MaxExcluded);
    std::vector<Message> lines;
    if (result.overLimit > 0) {
        lines.push_back(result.overLimit == 1
                            ? Message{text::ExcludedKeptFirstOneDropped, {limit, limit}}
                            : Message{text::ExcludedKeptFirstSomeDropped,
                                      {limit, limit, Message::count(result.overLimit)}});
    }
    if (result.unreadable > 0) {
        lines.push_back(result.unreadable == 1 ? Message{text::OneInvalidColumnDropped}
                                               : Message{text::InvalidColumnsDropped,
                                                         {Message::count(result.unreadable)}});
    }
    return Message::lines(std::move(lines));
}

} // namespace quintora
