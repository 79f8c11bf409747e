#include "matrix/MatrixAdaptation.h"

#include "core/Format.h"
#include "core/SystemTypeText.h"

#include <algorithm>

namespace quintora {

namespace {

bool contains(std::span<const std::uint8_t> list, int n) {
    return std::find(list.begin(), list.end(), n) != list.end();
}

// Positions 1..V of the matrix as numbers: index p - 1 holds the number of position p.
Result<std::vector<std::uint8_t>> positionNumbers(const MatrixHeader& h,
                                                  std::span<const std::uint8_t> inPlay,
                                                  std::span<const std::uint8_t> fixed) {
    if (inPlay.size() != h.v) {
        return Error{"", Message{text::MatrixNumbersMismatch,
                                 {std::to_string(h.v), std::to_string(inPlay.size())}}};
    }
    for (std::size_t i = 0; i < inPlay.size(); ++i) {
        if (!isMainNumber(inPlay[i]) || (i > 0 && inPlay[i] <= inPlay[i - 1])) {
            return Error{"", Message{text::NumbersInPlayInvalid}};
        }
    }
    if (fixed.size() != h.f) {
        return Error{"", Message{text::MatrixFixedCountMismatch,
                                 {std::to_string(h.f), std::to_string(fixed.size())}}};
    }
    std::vector<std::uint8_t> chosen(fixed.begin(), fixed.end());
    std::sort(chosen.begin(), chosen.end());
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (!contains(inPlay, chosen[i]) || (i > 0 && chosen[i] == chosen[i - 1])) {
            return Error{"", Message{text::FixedNumbersInvalid}};
        }
    }
    std::vector<std::uint8_t> numbers = chosen;
    for (const auto n : inPlay) {
        if (!contains(chosen, n)) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

} // namespace

Status checkMatrixColumnLimit(const MatrixHeader& header, const MatrixMessages& messages) {
    if (header.columnCount > MaxColumns) {
        const Message tooMany =
            Message::lines({messages.tooManyColumns, Message::count(header.columnCount)}, " ");
        return Error{Message{text::WarningTitleCapitals},
                     Message::lines({tooMany, messages.columnLimit}, "\n")};
    }
    return success();
}

Result<Adaptation> adaptMatrix(const Matrix& matrix, std::span<const std::uint8_t> numbersInPlay,
                               std::span<const std::uint8_t> fixedNumbers,
                               const MatrixMessages& messages) {
    const MatrixHeader& h = matrix.header;
    if (auto limit = checkMatrixColumnLimit(h, messages); !limit) {
        return limit.error();
    }
    const auto columnCount = static_cast<std::size_t>(std::max(h.columnCount, 0));
    if (h.k != NumbersPerColumn || h.v > MainNumberCount ||
        matrix.body.size() != columnCount * NumbersPerColumn) {
        return Error{"", Message{text::MatrixNoColumns}};
    }
    const auto numbers = positionNumbers(h, numbersInPlay, fixedNumbers);
    if (!numbers) {
        return numbers.error();
    }
    Adaptation result;
    result.columns.reserve(columnCount);
    for (int c = 1; c <= static_cast<int>(columnCount); ++c) {
        Column column{};
        NumberSet positions;
        for (int k = 1; k <= NumbersPerColumn; ++k) {
            const int p = matrix.position(k, c);
            if (p < 1 || p > h.v || positions.contains(p)) {
                return Error{"", Message{text::MatrixColumnBadPosition, {std::to_string(c)}}};
            }
            positions.insert(p);
            column[static_cast<std::size_t>(k - 1)] =
                numbers.value()[static_cast<std::size_t>(p - 1)];
        }
        if (!NumberSet::range(1, h.f).isSubsetOf(positions)) {
            return Error{"", Message{text::MatrixColumnMissesFixed,
                                     {std::to_string(c), std::to_string(h.f)}}};
        }
        std::sort(column.begin(), column.end());
        result.columns.push_back(column);
    }
    result.fixedNumbers.assign(numbers.value().begin(), numbers.value().begin() + h.f);
    // Stored in the program's own words; shownSystemType puts it in the chosen language.
    const SystemTypeWords own;
    result.systemType = own.matrix;
    if (h.t >= 1 && h.t <= 5) {
        result.reducedN = h.t;
        result.systemType = own.reducedMatrix + " N-" + std::to_string(h.t);
    }
    return result;
}

void applyAdaptation(SystemState& state, Adaptation&& adaptation) {
    clearSystemData(state, true);
    state.columns = std::move(adaptation.columns);
    state.header.systemType = std::move(adaptation.systemType);
    if (!adaptation.fixedNumbers.empty()) {
        state.conditions.setFixed(NumberSet::of(adaptation.fixedNumbers));
        state.conditions.setFixedOn(true);
    }
    if (adaptation.reducedN != 0) {
        state.conditions.setReducedOn(true);
        state.conditions.reducedN = adaptation.reducedN;
    }
}

std::string fixedNumberQuestion(int n, const MatrixMessages& messages) {
    return messages.fixedQuestion + " " + std::to_string(n) + " " + messages.fixedAmong + " ?";
}

Result<std::uint8_t> parseFixedNumberAnswer(std::string_view answer,
                                            std::span<const std::uint8_t> numbersInPlay,
                                            std::span<const std::uint8_t> chosenSoFar) {
    while (!answer.empty() && answer.front() == ' ') {
        answer.remove_prefix(1);
    }
    while (!answer.empty() && answer.back() == ' ') {
        answer.remove_suffix(1);
    }
    int value = 0;
    if (answer.empty() || answer.size() > 2 ||
        !std::all_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return Error{"", Message{text::EnterNumberInPlay}};
    }
    for (const char c : answer) {
        value = value * 10 + (c - '0');
    }
    if (!contains(numbersInPlay, value)) {
        return Error{"", Message{text::NumberNotInPlay, {std::to_string(value)}}};
    }
    if (contains(chosenSoFar, value)) {
        return Error{"", Message{text::NumberAlreadyChosen, {std::to_string(value)}}};
    }
    return static_cast<std::uint8_t>(value);
}

std::string fixedNumbersChosenText(std::span<const std::uint8_t> chosen,
                                   const MatrixMessages& messages) {
    std::string text = messages.fixedChosen;
    for (const auto n : chosen) {
        text += " " + twoDigits(n);
    }
    return text;
}

} // namespace quintora
