#pragma once

#include "core/FlagSet.h"

namespace quintora {

// What a change of the system document touched, so a view redraws only that.
enum class Change : unsigned {
    Numbers = 1U << 0,    // numbers in play, Euro numbers
    Conditions = 1U << 1, // condition groups, filters, exclusions
    Columns = 1U << 2,    // the developed columns and the system type
    Lock = 1U << 3,       // locked or editable, developing or not
    File = 1U << 4,       // path, file name, the name the status bar shows
    Price = 1U << 5,      // the price of a column
    Rules = 1U << 6,      // the game rules: the Euro numbers that may be chosen
    History = 1U << 7,    // what undo and redo would do, and whether the system is modified
};
template <> inline constexpr bool IsFlag<Change> = true;
using Changes = FlagSet<Change>;

// What a change of the archive document touched.
enum class ArchiveChange : unsigned {
    Draws = 1U << 0,   // the draws were replaced
    Winning = 1U << 1, // the check's winning combination was set
    Update = 1U << 2,  // an update from the server ended, with new draws or without
};
template <> inline constexpr bool IsFlag<ArchiveChange> = true;
using ArchiveChanges = FlagSet<ArchiveChange>;

// Which settings a change of the settings document touched.
enum class SettingChange : unsigned {
    Language = 1U << 0,       // LINGUA
    Rules = 1U << 1,          // NUMERI EURO
    Price = 1U << 2,          // COSTO_COLONNA
    Server = 1U << 3,         // SERVER
    Header = 1U << 4,         // INTESTAZIONE, or whether the file holds one
    SlipOutput = 1U << 5,     // the slip printing window's last output and PDF folder
    ListingPrinter = 1U << 6, // STAMPANTE TABULATO
    Recalculation = 1U << 7,  // the two recalculation keys
    ListingOutput = 1U << 8,  // the listing window's last output and PDF folder
    RecentFiles = 1U << 9,    // FILE RECENTE 1..8
};
template <> inline constexpr bool IsFlag<SettingChange> = true;
using SettingChanges = FlagSet<SettingChange>;

} // namespace quintora
