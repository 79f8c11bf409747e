#pragma once

#include "matrix/MatrixFile.h"
#include "matrix/MatrixMessages.h"
#include "matrix/OleDate.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintora {

// One matrix file of the matrix folder with its four flags.
struct CatalogueEntry {
    std::string fileName; // inside the folder
    bool identifierValid = false;
    bool checksumValid = false;
    bool expired = false; // valid to lies before today
    bool active = false;  // valid from is today or earlier
    MatrixHeader header;  // as far as the file holds it

    // Only a valid, active, unexpired matrix may be adapted.
    bool canAdapt() const { return identifierValid && checksumValid && active && !expired; }
};

// The four status labels: each holds its message when its condition holds, else is empty.
struct CatalogueStatusTexts {
    std::string identifier; // "0008": identifier not valid
    std::string checksum;   // "0009": checksum not valid
    std::string expired;    // "0010": expired
    std::string notActive;  // "0011": not yet active
};
CatalogueStatusTexts statusTexts(const CatalogueEntry& entry, const MatrixMessages& messages);

// The flags of one inspected file for `today`. A date that cannot be read counts as expired
// (valid to) or not active (valid from).
CatalogueEntry catalogueEntry(std::string fileName, const MatrixFileSummary& summary,
                              const CalendarDate& today);

struct Catalogue {
    std::vector<CatalogueEntry> entries; // by V ascending, then by file name
    std::vector<std::string> skipped;    // "name: reason" of the files that could not be read
};

// Every "*.mzor" regular file of `folder`; with filterV above 0 only those built for filterV
// numbers. A missing or unreadable folder gives an empty catalogue.
Catalogue loadCatalogue(const std::string& folder, std::uint8_t filterV, const CalendarDate& today);

} // namespace quintora
