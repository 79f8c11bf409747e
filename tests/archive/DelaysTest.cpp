// Delays of the main numbers and of the Euro numbers of the latest draw's era.
#include "archive/Delays.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

Draw draw(const char* date, std::array<std::uint8_t, 5> numbers, std::array<std::uint8_t, 2> euro) {
    return {1, parseDate(date).value(), numbers, euro};
}

// Two eras' boundaries, an empty record and numbers never drawn.
DrawArchive handMade() {
    return {{
        draw("03/10/2014", {1, 2, 3, 4, 5}, {7, 8}),
        draw("10/10/2014", {1, 2, 3, 4, 6}, {9, 10}),
        Draw{},
        draw("18/03/2022", {6, 7, 8, 9, 10}, {1, 2}),
        draw("25/03/2022", {1, 11, 12, 13, 14}, {11, 12}),
        draw("29/03/2022", {2, 3, 4, 5, 15}, {12, 1}),
    }};
}

struct Expected {
    int number, current, longest, count;
};

void expectDelays(const std::vector<NumberDelay>& got, std::initializer_list<Expected> rows) {
    for (const auto& e : rows) {
        const auto& d = got.at(static_cast<std::size_t>(e.number - 1));
        EXPECT_EQ(d.number, e.number);
        EXPECT_EQ(d.current, e.current) << e.number;
        EXPECT_EQ(d.longest, e.longest) << e.number;
        EXPECT_EQ(d.count, e.count) << e.number;
    }
}

} // namespace

TEST(Delays, MainNumbersOverEveryDraw) {
    const auto got = computeDelays(handMade());
    EXPECT_EQ(got.draws, 5);
    ASSERT_EQ(got.main.size(), 50u);
    expectDelays(got.main,
                 {{1, 1, 1, 3}, {2, 0, 2, 3}, {6, 2, 2, 2}, {15, 0, 4, 1}, {50, 5, 5, 0}});
}

TEST(Delays, EuroNumbersOfTheLatestEraOnly) {
    const auto latest = computeDelays(handMade());
    EXPECT_EQ(latest.era.euroMax, 12);
    EXPECT_EQ(latest.era.from, "25/03/2022");
    EXPECT_EQ(latest.eraDraws, 2);
    ASSERT_EQ(latest.euro.size(), 12u);
    expectDelays(latest.euro, {{12, 0, 0, 2}, {11, 1, 1, 1}, {1, 0, 1, 1}, {5, 2, 2, 0}});

    auto older = handMade();
    older.draws.resize(4); // up to 18/03/2022: Euro numbers 1..10 since 10/10/2014
    const auto tens = computeDelays(older);
    EXPECT_EQ(tens.era.euroMax, 10);
    EXPECT_EQ(tens.eraDraws, 2);
    ASSERT_EQ(tens.euro.size(), 10u);
    expectDelays(tens.euro, {{1, 0, 1, 1}, {9, 1, 1, 1}, {7, 2, 2, 0}});

    EXPECT_TRUE(computeDelays(DrawArchive{}).euro.size() == 8u);
}

TEST(Delays, EraOfADate) {
    const std::pair<CalendarDate, int> cases[] = {{{2014, 10, 9}, 8},
                                                  {{2014, 10, 10}, 10},
                                                  {{2022, 3, 24}, 10},
                                                  {{2022, 3, 25}, 12},
                                                  {{2030, 1, 1}, 12}};
    for (const auto& [date, euroMax] : cases) {
        EXPECT_EQ(euroEraOn(date).euroMax, euroMax) << formatDate(date);
    }
}

TEST(Delays, SortedByAFigureThenByNumber) {
    auto main = computeDelays(handMade()).main;
    sortDelays(main, DelayOrder::Current, true);
    EXPECT_EQ(main.front().number, 16); // the first of the numbers never drawn
    sortDelays(main, DelayOrder::Count, true);
    EXPECT_EQ(main[0].number, 1);
    EXPECT_EQ(main[1].number, 2);
    sortDelays(main, DelayOrder::Number, false);
    EXPECT_EQ(main.back().number, 50);
}
