#include "settings/Settings.h"

#include "core/Encoding.h"
#include "settings/IniSyntax.h"
#include "settings/TextTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace quintora {

namespace {

// Digits with at most one decimal mark ('.' or ','), nothing else but blanks around.
std::optional<double> parseDecimal(std::string_view text) {
    text = ini::trim(text);
    std::string normal;
    bool mark = false;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
            normal += c;
        } else if ((c == '.' || c == ',') && !mark) {
            mark = true;
            normal += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc{} || end != normal.data() + normal.size()) {
        return std::nullopt;
    }
    return value;
}

bool validPrice(Cents cents) {
    return cents >= 0 && cents <= MaxPricePerColumn;
}

// How each type of field is kept as text. The only integer is the recalculation source
// (1 or 2), the only flag the recalculation mode, the only amount the price (whole cents),
// the rules their highest Euro number.
void fromText(std::string& field, const std::string& text) {
    field = text;
}
void fromText(int& source, const std::string& text) {
    source = text == "1" ? 1 : 2;
}
void fromText(bool& mode, const std::string& text) {
    mode = text == "TRUE";
}
void fromText(GameRules& rules, const std::string& text) {
    rules = ini::trim(text) == "12" ? GameRules::current() : GameRules::classic();
}
void fromText(Cents& price, const std::string& text) {
    const auto cents = parseDecimal(text);
    if (cents && *cents <= static_cast<double>(MaxPricePerColumn)) {
        price = static_cast<Cents>(std::llround(*cents));
    }
}

std::string toText(const std::string& field) {
    return field;
}
std::string toText(int source) {
    return source == 2 ? "2" : "1";
}
std::string toText(bool mode) {
    return mode ? "TRUE" : "FALSE";
}
std::string toText(GameRules rules) {
    return std::to_string(rules.euroMax());
}
std::string toText(Cents price) {
    return std::to_string(price);
}

// Every key of the settings section and the field it fills; the member's type says how it is
// stored. A missing key leaves the field at the default that Settings declares.
struct Field {
    const char* key;
    std::variant<std::string Settings::*, int Settings::*, bool Settings::*, Cents Settings::*,
                 GameRules Settings::*>
        member;
};

constexpr std::array<Field, 7> fields{{
    {"INTESTAZIONE", &Settings::header},
    {"STAMPANTE TABULATO", &Settings::listingPrinter},
    {"SORGENTE RICALCOLO", &Settings::recalcSource},
    {"MODALITA' RICALCOLO", &Settings::recalcMode},
    {"LINGUA", &Settings::language},
    {"COSTO_COLONNA", &Settings::pricePerColumn},
    {"SERVER", &Settings::server},
}};

// The game rules: read with the rest, written only once they differ from the program's own
// game or the file names them already, so a file of a user who never chose stays as it was.
constexpr Field rulesField{"NUMERI EURO", &Settings::rules};

// Keys that windows remember for themselves: read with the rest, written only by the window
// that keeps them, so the settings dialog leaves them as they are.
constexpr std::array<Field, 4> rememberedFields{{
    {"DESTINAZIONE SCHEDINE", &Settings::slipOutput},
    {"CARTELLA PDF SCHEDINE", &Settings::slipPdfFolder},
    {"DESTINAZIONE TABULATO", &Settings::listingOutput},
    {"CARTELLA PDF TABULATO", &Settings::listingPdfFolder},
}};

// A path is longer than a setting's usual value.
constexpr std::size_t PathLimit = 4096;

std::string recentKey(std::size_t index) {
    return "FILE RECENTE " + std::to_string(index + 1);
}

// What the settings file can keep and give back unchanged.
bool storable(const std::string& path) {
    return !path.empty() && path.size() <= PathLimit &&
           path.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos &&
           utf8FromWindows1252(windows1252FromUtf8(path)) == path &&
           ini::trim(path).size() == path.size();
}

// The key-value pairs of every key the settings dialog writes; NUMERI EURO once chosen.
std::vector<std::pair<std::string, std::string>> configurationValues(const Settings& settings,
                                                                     bool rulesStored) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const Field& field : fields) {
        values.emplace_back(
            field.key,
            std::visit([&](auto member) { return toText(settings.*member); }, field.member));
    }
    // The program's own placeholder is no header of the user's.
    if (values.front().second == TextTable::own().entry(text::DefaultHeader)) {
        values.front().second.clear();
    }
    if (settings.rules != GameRules::classic() || rulesStored) {
        values.emplace_back(rulesField.key, toText(settings.rules));
    }
    return values;
}

std::vector<std::pair<std::string, std::string>> slipOutputValues(const std::string& output,
                                                                  const std::string& pdfFolder) {
    return {{rememberedFields[0].key, output}, {rememberedFields[1].key, pdfFolder}};
}

