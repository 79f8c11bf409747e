#include "core/ElapsedTime.h"

#include "core/Format.h"

#include <array>
#include <utility>

namespace quintora {

namespace {

std::string counted(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

constexpr std::array<std::pair<std::string_view, ElapsedFormat>, 11> formatNames = {{
    {"D HH:MM:SS", ElapsedFormat::DaysHMS},
    {"D H", ElapsedFormat::DaysH},
    {"D H M", ElapsedFormat::DaysHM},
    {"D H M S", ElapsedFormat::DaysHMSWords},
    {"D H:MM", ElapsedFormat::DaysHColonMM},
    {"D HH:MM", ElapsedFormat::DaysHHColonMM},
    {"H M", ElapsedFormat::HM},
    {"H:MM", ElapsedFormat::HColonMM},
    {"H:MM:SS", ElapsedFormat::HColonMMSS},
    {"M S", ElapsedFormat::MS},
    {"M:SS", ElapsedFormat::MColonSS},
}};

} // namespace

ElapsedFormat elapsedFormatFromName(std::string_view name) {
    for (const auto& [text, format] : formatNames) {
        if (text == name) {
            return format;
        }
    }
    return ElapsedFormat::DaysHMS;
}

std::string elapsedTimeText(std::int64_t seconds, ElapsedFormat format) {
    // Whole-number arithmetic throughout: the parts never lose a unit to rounding.
    const std::int64_t s = seconds < 0 ? 0 : seconds;
    const std::int64_t days = s / 86400;
    const std::int64_t hours = s % 86400 / 3600;
    const std::int64_t minutes = s % 3600 / 60;
    const std::int64_t secs = s % 60;
    const std::int64_t totalHours = s / 3600;
    const std::int64_t totalMinutes = s / 60;
    const auto d = counted(days, "Day", "Days");
    const auto two = [](std::int64_t v) {
        return twoDigits(static_cast<int>(v));
    };

    switch (format) {
    case ElapsedFormat::DaysHMS:
        return d + " " + two(hours) + ":" + two(minutes) + ":" + two(secs);
    case ElapsedFormat::DaysH:
        return d + " " + counted(hours, "Hour", "Hours");
    case ElapsedFormat::DaysHM:
        return d + " " + counted(hours, "Hour", "Hours") + " " +
               counted(minutes, "Minute", "Minutes");
    case ElapsedFormat::DaysHMSWords:
        return d + " " + counted(hours, "Hour", "Hours") + " " +
               counted(minutes, "Minute", "Minutes") + " " + counted(secs, "Second", "Seconds");
    case ElapsedFormat::DaysHColonMM:
        return d + " " + std::to_string(hours) + ":" + two(minutes);
    case ElapsedFormat::DaysHHColonMM:
        return d + " " + two(hours) + ":" + two(minutes);
    case ElapsedFormat::HM:
        return counted(totalHours, "Hour", "Hours") + " " + counted(minutes, "Minute", "Minutes");
    case ElapsedFormat::HColonMM:
        return std::to_string(totalHours) + ":" + two(minutes);
    case ElapsedFormat::HColonMMSS:
        return std::to_string(totalHours) + ":" + two(minutes) + ":" + two(secs);
    case ElapsedFormat::MS:
        return counted(totalMinutes, "Minute", "Minutes") + " " +
               counted(secs, "Second", "Seconds");
    case ElapsedFormat::MColonSS:
        return std::to_string(totalMinutes) + ":" + two(secs);
    }
    return {};
}

} // namespace quintora
