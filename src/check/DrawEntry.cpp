#include "check/DrawEntry.h"

#include "core/Format.h"

#include <algorithm>
#include <utility>

namespace quintora {

namespace {

// The sorted main numbers and the Euro numbers are those of one of the draws.
bool isDrawnCombination(const std::array<int, WinningCombination::FieldCount>& v,
                        std::span<const Draw> drawn) {
    NumberSet main;
    for (int k = 0; k < NumbersPerColumn; ++k) {
        if (!isMainNumber(v[k])) {
            return false;
        }
        main.insert(v[k]);
    }
    NumberSet euro;
    for (int k = NumbersPerColumn; k < WinningCombination::FieldCount; ++k) {
        if (v[k] < 1 || v[k] > DrawnEuroMax) {
            return false;
        }
        euro.insert(v[k]);
    }
    return std::any_of(drawn.begin(), drawn.end(), [&](const Draw& draw) {
        return mainNumbersOf(draw) == main && eurosOf(draw.euro) == euro;
    });
}

} // namespace

int entryFieldValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 99999);
    }
    return value;
}

std::string entryFieldText(std::uint8_t value) {
    return value == 0 ? std::string() : twoDigits(value);
}

EntryFields entryFieldsOf(const WinningCombination& combination) {
    EntryFields fields;
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        fields[k] = entryFieldText(combination.field(k));
    }
    return fields;
}

void storeLeftField(WinningCombination& combination, int k, std::string_view text) {
    const int value = entryFieldValue(text);
    if (value > 0 && value <= 255) {
        combination.setField(k, static_cast<std::uint8_t>(value));
    }
}

EntryCheck checkEntry(EntryFields fields, GameRules rules, std::span<const Draw> drawn) {
    EntryCheck result;
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            if (entryFieldValue(fields[i]) > entryFieldValue(fields[j])) {
                std::swap(fields[i], fields[j]);
            }
        }
    }
    std::array<int, WinningCombination::FieldCount> v{};
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        v[k] = entryFieldValue(fields[k]);
    }
    result.fields = std::move(fields);

    for (int i = 0; i < 4; ++i) {
        if (v[i] == v[i + 1]) {
            result.problem =
                EntryProblem{Message{text::WrongColumn}, Message{text::RepeatedNumbers}, i};
            return result;
        }
    }
    // The values, not the texts: "7" and "07" are the same Euro number.
    if (v[5] == v[6]) {
        result.problem =
            EntryProblem{Message{text::ErrorBanner}, Message{text::WrongCombination}, 0};
        return result;
    }
    const int euroMax = rules.euroMax() < DrawnEuroMax && isDrawnCombination(v, drawn)
                            ? DrawnEuroMax
                            : rules.euroMax();
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        const int max = k < NumbersPerColumn ? MainNumberCount : euroMax;
        if (v[k] == 0 || v[k] > max) {
            result.problem =
                EntryProblem{Message{text::WrongColumn},
                             Message{text::ValueNotAllowed, {std::to_string(v[k])}}, k};
            return result;
        }
    }
    for (int k = 0; k < WinningCombination::FieldCount; ++k) {
        result.combination.setField(k, static_cast<std::uint8_t>(v[k]));
    }
    return result;
}

} // namespace quintora
