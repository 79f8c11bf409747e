#pragma once

#include <string>

namespace quintora {

class Language;

// The language messages of the matrix window and the adaptation. The defaults are the
// program's Italian texts; fromLanguage() replaces those the current language file has.
struct MatrixMessages {
    std::string invalidIdentifier = "Formato del file non valido";                    // "0008"
    std::string badChecksum = "Errore CRC: file danneggiato";                         // "0009"
    std::string expired = "Matrice scaduta";                                          // "0010"
    std::string notActive = "Matrice non ancora attiva";                              // "0011"
    std::string tooManyColumns = "Questa matrice ha troppe colonne:";                 // "0012"
    std::string columnLimit = "un sistema ne pu\u00f2 contenere al massimo 200.000."; // "0013"
    std::string fixedChosen = "Numeri fissi scelti:";                                 // "0014"
    std::string fixedQuestion = "Numero fisso n.";                                    // "0015"
    std::string fixedAmong = "da scegliere tra i numeri in gioco";                    // "0016"
    std::string matrixType = "Matrice";                                               // "0017"
    std::string reducedMatrixType = "Matrice Ridotta";                                // "0018"

    static MatrixMessages fromLanguage(Language& language);
};

} // namespace quintora
