#pragma once

#include <string>

namespace quintora {

class Language;

// The language messages of the matrix window and the adaptation: the program's own texts,
// or those of the current language by fromLanguage().
struct MatrixMessages {
    MatrixMessages();

    std::string invalidIdentifier; // text::InvalidFileFormat
    std::string badChecksum;       // text::CrcErrorFileDamaged
    std::string expired;           // text::MatrixExpired
    std::string notActive;         // text::MatrixNotActiveYet
    std::string tooManyColumns;    // text::MatrixTooManyColumns
    std::string columnLimit;       // text::SystemHoldsAtMost200000
    std::string fixedChosen;       // text::FixedNumbersChosen
    std::string fixedQuestion;     // text::FixedNumberNo
    std::string fixedAmong;        // text::ChooseAmongNumbersInPlay
    std::string matrixType;        // text::MatrixWord
    std::string reducedMatrixType; // text::ReducedMatrix

    static MatrixMessages fromLanguage(Language& language);
};

} // namespace quintora
