#include "core/Format.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(Format, ProgramFormats) {
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(999), "999");
    EXPECT_EQ(formatCount(2118760), "2.118.760");
    EXPECT_EQ(formatDevelopmentCount(200000), " 200.000");
    EXPECT_EQ(formatEuro(0), "€ 0,00");
    EXPECT_EQ(formatEuro(2.5 * 1234), "€ 3.085,00");
    EXPECT_EQ(formatEuro(1234567.891), "€ 1.234.567,89");
    EXPECT_EQ(formatDecimal2(2.5), "2,50");
    EXPECT_EQ(formatDecimal2(1234.5), "1234,50");
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(50), "50");
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
}
