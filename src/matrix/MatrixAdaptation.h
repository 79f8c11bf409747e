#pragma once

#include "core/GameModel.h"
#include "core/Result.h"
#include "core/SystemState.h"
#include "matrix/MatrixFile.h"
#include "matrix/MatrixMessages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// What an adaptation gives the system. Nothing of the system changes until applyAdaptation.
struct Adaptation {
    std::vector<Column> columns;            // C columns, each ascending
    std::string systemType;                 // "0017", or "0018" + " N-" + T for T in 1..5
    std::vector<std::uint8_t> fixedNumbers; // the F chosen numbers, ascending
    std::uint8_t reducedN = 0;              // T when 1..5: reduced-N switched on; else 0
};

// The column limit, checked on the header before the body is read or any question is asked:
// the error carries "0012", the count, and "0013".
Status checkMatrixColumnLimit(const MatrixHeader& header, const MatrixMessages& messages);

// Adapts `matrix` to the numbers in play (ascending, exactly V of them). Without fixed numbers
// position p stands for the p-th number in play. With F fixed numbers (F of the numbers in
// play, in any order) positions 1..F, which every column of such a matrix holds, stand for the
// fixed numbers in ascending order and positions F+1..V for the other numbers in play in
// ascending order; so every column holds every fixed number. Refused with a message when the
// matrix and the inputs do not fit.
Result<Adaptation> adaptMatrix(const Matrix& matrix, std::span<const std::uint8_t> numbersInPlay,
                               std::span<const std::uint8_t> fixedNumbers,
                               const MatrixMessages& messages);

// Stores an adaptation as the window does: clears the system keeping the numbers in play and
// the Euro numbers, then sets the columns, the type, the fixed numbers (fixed condition on when
// F > 0) and the reduced-N level (reduced condition on). The caller locks the window when
// there are columns.
void applyAdaptation(SystemState& state, Adaptation&& adaptation);

// The fixed-number questions: "0015" + " " + n + " " + "0016" + " ?" for n = 1..F.
std::string fixedNumberQuestion(int n, const MatrixMessages& messages);
// One answer: a number in play not chosen before; the error says what is wrong.
Result<std::uint8_t> parseFixedNumberAnswer(std::string_view answer,
                                            std::span<const std::uint8_t> numbersInPlay,
                                            std::span<const std::uint8_t> chosenSoFar);
// The confirmation: "0014" followed by the chosen numbers as two digits.
std::string fixedNumbersChosenText(std::span<const std::uint8_t> chosen,
                                   const MatrixMessages& messages);

} // namespace quintora
