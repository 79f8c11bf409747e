#include "files/ColumnText.h"

#include "core/Encoding.h"
#include "core/Format.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <algorithm>

namespace quintora {

namespace {

// Splits text into lines at LF, CR LF or a lone CR; `next` returns false at the end.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : rest_(text) {}

    bool next(std::string_view& line) {
        if (done_) {
            return false;
        }
        const auto end = rest_.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            line = rest_;
            done_ = true;
            return true;
        }
        line = rest_.substr(0, end);
        const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
        rest_.remove_prefix(end + (crlf ? 2 : 1));
        done_ = rest_.empty();
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> blankSeparatedPieces(std::string_view line) {
    std::vector<std::string_view> pieces;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            pieces.push_back(line.substr(start, i - start));
        }
    }
    return pieces;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A piece of digits only, read without overflow: 1000 stands for anything above 999.
std::optional<int> digitsValue(std::string_view piece) {
    if (piece.empty() ||
        !std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    while (piece.size() > 1 && piece.front() == '0') {
        piece.remove_prefix(1);
    }
    if (piece.size() > 3) {
        return 1000;
    }
    int value = 0;
    for (char c : piece) {
        value = value * 10 + (c - '0');
    }
    return value;
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

Error lineError(std::size_t lineNumber, const std::string& what) {
    return Error{ErrorTitle, "Riga " + std::to_string(lineNumber) + ": " + what};
}

// One line's column, or the reason it is not one.
Result<Column> parseColumnLine(std::string_view line, std::size_t lineNumber) {
    const auto pieces = blankSeparatedPieces(line);
    if (pieces.size() < NumbersPerColumn) {
        return lineError(lineNumber,
                         "servono cinque numeri, trovati " + std::to_string(pieces.size()));
    }
    if (pieces.size() > NumbersPerColumn) {
        return lineError(lineNumber, "piu' di cinque numeri");
    }
    Column column{};
    NumberMask seen = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto value = digitsValue(pieces[i]);
        if (!value) {
            return lineError(lineNumber, quoted(pieces[i]) + " non e' un numero");
        }
        if (!isMainNumber(*value)) {
            return lineError(lineNumber,
                             "il numero " + quoted(pieces[i]) + " e' fuori dall'intervallo 1..50");
        }
        const NumberMask bit = NumberMask{1} << *value;
        if (seen & bit) {
            return lineError(lineNumber, "il numero " + std::to_string(*value) + " e' ripetuto");
        }
        seen |= bit;
        column[i] = static_cast<std::uint8_t>(*value);
    }
    return column;
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

Result<std::vector<Column>> parseColumnsText(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) {
        text.remove_prefix(bom.size());
    }
    std::vector<Column> columns;
    LineReader lines(text);
    std::string_view line;
    std::size_t lineNumber = 0;
    while (lines.next(line)) {
        ++lineNumber;
        if (trimmed(line).empty()) {
            continue;
        }
        if (columns.size() == MaxColumns) {
            return Error{ErrorTitle, "Il file contiene piu' di " + formatCount(MaxColumns) +
                                         " colonne, la capienza massima"};
        }
        auto column = parseColumnLine(line, lineNumber);
        if (!column) {
            return column.error();
        }
        columns.push_back(column.value());
    }
    if (columns.empty()) {
        return Error{ErrorTitle, "Il file non contiene colonne"};
    }
    return columns;
}

Result<std::vector<Column>> readColumnsText(const std::string& path) {
    auto bytes = readWholeFile(path, MaxColumnTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    const auto& b = bytes.value();
    return parseColumnsText(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

Result<std::uint8_t> parseEuroAnswer(std::string_view answer,
                                     std::span<const std::uint8_t> chosenSoFar) {
    answer = trimmed(answer);
    if (answer.empty()) {
        return Error{ErrorTitle, "Inserire un numero Euro da 1 a 10"};
    }
    const auto value = digitsValue(answer);
    if (!value) {
        return Error{ErrorTitle, quoted(answer) + " non e' un numero"};
    }
    if (!isEuroNumber(*value)) {
        return Error{ErrorTitle, "Il numero Euro deve essere compreso tra 1 e 10"};
    }
    if (std::find(chosenSoFar.begin(), chosenSoFar.end(), *value) != chosenSoFar.end()) {
        return Error{ErrorTitle,
                     "Il numero Euro " + std::to_string(*value) + " e' gia' stato scelto"};
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::string> euroAnswerError(std::string_view answer,
                                           std::span<const std::uint8_t> chosenSoFar) {
    auto parsed = parseEuroAnswer(answer, chosenSoFar);
    if (parsed) {
        return std::nullopt;
    }
    return parsed.error().message;
}

Result<std::array<std::uint8_t, EuroNumbersPerSystem>> parseEuroAnswers(std::string_view first,
                                                                        std::string_view second) {
    auto a = parseEuroAnswer(first, {});
    if (!a) {
        return a.error();
    }
    const std::uint8_t chosen[] = {a.value()};
    auto b = parseEuroAnswer(second, chosen);
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
    NumberMask occurring = 0;
    for (const Column& column : columns) {
        occurring |= maskOf(column);
    }
    std::array<bool, MainNumberCount> marks{};
    for (int n = 1; n <= MainNumberCount; ++n) {
        marks[n - 1] = (occurring >> n) & 1;
    }
    setNumbersInPlay(state.header, marks);

    std::sort(euro.begin(), euro.end());
    std::copy(euro.begin(), euro.end(), state.header.euroNumbers.begin());
    state.header.euroCount = EuroNumbersPerSystem;

    state.columns = std::move(columns);
    state.header.systemType = SystemTypeTextFile;
}

} // namespace quintora
