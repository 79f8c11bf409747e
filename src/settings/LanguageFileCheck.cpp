#include "settings/LanguageFileCheck.h"

#include "core/TextPieces.h"
#include "settings/LanguageFile.h"

#include <array>
#include <cctype>

namespace quintora {

namespace {

constexpr std::array<std::string_view, 2> NeededSections = {"frmMAIN", "Strings"};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

Message lineProblem(std::size_t line, TextId reason) {
    return Message{text::LanguageFileBadLine, {std::to_string(line), Message{reason}}};
}

} // namespace

std::optional<Message> languageFileProblem(std::string_view bytes) {
    if (bytes.size() > LanguageFile::MaxFileBytes) {
        return Message{text::DownloadTooLarge}; // it would be read as no file at all
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        return Message{text::LanguageFileLastLineCut};
    }
    std::array<bool, NeededSections.size()> found{};
    std::size_t lineNumber = 0;
    while (!bytes.empty()) {
        const auto end = bytes.find_first_of("\r\n");
        const auto line = text::trim(bytes.substr(0, end));
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            const bool crlf =
                bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            bytes.remove_prefix(end + (crlf ? 2 : 1));
        }
        ++lineNumber;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                return lineProblem(lineNumber, text::SectionWithoutBracket);
            }
            const auto name = text::trim(line.substr(1, line.size() - 2));
            for (std::size_t i = 0; i < NeededSections.size(); ++i) {
                found[i] = found[i] || sameName(name, NeededSections[i]);
            }
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            return lineProblem(lineNumber, text::NotKeyValue);
        }
        const auto value = text::trim(line.substr(equals + 1));
        if (value.starts_with('"') && (value.size() < 2 || !value.ends_with('"'))) {
            return lineProblem(lineNumber, text::ValueWithoutClosingQuote);
        }
    }
    for (std::size_t i = 0; i < NeededSections.size(); ++i) {
        if (!found[i]) {
            return Message{text::LanguageFileMissesSection, {std::string(NeededSections[i])}};
        }
    }
    return std::nullopt;
}

} // namespace quintora
