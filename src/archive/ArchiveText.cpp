#include "archive/ArchiveText.h"

#include "core/Encoding.h"
#include "files/FileIo.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

namespace quintora {

namespace {

constexpr std::size_t FieldCount = 9;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// The nine fields of a line, or nullopt when it has another number of fields.
std::optional<std::array<std::string_view, FieldCount>> fieldsOf(std::string_view line) {
    std::array<std::string_view, FieldCount> fields;
    std::size_t n = 0;
    while (true) {
        const auto bar = line.find('|');
        if (n == FieldCount) {
            return std::nullopt;
        }
        fields[n++] = trimmed(line.substr(0, bar));
        if (bar == std::string_view::npos) {
            break;
        }
        line.remove_prefix(bar + 1);
    }
    if (n != FieldCount) {
        return std::nullopt;
    }
    return fields;
}

std::size_t fieldCount(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '|')) + 1;
}

// An optional sign and digits, within [low, high]; nullopt otherwise (never overflows).
std::optional<int> integerIn(std::string_view field, int low, int high) {
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty()) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 100000) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

Error lineError(std::size_t line, Message reason) {
    return Error{"", Message{text::ArchiveTextInvalidLine, {std::to_string(line), reason}}};
}

std::string quotedField(std::string_view field) {
    return "\"" + utf8FromWindows1252(field) + "\"";
}

} // namespace

Result<DrawArchive> parseArchiveText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    DrawArchive archive;
    std::size_t lineNumber = 0;
    // The last line that is not blank, when it has fewer than nine fields: the sign of a
    // download cut short (a line in the middle may be skipped, the end may not).
    std::size_t shortLastLine = 0;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const auto line = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
        } else {
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            text.remove_prefix(end + (crlf ? 2 : 1));
        }
        ++lineNumber;
        if (!trimmed(line).empty()) {
            shortLastLine = fieldCount(line) < FieldCount ? lineNumber : 0;
        }
        const auto fields = fieldsOf(line);
        if (!fields) {
            continue;
        }
        const auto& f = *fields;
        const auto contest = integerIn(f[0], -32768, 32767);
        if (!contest) {
            return lineError(lineNumber,
                             Message{text::ArchiveTextContestNotNumber, {quotedField(f[0])}});
        }
        Draw d;
        d.contest = static_cast<std::int16_t>(*contest);
        for (std::size_t k = 0; k < 7; ++k) {
            const auto value = integerIn(f[2 + k], 0, 255);
            if (!value) {
                return lineError(lineNumber,
                                 Message{text::ArchiveTextFieldNotByte,
                                         {std::to_string(3 + k), quotedField(f[2 + k])}});
            }
            (k < 5 ? d.numbers[k] : d.euro[k - 5]) = static_cast<std::uint8_t>(*value);
        }
        if (d.isEmpty()) {
            continue;
        }
        const auto date = parseDate(f[1]);
        if (!date) {
            return lineError(lineNumber, Message{text::InvalidDate, {quotedField(f[1])}});
        }
        d.date = *date;
        if (const auto problem = drawProblem(d)) {
            return lineError(lineNumber, *problem);
        }
        if (archive.count() == MaxDraws) {
            return Error{"",
                         Message{text::DownloadedArchiveTooManyDraws, {std::to_string(MaxDraws)}}};
        }
        appendDraw(archive.draws, std::move(d));
    }
    if (shortLastLine != 0 && !archive.draws.empty()) {
        return lineError(shortLastLine, Message{text::DownloadCutShort});
    }
    if (archive.draws.empty()) {
        return Error{"", Message{text::DownloadedArchiveEmpty}};
    }
    finishDraws(archive.draws);
    return archive;
}

Result<DrawArchive> readArchiveText(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        return Error{"", Message{text::FileDoesNotExist, {path}}};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return Error{"", Message{text::NotARegularFile, {path}}};
    }
    const auto bytes = readWholeFile(path, MaxArchiveTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    const auto& b = bytes.value();
    auto archive =
        parseArchiveText(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
    if (!archive) {
        return Error{"", Message{text::WithDetail, {archive.error().what, path}}};
    }
    return archive;
}

} // namespace quintora
