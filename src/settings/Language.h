#pragma once

#include "core/Message.h"
#include "settings/LanguageFile.h"
#include "settings/TextTable.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quintora {

// The current language: its name (a language file's name without ".lng", chosen by the
// settings) and the data folder that holds the files.
class Language {
public:
    explicit Language(std::string dataFolder, std::string name = {})
        : dataFolder_(std::move(dataFolder))
        , name_(std::move(name)) {}

    const std::string& dataFolder() const { return dataFolder_; }
    const std::string& name() const { return name_; }

    // Makes the language current when its file exists in the data folder; otherwise the
    // current language stays and the answer is false. Names with '/' are refused.
    bool select(const std::string& name);

    std::string filePath() const { return languageFilePath(dataFolder_, name_); }
    // The current file, read once for a window; empty when there is none.
    LanguageFile load() const;

    // The entry of the section [Strings] as the file has it; empty when missing or with no name.
    std::string getLangString(TextId id);
    // The message in the current language (the program's own for what the file lacks).
    std::string text(const Message& message);

private:
    // The text table of the current file, built once and again only when the language or its
    // file changes (a language update may replace the file while the program runs).
    const TextTable& currentTable();

    struct ReadFile {
        std::string path;
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        TextTable table;
    };

    std::string dataFolder_;
    std::string name_;
    std::optional<ReadFile> read_;
};

} // namespace quintora
