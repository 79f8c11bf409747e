#include "check/WinningCombination.h"

namespace quintora {

std::uint8_t WinningCombination::field(int k) const {
    if (k >= 0 && k < NumbersPerColumn) {
        return numbers[k];
    }
    if (k >= NumbersPerColumn && k < FieldCount) {
        return euro[k - NumbersPerColumn];
    }
    return 0;
}

void WinningCombination::setField(int k, std::uint8_t value) {
    if (k >= 0 && k < NumbersPerColumn) {
        numbers[k] = value;
    } else if (k >= NumbersPerColumn && k < FieldCount) {
        euro[k - NumbersPerColumn] = value;
    }
}

WinningCombination winningCombinationOf(const Draw& draw) {
    return {draw.numbers, draw.euro};
}

} // namespace quintora
