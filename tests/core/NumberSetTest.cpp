#include "core/NumberSet.h"

#include "core/GameModel.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace quintora {

// Failures show the members, not the bytes.
void PrintTo(NumberSet s, std::ostream* os) {
    *os << testing::PrintToString(s.ascending());
}

namespace {

std::vector<int> members(NumberSet s) {
    std::vector<int> out;
    for (const int n : s) {
        out.push_back(n);
    }
    return out;
}

// The edges hold in a constant expression too, where a shift by 64 would not compile.
static_assert(NumberSet::all().above(63).empty());
static_assert(NumberSet::single(64).empty() && NumberSet::single(-1).empty());
static_assert(NumberSet::range(0, 63) == NumberSet::all());
static_assert(NumberSet{}.lowest() == NumberSet::Limit);

TEST(NumberSet, OnlyNumbersOf0To63AreEverMembers) {
    struct Case {
        int number;
        bool member;
    };
    const Case cases[] = {{-64, false}, {-1, false}, {0, true},   {1, true},
                          {50, true},   {63, true},  {64, false}, {65, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        NumberSet inserted;
        inserted.insert(c.number);
        EXPECT_EQ(inserted.contains(c.number), c.member);
        EXPECT_EQ(inserted.size(), c.member ? 1 : 0);
        EXPECT_EQ(NumberSet{c.number}, inserted);
        EXPECT_EQ(NumberSet::single(c.number), inserted);
        // An out-of-range number must not alias a member: 64 is not 0, -1 is not 63.
        EXPECT_FALSE(NumberSet::all().without(inserted).contains(c.number));
        NumberSet full = NumberSet::all();
        full.erase(c.number);
        EXPECT_EQ(full.size(), c.member ? 63 : 64);
    }
    EXPECT_FALSE(NumberSet::all().contains(64));
    EXPECT_FALSE(NumberSet::all().contains(-1));
}

TEST(NumberSet, RangesAreClippedTo0To63) {
    struct Case {
        int from;
        int to;
        std::vector<int> expected;
    };
    const Case cases[] = {{1, 3, {1, 2, 3}},      {0, 0, {0}}, {63, 63, {63}}, {-5, 1, {0, 1}},
                          {61, 90, {61, 62, 63}}, {4, 3, {}},  {64, 70, {}},   {-9, -1, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        EXPECT_EQ(members(NumberSet::range(c.from, c.to)), c.expected);
    }
    EXPECT_EQ(NumberSet::range(0, 63), NumberSet::all());
    EXPECT_EQ(NumberSet::range(1, 50).size(), 50);
}

TEST(NumberSet, WalksItsMembersAscending) {
    const NumberSet s{63, 0, 17, 50, 17, 1};
    EXPECT_EQ(members(s), (std::vector<int>{0, 1, 17, 50, 63}));
    EXPECT_EQ(s.ascending(), members(s));
    EXPECT_EQ(s.lowest(), 0);
    EXPECT_EQ(s.withoutLowest(), (NumberSet{1, 17, 50, 63}));
    EXPECT_EQ(NumberSet{63}.lowest(), 63);
    EXPECT_TRUE(NumberSet{63}.withoutLowest().empty());
    EXPECT_EQ(NumberSet{}.lowest(), NumberSet::Limit);
    EXPECT_TRUE(members(NumberSet{}).empty());
    EXPECT_EQ(members(NumberSet::all()).size(), 64u);
    EXPECT_EQ(members(NumberSet::all()).back(), 63);
}

TEST(NumberSet, MembersAboveANumber) {
    const NumberSet s{0, 1, 49, 50, 51, 63};
    struct Case {
        int n;
        NumberSet expected;
    };
    const Case cases[] = {
        {0, {1, 49, 50, 51, 63}}, {1, {49, 50, 51, 63}}, {50, {51, 63}}, {62, {63}}, {63, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(s.above(c.n), c.expected);
        EXPECT_EQ(NumberSet::all().above(c.n).size(), 63 - c.n);
    }
}

TEST(NumberSet, Combinations) {
    const NumberSet a{0, 5, 50, 63};
    const NumberSet b{5, 6, 63};
    EXPECT_EQ(a & b, (NumberSet{5, 63}));
    EXPECT_EQ(a | b, (NumberSet{0, 5, 6, 50, 63}));
    EXPECT_EQ(a.without(b), (NumberSet{0, 50}));
    EXPECT_EQ(b.without(a), NumberSet{6});
    EXPECT_TRUE(a.intersects(b));
    EXPECT_FALSE(a.intersects(NumberSet{1, 62}));
    EXPECT_FALSE(a.intersects(NumberSet{}));
    EXPECT_TRUE((NumberSet{0, 63}).isSubsetOf(a));
    EXPECT_FALSE(b.isSubsetOf(a));
    EXPECT_TRUE(NumberSet{}.isSubsetOf(NumberSet{}));
    EXPECT_EQ(NumberSet{}.complement(), NumberSet::all());
    EXPECT_EQ(a.complement().size(), 60);
    EXPECT_FALSE(a.complement().intersects(a));
    EXPECT_EQ(a.complement() | a, NumberSet::all());
    NumberSet c = a;
    c &= b;
    EXPECT_EQ(c, a & b);
    c |= NumberSet{1};
    EXPECT_EQ(c, (NumberSet{1, 5, 63}));
    EXPECT_EQ((NumberSet{0, 1, 5, 63}).shiftedDown(1), (NumberSet{0, 4, 62}));
    EXPECT_EQ(NumberSet{63}.shiftedDown(63), NumberSet{0});
}

TEST(NumberSet, LongestRunOfConsecutiveMembers) {
    struct Case {
        NumberSet numbers;
        int run;
    };
    const Case cases[] = {
        {{}, 0},
        {{7}, 1},
        {{1, 3, 5, 7, 9}, 1},
        {{10, 11, 20}, 2},
        {{1, 2, 4, 5, 6}, 3},          // the gap parts two runs
        {{1, 2, 3, 5, 6, 7, 8}, 4},    // the longer run after the gap counts
        {{46, 47, 48, 49, 50}, 5},     // up to the last main number
        {{1, 2, 3, 4, 5, 6, 7, 8}, 5}, // capped at five
        {{0, 1, 62, 63}, 2},           // at both edges of the set
        {{49, 50, 52, 53, 54}, 3},     // 51 missing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(members(c.numbers)));
        EXPECT_EQ(longestRun(c.numbers), c.run);
    }
}

TEST(NumberSet, AColumnsNumbersAreThoseOf1To50EachOnce) {
    struct Case {
        Column column;
        NumberSet expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 50}, {1, 2, 3, 4, 50}},
        {{7, 7, 7, 7, 7}, {7}},     // a column read from a file may repeat a number
        {{0, 51, 64, 255, 8}, {8}}, // bytes outside 1..50 are no numbers of the game
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.column));
        EXPECT_EQ(numbersOf(c.column), c.expected);
    }
}

} // namespace
} // namespace quintora
