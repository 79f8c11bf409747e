#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quintora {

// Which Euro numbers a player may choose and type: 1..10, the program's own game and the
// default, or 1..12, the game drawn since 25/03/2022. Main numbers, prize categories and
// everything else are the same under both. Files and archived draws are data and may hold
// any Euro number the game has drawn (1..12) whatever the rules.
class GameRules {
public:
    static constexpr int ClassicEuroMax = 10;
    static constexpr int CurrentEuroMax = 12;

    constexpr GameRules() = default;
    static constexpr GameRules classic() { return GameRules(ClassicEuroMax); }
    static constexpr GameRules current() { return GameRules(CurrentEuroMax); }
    // The widest rules: what a file or a draw may hold.
    static constexpr GameRules widest() { return current(); }
    // 10 or 12; nothing for any other range.
    static constexpr std::optional<GameRules> withEuroMax(int euroMax) {
        if (euroMax == ClassicEuroMax || euroMax == CurrentEuroMax) {
            return GameRules(euroMax);
        }
        return std::nullopt;
    }
    // The narrowest rules under which these Euro numbers can be played: 12 when one of them
    // is 11 or 12, else 10.
    static constexpr GameRules neededFor(std::span<const std::uint8_t> euros) {
        for (const int e : euros) {
            if (e > ClassicEuroMax) {
                return current();
            }
        }
        return classic();
    }

    constexpr int euroMax() const { return euroMax_; }
    constexpr bool isEuroNumber(int n) const { return n >= 1 && n <= euroMax_; }
    // Everything playable under `other` is playable under these rules.
    constexpr bool covers(GameRules other) const { return euroMax_ >= other.euroMax_; }

    constexpr bool operator==(const GameRules&) const = default;

private:
    constexpr explicit GameRules(int euroMax)
        : euroMax_(euroMax) {}
    int euroMax_ = ClassicEuroMax;
};

// The Euro list of a system file: ten byte slots whatever the rules (only the first ones, as
// many as the count beside them says, at most two, hold numbers).
inline constexpr int EuroListSlots = 10;

} // namespace quintora
