#pragma once

#include "core/Message.h"
#include "settings/LanguageFile.h"

#include <string>

namespace quintora {

// The one place where a message becomes text: the entries of a language file's [Strings]
// section, with the program's own language (built into the program) for any entry the file
// lacks. Texts are UTF-8; an entry's "\n" is a line break.
class TextTable {
public:
    // The program's own language.
    static const TextTable& own();

    // The entries of `file`; counts are grouped with `thousands` ('.' in the program's own
    // language, ',' in English).
    TextTable(LanguageFile file, char thousands);
    // The language of that name in the data folder ("" or a missing file: the program's own).
    static TextTable forLanguage(const std::string& dataFolder, const std::string& name);

    // The entry as it stands, its %N unfilled; empty when no language has it.
    std::string entry(TextId id) const;
    std::string text(const Message& message) const;
    // The language file the table was built from.
    const LanguageFile& file() const { return file_; }

private:
    TextTable() = default;
    std::string entryOf(TextId id) const;

    LanguageFile file_;
    char thousands_ = '.';
    bool isOwn_ = false;
};

// How the language groups thousands: ',' in English, '.' in the program's own language.
char thousandsSeparatorOf(const std::string& languageName);

// "0741" for entry 741: its key in the language files.
std::string entryKey(TextId id);

} // namespace quintora