std::vector<std::pair<std::string, std::string>> listingOutputValues(const std::string& output,
                                                                     const std::string& pdfFolder) {
    return {{rememberedFields[2].key, output}, {rememberedFields[3].key, pdfFolder}};
}

// The recent systems' keys: the storable entries, and emptied keys of entries that went; none
// at all when the file holds no list and the list is empty.
std::vector<std::pair<std::string, std::string>>
recentFileValues(const IniDocument& file, const std::vector<std::string>& list) {
    std::vector<std::string> kept;
    std::copy_if(list.begin(), list.end(), std::back_inserter(kept), storable);
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t i = 0; i < MaxRecentFiles; ++i) {
        const std::string key = recentKey(i);
        if (i < kept.size()) {
            values.emplace_back(key, kept[i]);
        } else if (file.find(SettingsSection, key)) {
            values.emplace_back(key, std::string()); // an entry that went
        }
    }
    return values;
}

std::vector<std::pair<std::string, std::string>> rulesValues(GameRules rules) {
    return {{rulesField.key, toText(rules)}};
}

Error badPrice() {
    return Error{Message{text::WarningCapitals}, Message{text::InvalidColumnPrice}};
}

} // namespace

Settings readConfiguration(const IniFile& ini) {
    return readConfiguration(ini.read());
}

Settings readConfiguration(const IniDocument& file) {
    Settings settings;
    for (const auto& table :
         {std::span<const Field>(fields), std::span<const Field>(&rulesField, 1),
          std::span<const Field>(rememberedFields)}) {
        for (const Field& field : table) {
            if (const auto value = file.find(SettingsSection, field.key)) {
                std::visit([&](auto member) { fromText(settings.*member, *value); }, field.member);
            }
        }
    }
    for (std::size_t i = 0; i < MaxRecentFiles; ++i) {
        if (auto path = file.find(SettingsSection, recentKey(i), PathLimit);
            path && !path->empty()) {
            settings.recentFiles.push_back(std::move(*path));
        }
    }
    return settings;
}

Status writeConfiguration(IniFile& ini, const Settings& settings) {
    if (!validPrice(settings.pricePerColumn)) {
        return badPrice();
    }
    const bool rulesStored = ini.find(SettingsSection, rulesField.key).has_value();
    return ini.setProperties(SettingsSection, configurationValues(settings, rulesStored));
}

Result<std::string> writeConfiguration(const IniDocument& file, const Settings& settings) {
    if (!validPrice(settings.pricePerColumn)) {
        return badPrice();
    }
    const bool rulesStored = file.find(SettingsSection, rulesField.key).has_value();
    return file.withValues(SettingsSection, configurationValues(settings, rulesStored));
}

Status rememberSlipOutput(IniFile& ini, const std::string& output, const std::string& pdfFolder) {
    return ini.setProperties(SettingsSection, slipOutputValues(output, pdfFolder));
}

Result<std::string> rememberSlipOutput(const IniDocument& file, const std::string& output,
                                       const std::string& pdfFolder) {
    return file.withValues(SettingsSection, slipOutputValues(output, pdfFolder));
}

Status rememberListingOutput(IniFile& ini, const std::string& output,
                             const std::string& pdfFolder) {
    return ini.setProperties(SettingsSection, listingOutputValues(output, pdfFolder));
}

Result<std::string> rememberListingOutput(const IniDocument& file, const std::string& output,
                                          const std::string& pdfFolder) {
    return file.withValues(SettingsSection, listingOutputValues(output, pdfFolder));
}

std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path) {
    std::erase(list, path);
    if (storable(path)) {
        list.insert(list.begin(), path);
    }
    if (list.size() > MaxRecentFiles) {
        list.resize(MaxRecentFiles);
    }
    return list;
}

Status rememberRecentFiles(IniFile& ini, const std::vector<std::string>& list) {
    const auto values = recentFileValues(ini.read(), list);
    if (values.empty()) {
        return success();
    }
    return ini.setProperties(SettingsSection, values);
}

Result<std::string> rememberRecentFiles(const IniDocument& file,
                                        const std::vector<std::string>& list) {
    const auto values = recentFileValues(file, list);
    if (values.empty()) {
        return file.bytes();
    }
    return file.withValues(SettingsSection, values);
}

Status rememberRules(IniFile& ini, GameRules rules) {
    return ini.setProperties(SettingsSection, rulesValues(rules));
}

Result<std::string> rememberRules(const IniDocument& file, GameRules rules) {
    return file.withValues(SettingsSection, rulesValues(rules));
}

std::string standardSettingsPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr) {
        base = std::string(home) + "/.local/share";
    }
    return base + "/Quintora/" + SettingsFileName;
}

} // namespace quintora
