#pragma once

#include <cstdint>
#include <string>

namespace quintora {

// The program's number formats, with the Italian separators ("." for thousands,
// "," for decimals).

// "###,##0": 2118760 -> "2.118.760", 0 -> "0".
std::string formatCount(double value);
// " #,###,###,###,##0": the development counts, with a leading blank.
std::string formatDevelopmentCount(double value);
// "00" / "0#": 7 -> "07", 42 -> "42".
std::string twoDigits(int value);

// Rounds half to even, as the program's progress and money arithmetic does.
std::int64_t roundHalfEven(double value);

} // namespace quintora
