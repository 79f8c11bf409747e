#include "settings/IniFile.h"

#include "core/Encoding.h"
#include "files/FileIo.h"
#include "settings/IniSyntax.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quintora {

namespace {

const char* const ErrorTitle = "E R R O R E";

// The file's bytes; empty when the file does not exist.
Result<std::string> loadBytes(const std::string& path) {
    std::error_code ec;
    const bool exists = !path.empty() && std::filesystem::exists(path, ec);
    if (ec) {
        return Error{ErrorTitle, "Impossibile leggere il file " + path + ": " + ec.message()};
    }
    if (!exists) {
        return std::string{};
    }
    auto bytes = readWholeFile(path, IniFile::MaxFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    return std::string(bytes.value().begin(), bytes.value().end());
}

// The raw value of the first matching key of the first matching section.
std::optional<std::string_view> findRaw(std::string_view bytes, std::string_view section,
                                        std::string_view key) {
    bool inSection = false;
    for (const std::string_view line : ini::splitLines(bytes)) {
        const ini::Line parsed = ini::classify(line);
        if (parsed.kind == ini::LineKind::Section) {
            if (inSection) {
                return std::nullopt; // later sections of the same name are never read
            }
            inSection = ini::sameName(parsed.name, section);
        } else if (inSection && parsed.kind == ini::LineKind::Entry &&
                   ini::sameName(parsed.name, key)) {
            return parsed.value;
        }
    }
    return std::nullopt;
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool validSection(std::string_view name) {
    return !name.empty() && ini::trim(name) == name && !hasLineBreakOrNul(name) &&
           name.find(']') == std::string_view::npos;
}

bool validKey(std::string_view name) {
    return !name.empty() && ini::trim(name) == name && !hasLineBreakOrNul(name) &&
           name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

// Quotes a value that a reader would otherwise change (outer blanks, outer quotes).
std::string storedForm(std::string value) {
    if (value.empty()) {
        return value;
    }
    const bool outerBlank = ini::trim(value).size() != value.size();
    const bool outerQuotes = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front();
    return outerBlank || outerQuotes ? '"' + value + '"' : value;
}

bool isBlankLine(const std::string& line) {
    return ini::trim(line).empty();
}

void putEntry(std::vector<std::string>& lines, const std::string& section, const std::string& key,
              const std::string& value) {
    std::size_t header = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ini::Line parsed = ini::classify(lines[i]);
        if (parsed.kind == ini::LineKind::Section && ini::sameName(parsed.name, section)) {
            header = i;
            break;
        }
    }
    if (header == lines.size()) {
        if (!lines.empty() && !isBlankLine(lines.back())) {
            lines.emplace_back();
        }
        lines.push_back('[' + section + ']');
        lines.push_back(key + '=' + value);
        return;
    }
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const ini::Line parsed = ini::classify(lines[i]);
        if (parsed.kind == ini::LineKind::Section) {
            break;
        }
        if (parsed.kind == ini::LineKind::Entry && ini::sameName(parsed.name, key)) {
            // Keep the key as spelled in the file and the blanks around the '='.
            std::string& text = lines[i];
            const auto kept = text.find_first_not_of(" \t", text.find('=') + 1);
            text = text.substr(0, kept == std::string::npos ? text.size() : kept) + value;
            return;
        }
        if (!isBlankLine(lines[i])) {
            insertAt = i + 1;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), key + '=' + value);
}

} // namespace

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key,
                                         std::size_t maxChars) const {
    const auto bytes = loadBytes(path_);
    if (!bytes) {
        return std::nullopt;
    }
    const auto raw = findRaw(bytes.value(), windows1252FromUtf8(section), windows1252FromUtf8(key));
    if (!raw) {
        return std::nullopt;
    }
    return utf8FromWindows1252(ini::cleanValue(*raw, maxChars));
}

std::string IniFile::getProperty(std::string_view section, std::string_view key) const {
    return find(section, key).value_or(std::string{});
}

std::string IniFile::getProperty(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    auto value = find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int IniFile::getInt(std::string_view section, std::string_view key) const {
    const auto value = find(section, key);
    if (!value || value->empty()) {
        return -1;
    }
    const char* first = value->data();
    const char* last = first + value->size();
    if (*first == '+') {
        ++first;
    }
    int number = 0;
    const auto [end, ec] = std::from_chars(first, last, number);
    return ec == std::errc{} && end == last ? number : -1;
}

Status IniFile::setProperty(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::pair<std::string, std::string> one{std::string(key), std::string(value)};
    return setProperties(section, std::span(&one, 1));
}

Status IniFile::setInt(std::string_view section, std::string_view key, int value) {
    return setProperty(section, key, std::to_string(value));
}

Status IniFile::setProperties(std::string_view section,
                              std::span<const std::pair<std::string, std::string>> values) {
    if (!validSection(section)) {
        return Error{ErrorTitle, "Nome di sezione non valido: \"" + std::string(section) + "\""};
    }
    for (const auto& [key, value] : values) {
        if (!validKey(key)) {
            return Error{ErrorTitle, "Nome di chiave non valido: \"" + key + "\""};
        }
        if (hasLineBreakOrNul(value)) {
            return Error{ErrorTitle, "Valore non valido per la chiave " + key};
        }
    }
    const auto bytes = loadBytes(path_);
    if (!bytes) {
        return bytes.error(); // never overwrite a file that could not be read
    }
    std::vector<std::string> lines;
    for (const std::string_view line : ini::splitLines(bytes.value())) {
        lines.emplace_back(line);
    }
    const std::string sectionBytes = windows1252FromUtf8(section);
    for (const auto& [key, value] : values) {
        putEntry(lines, sectionBytes, windows1252FromUtf8(key),
                 storedForm(windows1252FromUtf8(value)));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return writeFileAtomically(path_, text);
}

} // namespace quintora
