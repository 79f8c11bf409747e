// The figures of a draw, the six tables, their chart labels and the CSV file.
#include "archive/Statistics.h"

#include "archive/StatisticsCsv.h"
#include "settings/ScratchFolder.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

Draw draw(std::array<std::uint8_t, 5> numbers, std::int16_t contest = 1,
          std::array<std::uint8_t, 2> euro = {1, 2}, const char* date = "01/01/2013") {
    return Draw{contest, parseDate(date).value(), numbers, euro};
}

} // namespace

TEST(Statistics, FiguresOfOneDraw) {
    struct Case {
        std::array<std::uint8_t, 5> numbers;
        int even, odd, run, sum, sumClass;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5}, 2, 3, 5, 15, 1},       {{46, 47, 48, 49, 50}, 3, 2, 5, 240, 5},
        {{10, 11, 20, 21, 22}, 3, 2, 3, 84, 2},  {{3, 1, 2, 4, 5}, 2, 3, 2, 15, 1},
        {{5, 4, 3, 2, 1}, 2, 3, 1, 15, 1},       {{2, 4, 6, 8, 10}, 5, 0, 1, 30, 1},
        {{20, 21, 22, 23, 20}, 3, 2, 4, 106, 2}, {{21, 21, 22, 23, 30}, 2, 3, 3, 117, 3},
    };
    for (const auto& c : cases) {
        const auto f = drawFigures(draw(c.numbers), nullptr);
        EXPECT_EQ(f.even, c.even) << int{c.numbers[0]};
        EXPECT_EQ(f.odd, c.odd);
        EXPECT_EQ(f.longestRun, c.run) << int{c.numbers[0]};
        EXPECT_EQ(f.sum, c.sum);
        EXPECT_EQ(sumClass(f.sum), c.sumClass) << f.sum;
        EXPECT_FALSE(f.repeats.has_value());
    }
}

TEST(Statistics, SumClassesAtTheirBounds) {
    const std::pair<int, int> cases[] = {{14, 0},  {15, 1},  {60, 1},  {61, 2},
                                         {106, 2}, {107, 3}, {152, 3}, {153, 4},
                                         {198, 4}, {199, 5}, {240, 5}, {241, 0}};
    for (const auto& [sum, cls] : cases) {
        EXPECT_EQ(sumClass(sum), cls) << sum;
    }
}

TEST(Statistics, RepeatsCountAgainstThePreviousDraw) {
    const Draw a = draw({1, 2, 3, 4, 5});
    EXPECT_EQ(drawFigures(a, &a).repeats, 5);
    const Draw b = draw({5, 6, 7, 1, 9});
    EXPECT_EQ(drawFigures(b, &a).repeats, 2);
}

