#include "settings/IniFile.h"

#include "files/FileIo.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace quintora {

namespace {

const Message ErrorTitle{text::ErrorTitle};

// The file's bytes; empty when the file does not exist.
Result<std::string> loadBytes(const std::string& path) {
    std::error_code ec;
    const bool exists = !path.empty() && std::filesystem::exists(path, ec);
    if (ec) {
        return Error{ErrorTitle, Message{text::CannotReadFile, {path, ec.message()}}};
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

} // namespace

IniDocument IniFile::read() const {
    auto bytes = loadBytes(path_);
    return bytes ? IniDocument(std::move(bytes.value())) : IniDocument{};
}

Result<IniDocument> IniFile::load() const {
    auto bytes = loadBytes(path_);
    if (!bytes) {
        return bytes.error();
    }
    return IniDocument(std::move(bytes.value()));
}

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key,
                                         std::size_t maxChars) const {
    return read().find(section, key, maxChars);
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
    auto bytes = loadBytes(path_);
    if (!bytes) {
        return bytes.error(); // never overwrite a file that could not be read
    }
    const auto text = IniDocument(std::move(bytes.value())).withValues(section, values);
    if (!text) {
        return text.error();
    }
    return writeFileAtomically(path_, text.value());
}

} // namespace quintora
