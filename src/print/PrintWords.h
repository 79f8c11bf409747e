#pragma once

#include "core/SystemTypeText.h"

#include <string>

namespace quintora {

class Language;

// The words the slips and the listing print, in the program's own language unless a
// language file gives them ([Strings] 0520-0539). Numbers, names and the header are not
// among them; the slip amounts' separators come with NumberStyle.
struct PrintWords {
    std::string slipNumber = "Scheda n. ";
    std::string testSystemLabel = "labelSistema -----------";
    std::string page = "Pag. ";
    std::string ofSystem = " del sistema ";
    std::string systemName = "Nome Sistema ";
    std::string systemColumns = "Colonne Sistema ";
    std::string systemAmount = "Importo Sistema ";
    std::string numbersInPlay = "Numeri in gioco ";
    std::string systemType = "Tipo Sistema ";
    std::string forecast = "Pronostico Sistema";
    std::string euroNumbers = "Euro Numeri -- Jackpot";
    std::string conditions = "Condizioni sistema ";
    std::string sumFrom = "Somma   : Da ";
    std::string sumTo = " A ";
    std::string sumOff = "Somma   : Da --  A --";
    std::string even = "Pari    : ";
    std::string odd = "Dispari : ";
    std::string fixed = "Fisse   : ";
    std::string consecutive = "Consecutivi : ";
    std::string development = "Sviluppo";
    SystemTypeWords types; // the words of the system's type
    // The print jobs' names, which the print queue and the preview show.
    std::string listingTitle = "Quintora - Tabulato";
    std::string slipsTitle = "Quintora - Schedine";
    std::string calibrationTitle = "Quintora - Test Taratura";
};

// The words of the current language; each word its file lacks stays in Italian.
PrintWords printWordsFor(Language& language);
// The words of a system's type in the current language ([Strings] 0017, 0018, 2105-2109).
SystemTypeWords systemTypeWordsFor(Language& language);

} // namespace quintora
