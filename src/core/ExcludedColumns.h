#pragma once

#include "core/Message.h"
#include "core/SystemState.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quintora {

// The text form of a column in the excluded-columns dialog: each number as "0#" followed by
// four blanks, e.g. "03    07    12    25    44    ".
std::string excludedColumnText(const Column& column);

// Reads an item of the excluded list back: blanks, tabs and line breaks separate the
// numbers; the first five must be numbers 1..50. nullopt for anything else.
std::optional<Column> parseExcludedColumnText(std::string_view text);

struct ExcludedStoreResult {
    int stored = 0;     // items written to the table
    int overLimit = 0;  // readable items beyond MaxExcluded
    int unreadable = 0; // items that are not five numbers 1..50
};

// Replaces the excluded table with the items in order. Never writes beyond MaxExcluded:
// the first MaxExcluded readable items are kept and the rest refused.
ExcludedStoreResult storeExcludedColumns(ExcludedSet& excluded, std::span<const std::string> items);

// The message for items left out; empty when none was.
Message excludedRefusedText(const ExcludedStoreResult& result);
// The message when adding would pass MaxExcluded and `notAdded` columns stay out.
Message excludedLimitText(int notAdded);

} // namespace quintora
