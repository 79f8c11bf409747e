#include "settings/TextTable.h"

#include "settings/OwnLanguageBytes.h"

#include <cstdio>

namespace quintora {

namespace {

std::string grouped(long long value, char thousands) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        const auto left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            out += thousands;
        }
    }
    return out;
}

// A language file writes a line break inside an entry as the two characters "\n", since
// each entry stays on one line.
std::string withLineBreaks(std::string entry) {
    for (auto at = entry.find("\\n"); at != std::string::npos; at = entry.find("\\n", at + 1)) {
        entry.replace(at, 2, "\n");
    }
    return entry;
}

} // namespace

std::string ownLanguageText(const Message& message) {
    return TextTable::own().text(message);
}

char thousandsSeparatorOf(const std::string& languageName) {
    return languageName == "english" ? ',' : '.';
}

std::string entryKey(TextId id) {
    char key[16];
    std::snprintf(key, sizeof key, "%04d", id.number());
    return key;
}

const TextTable& TextTable::own() {
    static const TextTable table = [] {
        TextTable own(LanguageFile::fromBytes(std::string(ownLanguageBytes())), '.');
        own.isOwn_ = true;
        return own;
    }();
    return table;
}

TextTable::TextTable(LanguageFile file, char thousands)
    : file_(std::move(file))
    , thousands_(thousands) {}

TextTable TextTable::forLanguage(const std::string& dataFolder, const std::string& name) {
    if (name.empty() || name == "italiano") {
        return own();
    }
    return TextTable(LanguageFile::load(languageFilePath(dataFolder, name)),
                     thousandsSeparatorOf(name));
}

std::string TextTable::entryOf(TextId id) const {
    return withLineBreaks(file_.value("Strings", entryKey(id)));
}

std::string TextTable::entry(TextId id) const {
    std::string text = entryOf(id);
    if (text.empty() && !isOwn_) {
        text = own().entryOf(id);
    }
    return text;
}

std::string TextTable::text(const Message& message) const {
    switch (message.kind()) {
    case Message::Kind::Plain:
        return message.text();
    case Message::Kind::Count:
        return grouped(message.countValue(), thousands_);
    case Message::Kind::Lines: {
        std::string out;
        const auto& lines = message.values();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += (i == 0 ? "" : message.text()) + text(lines[i]);
        }
        return out;
    }
    case Message::Kind::Entry:
        break;
    }
    // One pass over the entry, so a value that itself holds "%2" stays as it is.
    const std::string entryText = entry(message.id());
    const auto& values = message.values();
    std::string out;
    for (std::size_t at = 0; at < entryText.size(); ++at) {
        const char c = entryText[at];
        if (c == '%' && at + 1 < entryText.size() && entryText[at + 1] >= '1' &&
            entryText[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(entryText[at + 1] - '1');
            if (index < values.size()) {
                out += text(values[index]);
                ++at;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace quintora
