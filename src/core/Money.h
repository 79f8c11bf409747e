#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// Money is kept in whole cents, so no amount is ever rounded on its way to the screen.
using Cents = std::int64_t;

// The largest column price the settings accept: whole cents fit a 32-bit integer.
inline constexpr Cents MaxPricePerColumn = 2147483647;

// "€ ###,###,##0.00": 41999998 -> "€ 419.999,98".
std::string formatEuro(Cents amount);
// "0.00" without grouping: 250 -> "2,50".
std::string formatCentsAsDecimal(Cents amount);

// A price typed in euros: blanks around, digits with at most one decimal mark ('.' or ',')
// and at most two decimals ("2", "2.5", "2,10"). Anything else, or more than
// MaxPricePerColumn, gives nullopt.
std::optional<Cents> parseEuros(std::string_view text);

} // namespace quintora
