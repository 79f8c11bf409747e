#include "core/Conditions.h"

#include <gtest/gtest.h>
#include <vector>

namespace quintora {
namespace {

using Numbers = std::vector<std::uint8_t>;

TEST(SumRange, FiveSmallestAndFiveLargest) {
    const Numbers n{1, 2, 3, 4, 5, 10, 20, 30, 40, 50};
    const auto r = sumRangeOf(n);
    EXPECT_EQ(r.minimum, 15);
    EXPECT_EQ(r.maximum, 150);
    const Numbers five{46, 47, 48, 49, 50};
    EXPECT_EQ(sumRangeOf(five).minimum, 240);
    EXPECT_EQ(sumRangeOf(five).maximum, 240);
    EXPECT_EQ(sumRangeOf({}).maximum, 0);
}

TEST(SumRange, FieldShowsStoredBoundOnlyInsideTheRange) {
    const SumRange r{15, 150};
    EXPECT_EQ(sumFieldValue(0, r, r.minimum), 15);
    EXPECT_EQ(sumFieldValue(20, r, r.minimum), 20);
    EXPECT_EQ(sumFieldValue(150, r, r.maximum), 150);
    EXPECT_EQ(sumFieldValue(151, r, r.maximum), 150);
    EXPECT_EQ(sumFieldValue(14, r, r.minimum), 15);
    EXPECT_EQ(sumFieldValue(-3, r, r.maximum), 150);
}

struct SumCase {
    const char* name;
    std::optional<int> from;
    std::optional<int> to;
    std::vector<SumField> focus; // one per failed check, in order
};

class SumChecks : public testing::TestWithParam<SumCase> {};

TEST_P(SumChecks, EachCheckIsIndependent) {
    const auto& c = GetParam();
    const auto failures = checkSumFields(c.from, c.to, SumRange{15, 150});
    std::vector<SumField> focus;
    for (const auto& f : failures) {
        focus.push_back(f.focus);
    }
    EXPECT_EQ(focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SumChecks,
    testing::Values(SumCase{"valid", 20, 100, {}}, SumCase{"bounds", 15, 150, {}},
                    SumCase{"fromAboveTo", 100, 20, {SumField::To}},
                    SumCase{"fromBelowMin", 10, 100, {SumField::From}},
                    SumCase{"toAboveMax", 20, 160, {SumField::To}},
                    SumCase{"fromAboveToBothAboveMax", 999, 998, {SumField::To, SumField::To}},
                    SumCase{"fromAboveToAndBelowMin", 10, 5, {SumField::To, SumField::From}},
                    SumCase{"emptyToReadsZero", 20, std::nullopt, {SumField::To}},
                    SumCase{"bothEmpty", std::nullopt, std::nullopt, {}},
                    SumCase{"emptyFromSkipsMinimum", std::nullopt, 100, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SumChecks, TitlesAndTexts) {
    const auto f = checkSumFields(999, 998, SumRange{15, 150});
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(ownLanguageText(f[0].title), " !!! E R R O R E !!! ");
    EXPECT_EQ(ownLanguageText(f[0].text), "'DA' è maggiore di 'A'");
    EXPECT_EQ(ownLanguageText(f[1].title), "!!! E R R O R E !!!");
    EXPECT_EQ(ownLanguageText(f[1].text), "'A' è maggiore del massimo");
    EXPECT_EQ(ownLanguageText(checkSumFields(3, 100, SumRange{15, 150}).at(0).text),
              "'DA' è minore del minimo");
}

TEST(SumChecks, StoresOnlyNonEmptyFields) {
    ConditionSet c;
    c.sumFrom = 30;
    c.sumTo = 40;
    storeSumFields(c, std::nullopt, 120);
    EXPECT_EQ(c.sumFrom, 30);
    EXPECT_EQ(c.sumTo, 120);
    storeSumFields(c, 999, std::nullopt);
    EXPECT_EQ(c.sumFrom, 999);
}

TEST(LongestRun, CountsAndCaps) {
    EXPECT_EQ(longestRun(Numbers{}), 0);
    EXPECT_EQ(longestRun(Numbers{7}), 1);
    EXPECT_EQ(longestRun(Numbers{1, 3, 5, 7, 9}), 1);
    EXPECT_EQ(longestRun(Numbers{1, 2, 3, 10, 11}), 3);
    EXPECT_EQ(longestRun(Numbers{4, 10, 11, 12, 13}), 4);
    EXPECT_EQ(longestRun(Numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 5);
    EXPECT_EQ(longestRun(Numbers{0, 1, 51, 52}), 1); // only numbers of 1..50 count
    EXPECT_EQ(longestRun(numbersOf({46, 47, 48, 49, 50})), 5);
    EXPECT_EQ(longestRun(numbersOf({1, 2, 48, 49, 50})), 3);
}

TEST(Binomial, SmallCountsAndOutOfRange) {
    EXPECT_EQ(binomial(50, 5), 2118760);
    EXPECT_EQ(binomial(50, 1), 50);
    EXPECT_EQ(binomial(7, 0), 1);
    EXPECT_EQ(binomial(0, 0), 1);
    EXPECT_EQ(binomial(4, 5), 0);
    EXPECT_EQ(binomial(-1, 2), 0);
    EXPECT_EQ(binomial(5, -1), 0);
    EXPECT_EQ(binomial(255, 5), 8'637'487'551); // beyond 32 bits, still exact
}

TEST(FixedNumbers, FourAtMostAndStoredWithTheirCount) {
    EXPECT_TRUE(canSelectAnotherFixed(3));
    EXPECT_FALSE(canSelectAnotherFixed(4));
    std::array<bool, MainNumberCount> marks{};
    marks[0] = marks[9] = marks[49] = true;
    ConditionSet c;
    c.setFixed({21});
    storeFixedNumbers(c, marks);
    EXPECT_EQ(c.fixedCount(), 3);
    EXPECT_EQ(c.fixed(), (NumberSet{1, 10, 50}));
}

TEST(ConsecutiveRuns, MaskHasBitsOneToFive) {
    const std::array<bool, 5> runs{true, false, true, false, true};
    const auto mask = runsMask(runs);
    EXPECT_EQ(mask, 2 + 8 + 32);
    EXPECT_TRUE(runAllowed(mask, 3));
    EXPECT_FALSE(runAllowed(mask, 2));
    EXPECT_FALSE(runAllowed(1, 0)); // bit 0 is never a run length
    EXPECT_FALSE(runAllowed(-1, 6));
}

TEST(Reductions, OpeningValuesAreClamped) {
    EXPECT_EQ(minimumDistanceOnOpening(0), 1);
    EXPECT_EQ(minimumDistanceOnOpening(3), 3);
    EXPECT_EQ(minimumDistanceOnOpening(200), 5);
    EXPECT_EQ(reducedLevelOnOpening(0), 0);
    EXPECT_EQ(reducedLevelOnOpening(9), 5);
}

TEST(Reductions, ClosingOneSwitchesTheOtherOff) {
    SystemState s;
    s.conditions.setReducedOn(true);
    s.minimumDistance.setOn(true);
    EXPECT_TRUE(closeMinimumDistance(s, 3));
    EXPECT_EQ(s.minimumDistance.minDistance, 3);
    EXPECT_FALSE(s.conditions.reducedOn());
    EXPECT_TRUE(s.minimumDistance.on());

    s.conditions.setReducedOn(true);
    EXPECT_TRUE(closeReduced(s, 2));
    EXPECT_EQ(s.conditions.reducedN, 2);
    EXPECT_FALSE(s.minimumDistance.on());
    EXPECT_TRUE(s.conditions.reducedOn());

    // Only one on: nothing to switch off.
    EXPECT_FALSE(closeReduced(s, 4));
    EXPECT_FALSE(closeMinimumDistance(s, 1));
    EXPECT_TRUE(s.conditions.reducedOn());
}

} // namespace
} // namespace quintora
