#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintora {

// The elapsed-time formats the program knows; the development uses DaysHMS.
enum class ElapsedFormat {
    DaysHMS,       // "D HH:MM:SS"  -> "0 Days 00:00:12"
    DaysH,         // "D H"
    DaysHM,        // "D H M"
    DaysHMSWords,  // "D H M S"
    DaysHColonMM,  // "D H:MM"
    DaysHHColonMM, // "D HH:MM"
    HM,            // "H M"
    HColonMM,      // "H:MM"
    HColonMMSS,    // "H:MM:SS"
    MS,            // "M S"
    MColonSS,      // "M:SS"
};

// Parses one of the format names above ("D HH:MM:SS", ...); DaysHMS for an unknown name.
ElapsedFormat elapsedFormatFromName(std::string_view name);

// The time between two moments (whole seconds, negative read as 0) as text.
std::string elapsedTimeText(std::int64_t seconds, ElapsedFormat format = ElapsedFormat::DaysHMS);

} // namespace quintora
