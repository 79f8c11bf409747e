#pragma once

#include "core/Result.h"
#include "settings/IniFile.h"

#include <string>
#include <string_view>

namespace quintora {

// The program's settings, all kept in one section of the settings file.
struct Settings {
    std::string header = "RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE"; // INTESTAZIONE
    std::string listingPrinter = "NESSUNA";        // STAMPANTE TABULATO
    int recalcSource = 1;                          // SORGENTE RICALCOLO: 1 when exactly "1", else 2
    bool recalcMode = false;                       // MODALITA' RICALCOLO: on when exactly "TRUE"
    std::string language;                          // LINGUA (language file name without ".lng")
    float costPerColumn = 2.0f;                    // COSTO_COLONNA holds cents; euros here
    std::string server = "http://127.0.0.1:8642/"; // SERVER, the host of the program's server
};

inline constexpr const char* SettingsSection = "IMPOSTAZIONI";
inline constexpr const char* SettingsFileName = "quintora.ini";

// Every key with its default when missing; a COSTO_COLONNA that is not a price gives 2.00.
Settings readConfiguration(const IniFile& ini);
// Writes every key in one atomic write; COSTO_COLONNA as whole cents (2.5 -> "250").
// Refuses a price that is not a number, negative or too large, writing nothing.
Status writeConfiguration(IniFile& ini, const Settings& settings);

// The price box's text in euros: blanks around, '.' or ',' as the decimal mark ("2.5",
// "2,50" -> 2.5). Anything else (empty, letters, a sign, two marks, more than MaxPrice) gives
// NaN, which the caller tests with std::isnan and writeConfiguration refuses.
float parsePrice(std::string_view text);
inline constexpr float MaxPrice = 21474836.0f; // whole cents must fit a 32-bit integer

} // namespace quintora
