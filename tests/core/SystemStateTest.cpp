#include "core/SystemState.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

SystemState busySystem() {
    SystemState s;
    s.header.setNumbers({1, 2, 3, 4, 5, 6, 7});
    s.header.setEuros({1, 2});
    s.header.systemType = "Integrale";
    s.columns.assign(21, Column{1, 2, 3, 4, 5});
    s.conditions.setSumOn(true);
    s.conditions.sumFrom = 40;
    s.conditions.setFixed({3, 5});
    s.filters[3].setOn(true);
    s.filterCount = 1;
    s.consecutive.setRuns(CountSet::fromBits(0b110));
    s.consecutive.setOn(true);
    s.minimumDistance.minDistance = 3;
    s.minimumDistance.setOn(true);
    s.excluded.setOn(true);
    s.excluded.setColumns(std::vector{Column{1, 2, 3, 4, 5}});
    s.locked = true;
    s.systemPath = "sistemi/x.qsy";
    return s;
}

} // namespace

TEST(SystemState, ClearEmptiesEverythingButWhatItKeeps) {
    for (bool keepNumbers : {false, true}) {
        SystemState s = busySystem();
        clearSystemData(s, keepNumbers);
        EXPECT_EQ(s.header.numberCount(), keepNumbers ? 7 : 0);
        EXPECT_EQ(s.header.euroCount(), keepNumbers ? 2 : 0);
        EXPECT_EQ(s.columnCount(), 0);
        EXPECT_TRUE(s.header.systemType.empty());
        EXPECT_FALSE(s.conditions.sumOn());
        EXPECT_EQ(s.conditions.sumFrom, 0);
        EXPECT_TRUE(s.conditions.fixed().empty());
        EXPECT_EQ(s.filterCount, 0);
        EXPECT_EQ(s.filters[3], FilterColumn{});
        EXPECT_FALSE(s.consecutive.on());
        EXPECT_FALSE(s.minimumDistance.on());
        EXPECT_TRUE(s.excluded.columns().empty());
        EXPECT_FALSE(s.excluded.on());
        EXPECT_FALSE(s.locked);
        EXPECT_EQ(s.systemPath, "sistemi/x.qsy");
        EXPECT_EQ(systemCost(s), 0);
    }
}

TEST(SystemState, IntegralSizeAndCost) {
    EXPECT_EQ(integralSize(4), 0);
    EXPECT_EQ(integralSize(5), 1);
    EXPECT_EQ(integralSize(10), 252);
    EXPECT_EQ(integralSize(50), 2118760);
    SystemState s;
    s.columns.resize(252);
    s.pricePerColumn = 250;
    EXPECT_EQ(systemCost(s), 63000);
}

TEST(SystemState, NumberListsFollowTheMarks) {
    SystemHeader h;
    h.setNumbers({1, 2, 4, 20}); // the marks replace what was there
    std::array<bool, 50> marks{};
    marks[2] = marks[9] = marks[49] = true;
    setNumbersInPlay(h, marks);
    ASSERT_EQ(h.numberCount(), 3);
    EXPECT_EQ(numbersInPlay(h), (std::vector<std::uint8_t>{3, 10, 50}));
}

TEST(SystemState, RearrangingPutsSwitchedOnFiltersFirstInTheirOrder) {
    std::array<FilterColumn, MaxFilterColumns> table{};
    table[1].setMembers({1}); // panel 2
    table[1].setOn(true);
    table[4].setMembers({5}); // panel 5
    table[4].setOn(true);
    table[0].setMembers({10}); // panel 1, off
    EXPECT_EQ(rearrangeFilters(table), 2);
    EXPECT_EQ(table[0].memberSet(), NumberSet{1});
    EXPECT_EQ(table[1].memberSet(), NumberSet{5});
    EXPECT_EQ(table[2].memberSet(), NumberSet{10});
    EXPECT_FALSE(table[2].on());
}
