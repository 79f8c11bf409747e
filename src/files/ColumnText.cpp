#include "files/ColumnText.h"

#include "core/Encoding.h"
#include "core/Format.h"
#include "core/TextPieces.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <algorithm>

namespace quintora {

namespace {

// A number written in digits, with a minus sign for those below zero (out of range, but
// numbers all the same); nullopt for anything else.
std::optional<int> signedValue(std::string_view piece) {
    if (piece.size() > 1 && piece.front() == '-') {
        const auto magnitude = text::digitsValue(piece.substr(1));
        return magnitude ? std::optional<int>(-*magnitude) : std::nullopt;
    }
    return text::digitsValue(piece);
}

// A piece of a hostile file, fit to be quoted in a message.
std::string quoted(std::string_view piece) {
    constexpr std::size_t shown = 20;
    std::string bytes(piece.substr(0, shown));
    for (char& c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return "\"" + utf8FromWindows1252(bytes) + (piece.size() > shown ? "...\"" : "\"");
}

Error lineError(std::size_t lineNumber, Message what) {
    return Error{ErrorTitle, Message{text::AtLine, {std::to_string(lineNumber), what}}};
}

struct ColumnLine {
    Column column{};
    bool extraPieces = false; // pieces beyond the fifth, ignored
};

// One line's column from its first five pieces, or the reason it is not one. Reading stops
// at the first bad piece, and pieces beyond the fifth are only looked for, never collected,
// so a huge line costs no memory of its own.
Result<ColumnLine> parseColumnLine(std::string_view line, std::size_t lineNumber) {
    ColumnLine result;
    text::PieceSplitter pieces(line);
    NumberSet seen;
    for (std::size_t i = 0; i < NumbersPerColumn; ++i) {
        const auto piece = pieces.next();
        if (!piece) {
            return lineError(lineNumber, Message{text::NeedFiveNumbers, {std::to_string(i)}});
        }
        const auto value = signedValue(*piece);
        if (!value) {
            return lineError(lineNumber, Message{text::NotANumber, {quoted(*piece)}});
        }
        if (!isMainNumber(*value)) {
            return lineError(lineNumber, Message{text::NumberOutOfRange, {quoted(*piece)}});
        }
        if (seen.contains(*value)) {
            return lineError(lineNumber, Message{text::NumberRepeated, {std::to_string(*value)}});
        }
        seen.insert(*value);
        result.column[i] = static_cast<std::uint8_t>(*value);
    }
    result.extraPieces = pieces.hasMore();
    return result;
}

} // namespace

std::string columnTextLines(std::span<const Column> columns) {
    std::string text;
    text.reserve(columns.size() * (3 * NumbersPerColumn + 3));
    for (const Column& column : columns) {
        text += ' ';
        for (std::uint8_t n : column) {
            if (n != 0) {
                text += twoDigits(n);
                text += ' ';
            }
        }
        text += "\r\n";
    }
    return text;
}

Status saveColumnsText(const std::string& path, std::span<const Column> columns) {
    return writeFileAtomically(path, columnTextLines(columns));
}

Result<ColumnTextImport> importColumnsText(std::string_view content) {
    ColumnTextImport imported;
    text::LineSplitter lines(text::skipByteOrderMark(content));
    std::size_t lineNumber = 0;
    while (const auto line = lines.next()) {
        ++lineNumber;
        if (text::trim(*line).empty()) {
            continue;
        }
        if (imported.columns.size() == MaxColumns) {
            return Error{ErrorTitle,
                         Message{text::TextOverColumnCapacity, {Message::count(MaxColumns)}}};
        }
        auto parsed = parseColumnLine(*line, lineNumber);
        if (!parsed) {
            return parsed.error();
        }
        imported.columns.push_back(parsed.value().column);
        imported.linesWithExtraPieces += parsed.value().extraPieces ? 1 : 0;
    }
    if (imported.columns.empty()) {
        return Error{ErrorTitle, Message{text::TextHoldsNoColumns}};
    }
    return imported;
}

Result<ColumnTextImport> importColumnsFile(const std::string& path) {
    auto bytes = readWholeFile(path, MaxColumnTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    const auto& b = bytes.value();
    return importColumnsText(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

std::optional<std::string> extraPiecesNotice(const ColumnTextImport& imported) {
    const std::int32_t lines = imported.linesWithExtraPieces;
    if (lines <= 0) {
        return std::nullopt;
    }
    if (lines == 1) {
        return std::string("Una riga conteneva piu' di cinque valori: "
                           "sono stati letti solo i primi cinque");
    }
    return formatCount(lines) + " righe contenevano piu' di cinque valori: "
                                "sono stati letti solo i primi cinque di ogni riga";
}

namespace {

Result<std::vector<Column>> columnsOnly(Result<ColumnTextImport> imported) {
    if (!imported) {
        return imported.error();
    }
    return std::move(imported.value().columns);
}

} // namespace

Result<std::vector<Column>> parseColumnsText(std::string_view content) {
    return columnsOnly(importColumnsText(content));
}

Result<std::vector<Column>> readColumnsText(const std::string& path) {
    return columnsOnly(importColumnsFile(path));
}

Result<std::uint8_t> parseEuroAnswer(std::string_view answer,
                                     std::span<const std::uint8_t> chosenSoFar, GameRules rules) {
    answer = text::trim(answer);
    if (answer.empty()) {
        return Error{ErrorTitle, Message{rules.euroMax() == 12 ? text::EnterEuroNumberTo12
                                                               : text::EnterEuroNumberTo10}};
    }
    const auto value = signedValue(answer);
    if (!value) {
        return Error{ErrorTitle, Message{text::NotANumber, {quoted(answer)}}};
    }
    if (!rules.isEuroNumber(*value)) {
        return Error{ErrorTitle, Message{rules.euroMax() == 12 ? text::EuroNumberRangeTo12
                                                               : text::EuroNumberRangeTo10}};
    }
    if (std::find(chosenSoFar.begin(), chosenSoFar.end(), *value) != chosenSoFar.end()) {
        return Error{ErrorTitle, Message{text::EuroNumberAlreadyChosen, {std::to_string(*value)}}};
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::string> euroAnswerError(std::string_view answer,
                                           std::span<const std::uint8_t> chosenSoFar,
                                           GameRules rules) {
    auto parsed = parseEuroAnswer(answer, chosenSoFar, rules);
    if (parsed) {
        return std::nullopt;
    }
    return parsed.error().message;
}

Result<std::array<std::uint8_t, EuroNumbersPerSystem>>
parseEuroAnswers(std::string_view first, std::string_view second, GameRules rules) {
    auto a = parseEuroAnswer(first, {}, rules);
    if (!a) {
        return a.error();
    }
    const std::uint8_t chosen[] = {a.value()};
    auto b = parseEuroAnswer(second, chosen, rules);
    if (!b) {
        return b.error();
    }
    return std::array<std::uint8_t, EuroNumbersPerSystem>{a.value(), b.value()};
}

void applyImportedColumns(SystemState& state, std::vector<Column> columns,
                          std::array<std::uint8_t, EuroNumbersPerSystem> euro) {
    clearSystemData(state, false);
    if (columns.size() > MaxColumns) {
        columns.resize(MaxColumns);
    }
    NumberSet occurring;
    for (const Column& column : columns) {
        occurring |= numbersOf(column);
    }
    state.header.setNumbers(occurring);

    state.header.setEuros(NumberSet::of(euro));

    state.columns = std::move(columns);
    state.header.systemType = SystemTypeTextFile;
}

} // namespace quintora
