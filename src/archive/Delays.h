#pragma once

#include "archive/Draw.h"

#include <optional>
#include <string>
#include <vector>

namespace quintora {

// How long each number has waited: over a run of draws, oldest first.
struct NumberDelay {
    int number = 0;
    int current = 0; // draws since it was last drawn; 0 when the latest draw holds it
    int longest = 0; // the longest wait, the current one included
    int count = 0;   // how many draws hold it
};

// The Euro numbers the game drew in each era: 1..8 at first, 1..10 from 10/10/2014, 1..12
// from 25/03/2022.
struct EuroEra {
    int euroMax = 8;
    std::string from; // "10/10/2014"; empty for the first era
};

// The era a draw's date falls in.
EuroEra euroEraOn(const CalendarDate& date);

struct ArchiveDelays {
    int draws = 0;                 // the draws counted for the main numbers
    std::vector<NumberDelay> main; // 1..50
    EuroEra era;                   // the latest draw's era
    int eraDraws = 0;              // the draws of that era
    std::vector<NumberDelay> euro; // 1..era.euroMax, over the draws of that era only
};

// Empty records are left out. A number never drawn has current = longest = the draws counted.
ArchiveDelays computeDelays(const DrawArchive& archive);

// Sort orders of the delay tables (ties keep the order by number).
enum class DelayOrder { Number, Current, Longest, Count };
void sortDelays(std::vector<NumberDelay>& delays, DelayOrder order, bool descending);

} // namespace quintora
