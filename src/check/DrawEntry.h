#pragma once

#include "check/WinningCombination.h"
#include "core/Message.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quintora {

// The check dialog's seven two-digit fields (meSpoglio 0..6): what they show, how they read,
// and the validation of the check command.
using EntryFields = std::array<std::string, WinningCombination::FieldCount>;

// A field's value: the number its leading digits form (blanks before them are skipped);
// 0 when it has none.
int entryFieldValue(std::string_view text);
// What a field shows for a stored value: "07"; empty for 0.
std::string entryFieldText(std::uint8_t value);

// init: the fields of the stored combination.
EntryFields entryFieldsOf(const WinningCombination& combination);
// Leaving field k: a value of 1..255 is stored at once; 0 (an empty field) keeps the stored one.
void storeLeftField(WinningCombination& combination, int k, std::string_view text);

// The first refused step: its message box and the field that gets the focus.
struct EntryProblem {
    Message title;
    Message message;
    int focusField = 0; // 0..6
};

struct EntryCheck {
    EntryFields
        fields; // the main fields sorted ascending: the dialog shows these, also on a problem
    std::optional<EntryProblem> problem;
    WinningCombination combination; // the sorted numbers and the Euro numbers, when valid
};

// Sorts the five main fields by value (exchanging their texts), then checks in this order:
// duplicated main numbers, equal Euro numbers, main numbers outside 1..50, Euro numbers
// outside the rules' range. A real draw is checked as it is: when the fields hold one of
// `drawn` (an archived draw copied into them), its Euro numbers pass whatever the rules.
EntryCheck checkEntry(EntryFields fields, GameRules rules = GameRules::classic(),
                      std::span<const Draw> drawn = {});

} // namespace quintora
