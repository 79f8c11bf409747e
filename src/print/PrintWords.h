#pragma once

#include "core/SystemTypeText.h"

#include <string>

namespace quintora {

class Language;

// The words the slips and the listing print ([Strings] 0520-0539). Numbers, names and the header
// are not among them; the slip amounts' separators come with NumberStyle.
struct PrintWords {
    PrintWords(); // the program's own words
    std::string slipNumber;
    std::string testSystemLabel;
    std::string page;
    std::string ofSystem;
    std::string systemName;
    std::string systemColumns;
    std::string systemAmount;
    std::string numbersInPlay;
    std::string systemType;
    std::string forecast;
    std::string euroNumbers;
    std::string conditions;
    std::string sumFrom;
    std::string sumTo;
    std::string sumOff;
    std::string even;
    std::string odd;
    std::string fixed;
    std::string consecutive;
    std::string development;
    SystemTypeWords types; // the words of the system's type
    // The print jobs' names, which the print queue and the preview show.
    std::string listingTitle;
    std::string slipsTitle;
    std::string calibrationTitle;
    // What an empty header prints: the placeholder that asks for the outlet's own.
    std::string headerPlaceholder;
};

// The header a slip or a listing prints: the user's own, or the placeholder of these words.
inline const std::string& printedHeader(const std::string& header, const PrintWords& words) {
    return header.empty() ? words.headerPlaceholder : header;
}

// The words of the current language; each word its file lacks is the program's own.
PrintWords printWordsFor(Language& language);
// The words of a system's type in the current language ([Strings] 0017, 0018, 2105-2109).
SystemTypeWords systemTypeWordsFor(Language& language);

} // namespace quintora
