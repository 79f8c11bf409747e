#pragma once

#include <array>
#include <string>

namespace quintora {

// The twelve winning categories, best first, and the no-win value. The index is the rank:
// "3+1" (7) ranks above "2+2" (8), and "3" (9) below both.
inline constexpr int PrizeCategoryCount = 12;
inline constexpr int NoWinCategory = 12;

struct PrizeCategory {
    const char* label;   // "5+2"
    int mainHits;        // 0..5
    int euroHits;        // 0..2
    const char* caption; // in the check dialog: "Punti 5+2"
    const char* header;  // the archive check's column: "Pt.5+2"
};

inline constexpr std::array<PrizeCategory, PrizeCategoryCount> PrizeCategories = {{
    {"5+2", 5, 2, "Punti 5+2", "Pt.5+2"},
    {"5+1", 5, 1, "Punti 5+1", "Pt.5+1"},
    {"5", 5, 0, "Punti 5", "Pt.5"},
    {"4+2", 4, 2, "Punti 4+2", "Pt.4+2"},
    {"4+1", 4, 1, "Punti 4+1", "Pt.4+1"},
    {"4", 4, 0, "Punti 4", "Pt.4"},
    {"3+2", 3, 2, "Punti 3+2", "Pt.3+2"},
    {"3+1", 3, 1, "Punti 3+1", "Pt.3+1"},
    {"2+2", 2, 2, "Punti 2+2", "Pt.2+2"},
    {"3", 3, 0, "Punti 3", "Pt.3"},
    {"1+2", 1, 2, "Punti 1+2", "Pt.1+2"},
    {"2+1", 2, 1, "Punti 2+1", "Pt.2+1"},
}};

// The category of a column with these hits (main 0..5, Euro 0..2); NoWinCategory for every
// other pair, and for hits out of range.
int prizeCategoryOf(int mainHits, int euroHits);

// "5+2" ... "2+1" for 0..11, "0" for NoWinCategory (and anything else).
std::string prizeCategoryLabel(int category);

} // namespace quintora
