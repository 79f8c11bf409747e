#pragma once

#include "core/CalendarDate.h"
#include "core/GameModel.h"
#include "core/Message.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The Euro numbers the game has drawn: 1..8 at first, 1..10 later, 1..12 since 2022. The
// archive keeps them as drawn, whatever rules the player chose.
inline constexpr int DrawnEuroMax = GameRules::widest().euroMax();
// The archive's capacity: far beyond two draws a week for centuries, small enough that a
// file claiming more is refused before it fills memory.
inline constexpr int MaxDraws = 100000;
// The date of a draw is this many characters in the files: "DD/MM/YYYY".
inline constexpr std::size_t DrawDateWidth = 10;

// One archived draw.
struct Draw {
    std::int16_t contest = 0;
    CalendarDate date; // a real day; "DD/MM/YYYY" in the files and on the screen
    std::array<std::uint8_t, NumbersPerColumn> numbers{}; // in the order drawn
    std::array<std::uint8_t, EuroNumbersPerSystem> euro{};

    // A record whose first number is 0 holds no draw: never listed, never examined.
    bool isEmpty() const { return numbers[0] == 0; }
    // "DD/MM/YYYY", as the files hold it.
    std::string dateText() const { return formatDate(date); }
    bool operator==(const Draw&) const = default;
};

// Every draw, oldest first: draws.back() is the latest.
struct DrawArchive {
    std::vector<Draw> draws;

    int count() const { return static_cast<int>(draws.size()); }
    bool operator==(const DrawArchive&) const = default;
};

// Why a (non-empty) draw cannot be stored: a date that is not a day, a main number outside
// 1..50 or a Euro number outside 1..12, or a number repeated within the draw (no draw holds
// one twice). nullopt otherwise.
std::optional<Message> drawProblem(const Draw& draw);

// The main numbers of a draw (those in 1..50), and the Euro numbers of a draw or a winning
// combination (those in 1..12).
NumberSet mainNumbersOf(const Draw& draw);
NumberSet eurosOf(std::span<const std::uint8_t, EuroNumbersPerSystem> euro);

// Both readers grow the archive the same way: room for 2000 draws first, then doubled
// whenever it is full; finishDraws trims the spare room once reading ends.
void appendDraw(std::vector<Draw>& draws, Draw draw);
void finishDraws(std::vector<Draw>& draws);

} // namespace quintora
