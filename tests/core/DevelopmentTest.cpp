#include "core/Development.h"

#include "support/SystemBuilders.h"

#include <gtest/gtest.h>

using namespace quintora;
using namespace quintora::builders;

namespace {

DevelopmentResult run(const SystemState& s) {
    DevelopmentControl control;
    return develop(s, {}, control);
}

} // namespace

TEST(Development, SixNumbersGiveTheIntegralInEnumerationOrder) {
    const auto r = run(firstNumbers(6));
    const std::vector<Column> expected = {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 5, 6},
                                          {1, 2, 4, 5, 6}, {1, 3, 4, 5, 6}, {2, 3, 4, 5, 6}};
    EXPECT_EQ(r.columns, expected);
    EXPECT_EQ(r.systemType, "Integrale");
    EXPECT_FALSE(r.stopped);
}

TEST(Development, ReductionsFollowTheirThresholds) {
    auto distance5 = firstNumbers(7);
    keepMinimumDistance(distance5, 5);
    EXPECT_EQ(run(distance5).columns, (std::vector<Column>{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(run(distance5).systemType, "Distanza Minima [5]");

    auto reduced4 = firstNumbers(10);
    reduceTo(reduced4, 4);
    EXPECT_EQ(run(reduced4).columns, (std::vector<Column>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
    EXPECT_EQ(run(reduced4).systemType, "Ridotto N-4");

    auto reduced0 = firstNumbers(12);
    reduceTo(reduced0, 0);
    EXPECT_EQ(run(reduced0).columns.size(), 792u);

    auto reduced5 = firstNumbers(12);
    reduceTo(reduced5, 5);
    EXPECT_EQ(run(reduced5).columns.size(), 1u);
}

TEST(Development, FourFixedNumbersKeepOnlyColumnsHoldingAllFour) {
    auto s = firstNumbers(10);
    fixNumbers(s, {2, 4, 6, 8});
    const auto r = run(s);
    ASSERT_EQ(r.columns.size(), 6u); // the fifth number is any of the other six
    for (const auto& c : r.columns) {
        EXPECT_TRUE((NumberSet{2, 4, 6, 8}).isSubsetOf(numbersOf(c)));
    }
    EXPECT_EQ(r.systemType, "Condizionato");
}

TEST(Development, SystemNames) {
    struct Case {
        const char* name;
        void (*set)(SystemState&);
        const char* expected;
    };
    const Case cases[] = {
        {"nothing", [](SystemState&) {}, "Integrale"},
        {"excluded only", [](SystemState& s) { excludeColumns(s, {}); }, "Integrale"},
        {"sum", [](SystemState& s) { limitSum(s, 0, 0); }, "Condizionato"},
        {"filter", [](SystemState& s) { addFilter(s, {}, {}); }, "Condizionato"},
        {"distance", [](SystemState& s) { keepMinimumDistance(s, 3); }, "Distanza Minima [3]"},
        {"distance+sum",
         [](SystemState& s) {
             keepMinimumDistance(s, 2);
             limitSum(s, 0, 0);
         },
         "Distanza Minima [2] - Condizionato"},
        {"reduced", [](SystemState& s) { reduceTo(s, 2); }, "Ridotto N-2"},
        {"both reductions and a condition",
         [](SystemState& s) {
             allowEvenCounts(s, {});
             reduceTo(s, 1);
             keepMinimumDistance(s, 3);
         },
         "Ridotto N-1 Condizionato"},
    };
    for (const auto& c : cases) {
        SystemState s;
        c.set(s);
        EXPECT_EQ(developedSystemType(s, false), c.expected) << c.name;
        EXPECT_EQ(developedSystemType(s, true), std::string(c.expected) + " - ***") << c.name;
    }
}

TEST(Development, StopsAtTheColumnLimitWithTheMark) {
    std::vector<DevelopmentProgress> reports;
    DevelopmentControl control;
    const auto r = develop(
        firstNumbers(50), [&](const DevelopmentProgress& p) { reports.push_back(p); }, control);
    EXPECT_EQ(r.columns.size(), static_cast<std::size_t>(MaxColumns));
    EXPECT_TRUE(r.limitReached);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.systemType, "Integrale - ***");
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(reports.back().limitReached);
    EXPECT_EQ(reports.back().accepted, MaxColumns);
    EXPECT_EQ(reports.back().total, 2118760.0);
    EXPECT_EQ(
        ownLanguageText(limitWarningText(MaxColumns)),
        "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 200.000 colonne");
}

TEST(Development, LimitReachedOnTheLastCombinationStillWarnsAndMarks) {
    // 32 numbers: 201,376 combinations. A filter drops the 406 holding 1, 2 and 3 together and
    // 970 excluded columns drop as many more, leaving exactly 200,000, the last one included.
    auto s = firstNumbers(32);
    addFilter(s, {1, 2, 3}, {0, 1, 2});
    // Excluded columns hold 1 and 2 but not 3, stored out of order on purpose.
    std::vector<Column> excluded;
    for (int third = 4; third <= 6; ++third) {
        for (int a = third + 1; a <= 32; ++a) {
            for (int b = a + 1; b <= 32 && excluded.size() < 970; ++b) {
                excluded.push_back({static_cast<std::uint8_t>(third), 1,
                                    static_cast<std::uint8_t>(a), 2, static_cast<std::uint8_t>(b)});
            }
        }
    }
    excludeColumns(s, excluded);
    const auto r = run(s);
    ASSERT_EQ(r.columns.size(), static_cast<std::size_t>(MaxColumns));
    EXPECT_EQ(r.columns.back(), (Column{28, 29, 30, 31, 32}));
    EXPECT_TRUE(r.limitReached);
    EXPECT_EQ(r.systemType, "Condizionato - ***");
}

TEST(Development, ProgressIsReportedAbout250TimesAndEndsAt100) {
    for (int n : {7, 20, 30}) {
        std::vector<DevelopmentProgress> reports;
        DevelopmentControl control;
        (void)develop(
            firstNumbers(n), [&](const DevelopmentProgress& p) { reports.push_back(p); }, control);
        const double total = integralSize(n);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back().processed, total) << n;
        EXPECT_EQ(reports.back().percent, 100) << n;
        if (total < 250) {
            EXPECT_EQ(reports.size(), static_cast<std::size_t>(total)) << n;
        } else {
            EXPECT_GE(reports.size(), 249u) << n;
            EXPECT_LE(reports.size(), 252u) << n;
        }
        for (std::size_t i = 1; i < reports.size(); ++i) {
            EXPECT_GT(reports[i].processed, reports[i - 1].processed);
            EXPECT_GE(reports[i].percent, reports[i - 1].percent);
        }
    }
}

TEST(Development, InputErrors) {
    struct Case {
        SystemState state;
        const char* containing;
    };
    // Numbers out of range or repeated cannot reach the state: the file reader refuses them.
    auto noEuro = firstNumbers(6);
    noEuro.header.setEuros({4});
    const Case cases[] = {
        {firstNumbers(4), "almeno 5"},
        {noEuro, "esattamente 2"},
    };
    for (const auto& c : cases) {
        const auto error = developmentInputError(c.state.header);
        ASSERT_TRUE(error.has_value()) << c.containing;
        EXPECT_NE(ownLanguageText(*error).find(c.containing), std::string::npos) << *error;
    }
    EXPECT_FALSE(developmentInputError(firstNumbers(5).header).has_value());
    auto today = firstNumbers(5);
    setEuroNumbers(today, 11, 12);
    EXPECT_FALSE(developmentInputError(today.header).has_value());
}

TEST(Development, FixedNumbersNotInPlayAreDroppedBeforeDeveloping) {
    ConditionSet c;
    c.setFixed({2, 9, 40});
    const std::array<std::uint8_t, 6> inPlay{1, 2, 3, 4, 5, 9};
    dropFixedNumbersNotInPlay(c, inPlay);
    EXPECT_EQ(c.fixedCount(), 2);
    EXPECT_FALSE(c.fixed().contains(40));
    EXPECT_TRUE(c.fixed().contains(9));
}
