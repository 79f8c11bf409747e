#pragma once

#include "archive/Draw.h"

#include <string>
#include <vector>

namespace quintora {

// The archive window's texts.
inline constexpr const char* ArchiveListHeading = "    DATA    | N.  | Colonna Vincente | J1 | J2";
inline constexpr const char* LastDrawInitialText = "ultima estrazione";
inline constexpr const char* DrawTotalInitialText = "00000000";

// One line of the list: " 23/03/2012 | 001 |  05 12 23 34 45  | 03 | 08".
std::string drawListLine(const Draw& draw);

// The five main numbers as the double click's message shows them: "05 12 23 34 45".
std::string drawMainNumbersText(const Draw& draw);

// The list, latest draw first; empty records are left out.
std::vector<std::string> archiveListLines(const DrawArchive& archive);

// The draw that list line `line` (0 = the first, the latest draw) shows; nullptr when there is
// no such line.
const Draw* drawAtListLine(const DrawArchive& archive, int line);

// lbLast and lbTotale: the latest draw's line and the number of draws; the initial texts
// when the archive holds no draw.
std::string lastDrawText(const DrawArchive& archive);
std::string drawTotalText(const DrawArchive& archive);

// The message of a double click: "La Colonna \r\n05 12 23 34 45\r\ndel 23/03/2012 è stata
// imposta come nuova colonna di Spoglio".
std::string chosenDrawMessage(const Draw& draw);

} // namespace quintora
