#pragma once

#include <string>

namespace quintora {

class Language;

// The language messages of the matrix window and the adaptation: the program's own texts,
// or those of the current language by fromLanguage().
struct MatrixMessages {
    MatrixMessages();

    std::string invalidIdentifier; // "0008"
    std::string badChecksum;       // "0009"
    std::string expired;           // "0010"
    std::string notActive;         // "0011"
    std::string tooManyColumns;    // "0012"
    std::string columnLimit;       // "0013"
    std::string fixedChosen;       // "0014"
    std::string fixedQuestion;     // "0015"
    std::string fixedAmong;        // "0016"
    std::string matrixType;        // "0017"
    std::string reducedMatrixType; // "0018"

    static MatrixMessages fromLanguage(Language& language);
};

} // namespace quintora
