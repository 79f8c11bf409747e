#pragma once

#include "archive/Draw.h"
#include "core/Result.h"

#include <string>

namespace quintora {

// The statistics CSV: Windows-1252, CR LF, fields separated by ";", the latest draw first.
inline constexpr const char* StatisticsCsvHeader =
    "Data;Concorso;P1;P2;P3;P4;P5;jck1;jck2;Ripetuti;Pari;Dispari;Consecutivi;Somma";

// A local date and time, passed in so that tests fix the clock.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "quintora_20120323_094512.csv"
std::string statisticsCsvFileName(const CalendarTime& now);

// The whole file. The oldest draw has no previous draw: its Ripetuti field is left empty.
std::string statisticsCsvText(const DrawArchive& archive);

// Writes the file atomically. A failure titled "ERRORE" says what failed, with the path; only
// a file that is there and may not be written gives "Chiudere il file delle statistiche per
// proseguire !!!".
Status saveStatisticsCsv(const std::string& path, const DrawArchive& archive);
// The same, where every failure is "Chiudere il file delle statistiche per proseguire !!!"
// (the statistics window's message box).
Status writeStatisticsCsv(const std::string& path, const DrawArchive& archive);

// Deletes every "quintora_*.csv" of the folder (files left by earlier runs); returns how many.
int removeStaleStatisticsCsv(const std::string& folder);

} // namespace quintora
