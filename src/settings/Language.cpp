#include "settings/Language.h"

#include "settings/TextTable.h"

#include <filesystem>
#include <system_error>

namespace quintora {

namespace {

// A bare file name: a language may not point outside the data folder.
bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace

bool Language::select(const std::string& name) {
    if (!plainName(name)) {
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(languageFilePath(dataFolder_, name), ec)) {
        return false;
    }
    name_ = name;
    return true;
}

LanguageFile Language::load() const {
    return plainName(name_) ? LanguageFile::load(filePath()) : LanguageFile{};
}

std::string Language::getLangString(TextId id) {
    if (!plainName(name_)) {
        return {};
    }
    return currentTable().file().value("Strings", entryKey(id));
}

std::string Language::text(const Message& message) {
    if (!plainName(name_)) {
        return TextTable::own().text(message);
    }
    return currentTable().text(message);
}

const TextTable& Language::currentTable() {
    const std::string path = filePath();
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path, ec);
    const std::uintmax_t size = ec ? 0 : std::filesystem::file_size(path, ec);
    if (!read_ || read_->path != path || read_->modified != modified || read_->size != size) {
        read_ = ReadFile{path, modified, size,
                         TextTable(LanguageFile::load(path), thousandsSeparatorOf(name_))};
    }
    return read_->table;
}

} // namespace quintora
