// The exact odds of a system in one draw, and its guarantee.
#include "check/SystemAnalysis.h"

#include "matrix/MatrixFile.h"
#include "support/ReferenceAnalysis.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace quintora;

namespace {

std::vector<Column> integral(int v) {
    std::vector<Column> out;
    for (int a = 1; a <= v; ++a)
        for (int b = a + 1; b <= v; ++b)
            for (int c = b + 1; c <= v; ++c)
                for (int d = c + 1; d <= v; ++d)
                    for (int e = d + 1; e <= v; ++e) {
                        out.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                       static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                                       static_cast<std::uint8_t>(e)});
                    }
    return out;
}

// A shipped matrix with its positions taken as the numbers 1..V.
struct ShippedWheel {
    MatrixHeader header;
    std::vector<Column> columns;
};

ShippedWheel shippedWheel(const std::string& name) {
    const auto read = readMatrixFile(std::string(QUINTORA_SHIPPED_MATRICES) + "/" + name);
    EXPECT_TRUE(read.ok()) << name;
    ShippedWheel wheel;
    if (!read.ok()) {
        return wheel;
    }
    const auto& m = read.value();
    wheel.header = m.header;
    for (int c = 1; c <= m.header.columnCount; ++c) {
        Column column{};
        for (int k = 1; k <= 5; ++k) {
            column[static_cast<std::size_t>(k - 1)] = m.position(k, c);
        }
        wheel.columns.push_back(column);
    }
    return wheel;
}

const std::array<std::uint8_t, 2> systemEuro{3, 8};

} // namespace

TEST(SystemOdds, OneColumnHasThePublishedOdds) {
    const std::vector<Column> one{{1, 2, 3, 4, 5}};
    const std::array<std::int64_t, 13> e10 = {
        1, 16, 28, 225, 3600, 6300, 9900, 158400, 141900, 277200, 744975, 2270400, 91731255};
    const auto at10 = analyseSystem(one, systemEuro, 10);
    ASSERT_TRUE(at10);
    EXPECT_EQ(at10->odds.outcomes, e10);
    EXPECT_EQ(at10->odds.total, 95344200);
    const auto at12 = analyseSystem(one, systemEuro, 12);
    ASSERT_TRUE(at12);
    EXPECT_EQ(at12->odds.outcomes[0], 1);
    EXPECT_EQ(at12->odds.total, 139838160);
    EXPECT_EQ(oddsText(at10->odds.outcomes[0], at10->odds.total), "1 su 95.344.200");
    EXPECT_EQ(oddsText(at12->odds.outcomes[0], at12->odds.total, {"1 in %1", "never", ",", "."}),
              "1 in 139,838,160");
}

struct OddsCase {
    const char* name;
    std::vector<Column> columns;
    std::array<std::uint8_t, 2> euro;
    int euroMax;
};

class SystemOddsAgainstReference : public testing::TestWithParam<OddsCase> {};

TEST_P(SystemOddsAgainstReference, SameCountsAsEveryColumnAgainstEveryOutcome) {
    const auto& c = GetParam();
    const auto got = analyseSystem(c.columns, c.euro, c.euroMax);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->odds.outcomes, reference::systemOdds(c.columns, c.euro, c.euroMax));
    std::int64_t sum = 0;
    for (auto n : got->odds.outcomes) {
        sum += n;
    }
    EXPECT_EQ(sum, got->odds.total);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, SystemOddsAgainstReference,
    testing::Values(OddsCase{"one_column_e12", {{1, 2, 3, 4, 5}}, {11, 12}, 12},
                    OddsCase{"integral_of_1_to_6", integral(6), {3, 8}, 10},
                    OddsCase{"integral_of_1_to_6_e12", integral(6), {3, 8}, 12},
                    // Numbers out of range and repeats count once or not at all.
                    OddsCase{"odd_columns", {{7, 7, 9, 0, 60}, {40, 41, 42, 43, 44}}, {2, 2}, 10},
                    OddsCase{"shipped_V10T3M3", shippedWheel("V10T3M3.DAT").columns, {1, 10}, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemGuarantee, AnIntegralGivesEveryDrawnNumber) {
    for (int v : {5, 6, 8}) {
        const auto got = analyseSystem(integral(v), systemEuro, 10);
        ASSERT_TRUE(got);
        ASSERT_EQ(got->guarantee.size(), 5u) << v;
        for (const auto& line : got->guarantee) {
            EXPECT_EQ(line.guaranteed, line.drawn) << v;
            EXPECT_EQ(line.setsReaching[0], binomial(v, line.drawn)) << v;
        }
    }
    // Fewer than five numbers played: no line for more drawn numbers than that.
    const auto few = analyseSystem(std::vector<Column>{{1, 2, 3, 3, 3}}, systemEuro, 10);
    ASSERT_TRUE(few);
    EXPECT_EQ(few->guarantee.size(), 3u);
}

TEST(SystemGuarantee, ShippedWheelsShowTheirOwnGuarantee) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUINTORA_SHIPPED_MATRICES))) {
        const auto name = entry.path().filename().string();
        if (entry.path().extension() != ".DAT") {
            continue;
        }
        const auto wheel = shippedWheel(name);
        if (wheel.header.f != 0 || wheel.columns.empty()) {
            continue; // a wheel with fixed numbers guarantees only when they are drawn
        }
        const auto got = analyseSystem(wheel.columns, systemEuro, 10);
        ASSERT_TRUE(got);
        const auto& line = got->guarantee.at(static_cast<std::size_t>(wheel.header.m - 1));
        EXPECT_EQ(line.guaranteed, wheel.header.t) << name;
        std::int64_t sets = 0;
        for (auto n : line.setsReaching) {
            sets += n;
        }
        EXPECT_EQ(sets, binomial(wheel.header.v, wheel.header.m)) << name;
    }
}

TEST(SystemAnalysisRun, StopsWhenAsked) {
    std::atomic<bool> stop{true};
    int reports = 0;
    EXPECT_FALSE(analyseSystem(integral(6), systemEuro, 10, {[&](int) { ++reports; }, &stop}));
    stop = false;
    int last = -1;
    EXPECT_TRUE(analyseSystem(integral(6), systemEuro, 10,
                              {[&](int p) {
                                   EXPECT_GE(p, last);
                                   last = p;
                               },
                               &stop}));
    EXPECT_EQ(last, 100);
}

TEST(SystemAnalysisRun, EuroRangeFollowsTheSystem) {
    EXPECT_EQ(analysisEuroMax(std::array<std::uint8_t, 2>{3, 11}, GameRules::classic()), 12);
    EXPECT_EQ(analysisEuroMax(systemEuro, GameRules::classic()), 10);
    EXPECT_EQ(analysisEuroMax(systemEuro, GameRules::current()), 12);
    EXPECT_EQ(euroHitOutcomes(systemEuro, 12), (std::array<std::int64_t, 3>{45, 20, 1}));
}
