#include "core/Format.h"

#include "core/Money.h"
#include "core/SystemTypeText.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(Format, ProgramFormats) {
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(999), "999");
    EXPECT_EQ(formatCount(2118760), "2.118.760");
    EXPECT_EQ(formatDevelopmentCount(200000), " 200.000");
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(50), "50");
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
}

TEST(Money, WholeCentsNeverRound) {
    EXPECT_EQ(formatEuro(0), "€ 0,00");
    EXPECT_EQ(formatEuro(250 * 1234), "€ 3.085,00");
    EXPECT_EQ(formatEuro(123456789), "€ 1.234.567,89");
    // 200,000 columns at 2,10 cost exactly 420.000,00, not 419.999,98 as in float arithmetic.
    EXPECT_EQ(formatEuro(Cents{210} * 200000), "€ 420.000,00");
    EXPECT_EQ(formatCentsAsDecimal(250), "2,50");
    EXPECT_EQ(formatCentsAsDecimal(123450), "1234,50");
}

TEST(Money, PricesTypedInEuros) {
    const struct {
        const char* text;
        std::optional<Cents> cents;
    } cases[] = {
        {"2", 200},
        {"2.5", 250},
        {" 2,10 ", 210},
        {"0,05", 5},
        {",5", 50},
        {"21474836,47", 2147483647},
        {"21474836,48", std::nullopt},
        {"", std::nullopt},
        {",", std::nullopt},
        {"2,105", std::nullopt},
        {"-1", std::nullopt},
        {"2.5.1", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseEuros(c.text), c.cents) << c.text;
    }
}

// Every type the program stores, shown in other words; numbers and marks stay, and a word
// that only starts like one of ours is left alone.
TEST(SystemTypeText, EveryStoredTypeShowsInTheChosenWords) {
    SystemTypeWords english{"Full",   "Conditioned",    "Reduced",  "Minimum Distance",
                            "Matrix", "Reduced Matrix", "TEXT FILE"};
    const std::pair<const char*, const char*> cases[] = {
        {"Integrale", "Full"},
        {"Condizionato - ***", "Conditioned - ***"},
        {"Ridotto N-4 Condizionato", "Reduced N-4 Conditioned"},
        {"Distanza Minima [3] - Condizionato", "Minimum Distance [3] - Conditioned"},
        {"Matrice", "Matrix"},
        {"Matrice Ridotta N-3", "Reduced Matrix N-3"},
        {"FILE TXT", "TEXT FILE"},
        {"Integralesimo", "Integralesimo"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(shownSystemType(stored, english), shown) << stored;
        EXPECT_EQ(shownSystemType(stored, SystemTypeWords{}), stored);
    }
}
