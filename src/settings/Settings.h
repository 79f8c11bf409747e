#pragma once

#include "core/GameRules.h"
#include "core/Money.h"
#include "core/Result.h"
#include "settings/IniFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// The program's settings, all kept in one section of the settings file.
struct Settings {
    // INTESTAZIONE: the user's own header; empty prints the placeholder of the language in use,
    // which is never stored, so a later change of language changes it too.
    std::string header;
    std::string listingPrinter = "NESSUNA";        // STAMPANTE TABULATO
    int recalcSource = 1;                          // SORGENTE RICALCOLO: 1 when exactly "1", else 2
    bool recalcMode = false;                       // MODALITA' RICALCOLO: on when exactly "TRUE"
    std::string language;                          // LINGUA (language file name without ".lng")
    Cents pricePerColumn = 200;                    // COSTO_COLONNA, in cents
    std::string server = "http://127.0.0.1:8642/"; // SERVER, the host of the program's server
    GameRules rules = GameRules::classic();        // NUMERI EURO: "12", else 10
    // The slip printing window's last choice, offered again: SlipOutputs' words, and the folder
    // of the last PDF of slips (empty: the Documents folder).
    std::string slipOutput;    // DESTINAZIONE SCHEDINE
    std::string slipPdfFolder; // CARTELLA PDF SCHEDINE
    // The listing window's last choice, kept the same way.
    std::string listingOutput;    // DESTINAZIONE TABULATO
    std::string listingPdfFolder; // CARTELLA PDF TABULATO
    // The systems opened or saved last, the latest first (FILE RECENTE 1 .. 8).
    std::vector<std::string> recentFiles;
};

inline constexpr std::size_t MaxRecentFiles = 8;

// How DESTINAZIONE SCHEDINE names the outputs of the slip printing window.
inline constexpr const char* SlipOutputs[] = {"STAMPANTE", "ANTEPRIMA", "PDF"};

inline constexpr const char* SettingsSection = "IMPOSTAZIONI";
inline constexpr const char* SettingsFileName = "quintora.ini";

// The user's settings file: $XDG_DATA_HOME/Quintora/quintora.ini, by default under
// ~/.local/share, as the desktop program keeps it.
std::string standardSettingsPath();

// The codec: the typed settings of a settings file's text, and the text with settings written
// into it (every other line, key and section of the file stays as it was). The IniFile forms
// read the file and write it atomically.

// Keeps the slip printing window's choice for the next time: only its two keys are written.
Status rememberSlipOutput(IniFile& ini, const std::string& output, const std::string& pdfFolder);
Result<std::string> rememberSlipOutput(const IniDocument& file, const std::string& output,
                                       const std::string& pdfFolder);

// The same for the listing window.
Status rememberListingOutput(IniFile& ini, const std::string& output, const std::string& pdfFolder);
Result<std::string> rememberListingOutput(const IniDocument& file, const std::string& output,
                                          const std::string& pdfFolder);

// `list` with `path` in front, once, and at most MaxRecentFiles entries. A path the settings
// file cannot hold as it is (a line break, a character outside its code page) is left out.
std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path);
// Writes the recent systems alone. Keys of entries no longer there are emptied; with no
// entries and none in the file, the file stays as it was.
Status rememberRecentFiles(IniFile& ini, const std::vector<std::string>& list);
Result<std::string> rememberRecentFiles(const IniDocument& file,
                                        const std::vector<std::string>& list);

// Writes NUMERI EURO alone: the rules a question of the main window switched to.
Status rememberRules(IniFile& ini, GameRules rules);
Result<std::string> rememberRules(const IniDocument& file, GameRules rules);

// Every key with its default when missing; a COSTO_COLONNA that is not a price gives 200 cents.
Settings readConfiguration(const IniFile& ini);
Settings readConfiguration(const IniDocument& file);
// Writes every key in one atomic write; COSTO_COLONNA as whole cents (2.5 -> "250"); a header
// that is the program's own placeholder is written empty.
// Refuses a price that is not a number, negative or too large, writing nothing.
Status writeConfiguration(IniFile& ini, const Settings& settings);
Result<std::string> writeConfiguration(const IniDocument& file, const Settings& settings);

} // namespace quintora
