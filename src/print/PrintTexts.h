#pragma once

#include "core/Money.h"

#include <cstdint>
#include <string>

namespace quintora {

// The separators of the user's locale for the printed numbers; Italian by default.
struct NumberStyle {
    std::string grouping = ".";
    std::string decimal = ",";
};

// "##,###": 1234 -> "1.234", no leading zeros ("0" for 0).
std::string groupedInteger(std::int64_t value, const NumberStyle& style);
// "#,##0.00" of an amount in cents: 123456 -> "1.234,56".
std::string groupedAmount(Cents amount, const NumberStyle& style);

// The fixed credit line of the slips and of the listing's continuation pages: the product,
// its maker and the maker's site.
std::string creditLine();
// What follows the header text on the listing's first page; short enough that the default
// header's line fits the page.
std::string creditSuffix();

} // namespace quintora
