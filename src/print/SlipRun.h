#pragma once

#include "core/GameModel.h"
#include "core/GameRules.h"
#include "core/Money.h"
#include "core/Result.h"
#include "print/PagePlan.h"
#include "print/PrintTexts.h"
#include "print/PrintWords.h"
#include "print/SlipLayout.h"
#include "print/SlipType.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

struct SystemState;

// The slips to print, by slip number, both included; empty when last < first.
struct SlipRange {
    int first = 1;
    int last = 0;
    int count() const { return last >= first ? last - first + 1 : 0; }
    bool operator==(const SlipRange&) const = default;
};

// Checks the "Da" and "a" fields (their digits read as a number, an empty field as 0) against
// the total of slips, with the slip printing dialog's messages, in its order: "Da" above "a",
// "Da" below 1, "a" above the total. An empty "Da" starts at slip 1.
Result<SlipRange> checkSlipRange(std::string_view fromText, std::string_view toText,
                                 int totalSlips);

// What every slip of a run shows. `columns` is borrowed: it must outlive the content.
struct SlipContent {
    std::span<const Column> columns;
    std::vector<int> euroNumbers;
    std::string systemName; // as the main window's status bar shows it
    std::string header;     // the header text of the settings
    Cents pricePerColumn = 200;
    NumberStyle style;
    PrintWords words;
};

// The columns, Euro numbers and price of the system, with its shown name and the header.
SlipContent slipContentOf(const SystemState& state, std::string systemName, std::string header,
                          NumberStyle style = {});

// The 0-based indexes [begin, end) of the columns on a slip, capped at the last column.
struct ColumnSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};
ColumnSpan slipColumns(SlipType type, int slipNumber, std::size_t columnCount);

// The page of one slip: header (and on the 1-column slip the credit line), the marks of its
// column(s) with every Euro number (on the 5-column slip the first column in the bottom
// panel, panels without a column left blank), the system name, "Scheda n. " with the slip
// number and the amount of its used panels, and on the 5-column slip the credit line.
// The GUI builds one slip at a time, so it can show progress and stop between slips.
PlanPage slipPage(SlipType type, const SlipLayout& layout, const SlipContent& content,
                  int slipNumber);

// The slip printing window's picture of a slip type: every cell of the grid marked, as on the
// calibration test page (default calibration), with the texts of the system's first slip: the
// header, the system's name, its number and its amount.
PlanPage slipPicturePage(SlipType type, const SlipContent& content,
                         GameRules rules = GameRules::classic());

// The amount of a slip: the price of a column times the panels that carry numbers.
Cents slipAmount(SlipType type, const SlipContent& content, int slipNumber);

// Every slip of the range at once, one page per slip (quintora-cli).
PagePlan slipRunPlan(SlipType type, const SlipLayout& layout, const SlipContent& content,
                     SlipRange range);

// The progress label: "Scheda n. " and the slip number in five digits.
std::string slipProgressText(int slipNumber);

} // namespace quintora
