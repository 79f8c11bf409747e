#include "settings/Settings.h"

#include "settings/IniSyntax.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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
constexpr std::array<Field, 2> rememberedFields{{
    {"DESTINAZIONE SCHEDINE", &Settings::slipOutput},
    {"CARTELLA PDF SCHEDINE", &Settings::slipPdfFolder},
}};

} // namespace

Settings readConfiguration(const IniFile& ini) {
    Settings settings;
    const IniDocument document = ini.read();
    for (const auto& table :
         {std::span<const Field>(fields), std::span<const Field>(&rulesField, 1),
          std::span<const Field>(rememberedFields)}) {
        for (const Field& field : table) {
            if (const auto value = document.find(SettingsSection, field.key)) {
                std::visit([&](auto member) { fromText(settings.*member, *value); }, field.member);
            }
        }
    }
    return settings;
}

Status writeConfiguration(IniFile& ini, const Settings& settings) {
    if (!validPrice(settings.pricePerColumn)) {
        return Error{Message{text::WarningCapitals}, Message{text::InvalidColumnPrice}};
    }
    std::vector<std::pair<std::string, std::string>> values;
    for (const Field& field : fields) {
        values.emplace_back(
            field.key,
            std::visit([&](auto member) { return toText(settings.*member); }, field.member));
    }
    if (settings.rules != GameRules::classic() || ini.find(SettingsSection, rulesField.key)) {
        values.emplace_back(rulesField.key, toText(settings.rules));
    }
    return ini.setProperties(SettingsSection, values);
}

Status rememberSlipOutput(IniFile& ini, const std::string& output, const std::string& pdfFolder) {
    const std::pair<std::string, std::string> values[] = {{rememberedFields[0].key, output},
                                                          {rememberedFields[1].key, pdfFolder}};
    return ini.setProperties(SettingsSection, values);
}

Status rememberRules(IniFile& ini, GameRules rules) {
    return ini.setProperty(SettingsSection, rulesField.key, toText(rules));
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