TEST(Statistics, OneDrawCountsOnceInFourTablesAndNeverInRepeats) {
    const DrawArchive a{{draw({10, 11, 20, 21, 22})}};
    const auto s = computeStatistics(a);
    EXPECT_EQ(s.repeats, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(s.even, (std::array<std::int32_t, 6>{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(s.odd, (std::array<std::int32_t, 6>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(s.consecutive, (std::array<std::int32_t, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(s.sumClasses, (std::array<std::int32_t, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(s.frequency[9], 1);
    EXPECT_EQ(s.frequency[0], 0);
}

TEST(Statistics, TablesOverAnArchive) {
    const DrawArchive a{{draw({1, 2, 3, 4, 5}), draw({1, 2, 3, 4, 5}), Draw{},
                         draw({46, 47, 48, 49, 50}, 3, {11, 12})}};
    const auto s = computeStatistics(a);
    // The empty record is left out: the last draw's previous draw is the second.
    EXPECT_EQ(s.repeats, (std::array<std::int32_t, 6>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.consecutive, (std::array<std::int32_t, 5>{0, 0, 0, 0, 3}));
    EXPECT_EQ(s.sumClasses, (std::array<std::int32_t, 5>{2, 0, 0, 0, 1}));
    EXPECT_EQ(s.frequency[0], 2);
    EXPECT_EQ(s.frequency[49], 1);
    EXPECT_EQ(s.frequency[10], 0); // Euro numbers 11 and 12 are not main numbers
}

TEST(Statistics, ChartLabelsNameWhatEachBarCounts) {
    ArchiveStats s;
    s.consecutive = {3, 0, 0, 0, 12};
    s.repeats = {7, 1, 0, 0, 0, 0};
    s.sumClasses = {1, 2, 3, 4, 5};
    s.frequency[6] = 12;
    const auto consecutive = statisticsChart(s, StatTable::Consecutive);
    EXPECT_EQ(consecutive.title, "Consecutivi");
    EXPECT_EQ(consecutive.labels.front(), "01 -->      3");
    EXPECT_EQ(consecutive.labels.back(), "05 -->      12");
    const auto repeats = statisticsChart(s, StatTable::Repeats);
    EXPECT_EQ(repeats.labels.size(), 6u);
    EXPECT_EQ(repeats.labels.front(), "00 -->      7");
    EXPECT_EQ(repeats.values.front(), 7);
    const auto frequency = statisticsChart(s, StatTable::Frequency);
    EXPECT_EQ(frequency.title, "Frequenza Numeri");
    EXPECT_EQ(frequency.labels.size(), 50u);
    EXPECT_EQ(frequency.labels[6], "07 -->      12");
    const auto sum = statisticsChart(s, StatTable::Sum);
    EXPECT_EQ(sum.labels, (std::vector<std::string>{"0015-0060 -->      1", "0061-0106 -->      2",
                                                    "0107-0152 -->      3", "0153-0198 -->      4",
                                                    "0199-0240 -->      5"}));
    std::vector<std::string> titles;
    for (const auto t : AllStatTables) {
        titles.push_back(statisticsChart(s, t).title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Consecutivi", "Ripetuti", "Pari", "Dispari",
                                                "Somma", "Frequenza Numeri"}));
}

TEST(StatisticsCsv, TheFileOfASmallArchive) {
    const DrawArchive a{{
        Draw{1, {2012, 3, 23}, {5, 8, 21, 37, 46}, {6, 8}},
        Draw{2, {2012, 3, 30}, {5, 7, 8, 9, 26}, {1, 5}},
        Draw{600, {2022, 3, 25}, {1, 2, 3, 49, 50}, {11, 12}},
    }};
    EXPECT_EQ(statisticsCsvText(a),
              "Data;Concorso;P1;P2;P3;P4;P5;jck1;jck2;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n"
              "25/03/2022;600;01;02;03;49;50;11;12;0;2;3;3;105\r\n"
              "30/03/2012;2;05;07;08;09;26;1;5;2;2;3;3;55\r\n"
              "23/03/2012;1;05;08;21;37;46;6;8;;2;3;1;117\r\n");
}

TEST(StatisticsCsv, NameWriteAndCleanUp) {
    EXPECT_EQ(statisticsCsvFileName({2012, 3, 23, 9, 45, 12}), "quintora_20120323_094512.csv");

    ScratchFolder dir;
    const DrawArchive a{{draw({1, 2, 3, 4, 5})}};
    const auto path = dir.file(statisticsCsvFileName({2026, 7, 21, 20, 0, 5}));
    ASSERT_TRUE(writeStatisticsCsv(path, a).ok());
    EXPECT_EQ(dir.read("quintora_20260721_200005.csv"), statisticsCsvText(a));

    const auto failed = writeStatisticsCsv(dir.file("no-folder/x.csv"), a);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().title, "ERRORE");
    EXPECT_EQ(failed.error().message, "Chiudere il file delle statistiche per proseguire !!!");

    dir.write("quintora_XX.csv", "");
    dir.write("quintora.csv", "");
    dir.write("other_1.csv", "");
    dir.write("quintora_1.txt", "");
    EXPECT_EQ(removeStaleStatisticsCsv(dir.path()), 2);
    EXPECT_TRUE(std::filesystem::exists(dir.file("quintora.csv")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("other_1.csv")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("quintora_1.txt")));
    EXPECT_EQ(removeStaleStatisticsCsv(dir.file("missing")), 0);
}
