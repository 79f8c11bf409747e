// The adaptation: columns from positions, the type, the conditions, and its refusals.
#include "matrix/MatrixAdaptation.h"

#include "matrix/MatrixSamples.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

const std::vector<std::uint8_t> inPlay7{3, 8, 15, 22, 30, 41, 49};

SystemState systemWith(const std::vector<std::uint8_t>& numbers) {
    SystemState s;
    s.header.setNumbers(NumberSet::of(numbers));
    s.header.setEuros({4, 9});
    s.header.systemType = "Integrale";
    s.columns.assign(3, Column{1, 2, 3, 4, 5});
    s.conditions.setSumOn(true);
    s.minimumDistance.minDistance = 2;
    s.minimumDistance.setOn(true);
    s.filterCount = 1;
    s.filters[0].setOn(true);
    return s;
}

} // namespace

TEST(MatrixAdaptation, PositionsBecomeTheNumbersInPlay) {
    const auto adapted = adaptMatrix(sevenMatrix(), inPlay7, {}, MatrixMessages{});
    ASSERT_TRUE(adapted.ok()) << adapted.error().message;
    const auto& columns = adapted.value().columns;
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[0], (Column{3, 8, 15, 22, 30}));
    EXPECT_EQ(columns[1], (Column{15, 22, 30, 41, 49}));
    EXPECT_EQ(columns[2], (Column{3, 8, 30, 41, 49}));
}

TEST(MatrixAdaptation, AppliedItReplacesTheSystemButKeepsItsNumbers) {
    SystemState s = systemWith(inPlay7);
    auto adapted = adaptMatrix(sevenMatrix(), inPlay7, {}, MatrixMessages{});
    ASSERT_TRUE(adapted.ok());
    applyAdaptation(s, std::move(adapted.value()));
    EXPECT_EQ(s.columnCount(), 5);
    EXPECT_EQ(s.header.numberCount(), 7);
    EXPECT_EQ(numbersInPlay(s.header), inPlay7);
    EXPECT_EQ(s.header.euroCount(), 2);
    EXPECT_EQ(euroNumbers(s.header)[0], 4);
    EXPECT_EQ(euroNumbers(s.header)[1], 9);
    EXPECT_FALSE(s.conditions.sumOn());
    EXPECT_FALSE(s.minimumDistance.on());
    EXPECT_EQ(s.filterCount, 0);
    EXPECT_FALSE(s.conditions.fixedOn());
}

TEST(MatrixAdaptation, TypeAndReducedLevelFollowT) {
    struct Case {
        std::uint8_t t;
        const char* type;
        std::uint8_t reducedN;
    };
    for (const auto& c :
         {Case{3, "Matrice Ridotta N-3", 3}, Case{1, "Matrice Ridotta N-1", 1},
          Case{5, "Matrice Ridotta N-5", 5}, Case{0, "Matrice", 0}, Case{6, "Matrice", 0}}) {
        Matrix m = sevenMatrix();
        m.header.t = c.t;
        SystemState s = systemWith(inPlay7);
        auto adapted = adaptMatrix(m, inPlay7, {}, MatrixMessages{});
        ASSERT_TRUE(adapted.ok());
        applyAdaptation(s, std::move(adapted.value()));
        EXPECT_EQ(s.header.systemType, c.type);
        EXPECT_EQ(s.conditions.reducedOn(), c.reducedN != 0) << int{c.t};
        EXPECT_EQ(s.conditions.reducedN, c.reducedN);
    }
    // Whatever the language, the file keeps the program's own words; they are shown in the
    // chosen language.
    MatrixMessages english;
    english.reducedMatrixType = "Reduced Matrix";
    const auto adapted = adaptMatrix(sevenMatrix(), inPlay7, {}, english);
    EXPECT_EQ(adapted.value().systemType, "Matrice Ridotta N-3");
}

TEST(MatrixAdaptation, FixedPositionsTakeTheChosenNumbers) {
    // Positions 1 and 2 are the fixed ones: every column holds them.
    const Matrix m = sampleMatrix(7, {{1, 2, 3, 4, 5}, {1, 2, 5, 6, 7}}, 3, 2);
    const std::vector<std::uint8_t> fixed{41, 8};
    SystemState s = systemWith(inPlay7);
    auto adapted = adaptMatrix(m, inPlay7, fixed, MatrixMessages{});
    ASSERT_TRUE(adapted.ok()) << adapted.error().message;
    // 1 -> 8, 2 -> 41, then 3, 15, 22, 30, 49 in order.
    EXPECT_EQ(adapted.value().columns[0], (Column{3, 8, 15, 22, 41}));
    EXPECT_EQ(adapted.value().columns[1], (Column{8, 22, 30, 41, 49}));
    applyAdaptation(s, std::move(adapted.value()));
    EXPECT_TRUE(s.conditions.fixedOn());
    EXPECT_EQ(s.conditions.fixedCount(), 2);
    EXPECT_TRUE(s.conditions.fixed().contains(8));
    EXPECT_TRUE(s.conditions.fixed().contains(41));
    for (const auto& column : s.columns) {
        EXPECT_NE(std::find(column.begin(), column.end(), 8), column.end());
        EXPECT_NE(std::find(column.begin(), column.end(), 41), column.end());
    }
}

TEST(MatrixAdaptation, RefusedWhenMatrixAndInputsDoNotFit) {
    const MatrixMessages messages;
    const Matrix seven = sevenMatrix();
    const Matrix fixed2 = sampleMatrix(7, {{1, 2, 3, 4, 5}}, 3, 2);
    Matrix notThroughFixed = sampleMatrix(7, {{1, 3, 4, 5, 6}}, 3, 2);
    Matrix tooMany = sevenMatrix();
    tooMany.header.columnCount = MaxColumns + 1;
    struct Case {
        const char* name;
        const Matrix& matrix;
        std::vector<std::uint8_t> inPlay;
        std::vector<std::uint8_t> fixed;
        const char* containing;
    };
    const Case cases[] = {
        {"fewer numbers in play than V", seven, {3, 8, 15, 22, 30, 41}, {}, "costruita per 7"},
        {"more numbers in play than V", seven, {1, 3, 8, 15, 22, 30, 41, 49}, {}, "7"},
        {"numbers in play not ascending", seven, {8, 3, 15, 22, 30, 41, 49}, {}, "crescenti"},
        {"fixed numbers missing", fixed2, inPlay7, {8}, "2 numeri fissi"},
        {"fixed number not in play", fixed2, inPlay7, {8, 9}, "numeri in gioco"},
        {"fixed number twice", fixed2, inPlay7, {8, 8}, "diversi"},
        {"fixed numbers without fixed positions", notThroughFixed, inPlay7, {8, 15}, "fissi"},
        {"too many columns", tooMany, inPlay7, {}, "troppe colonne: 200.001\n"},
    };
    for (const auto& c : cases) {
        const auto adapted = adaptMatrix(c.matrix, c.inPlay, c.fixed, messages);
        ASSERT_FALSE(adapted.ok()) << c.name;
        EXPECT_NE(adapted.error().message.find(c.containing), std::string::npos)
            << c.name << ": " << adapted.error().message;
    }
}

TEST(MatrixAdaptation, ColumnLimitIsCheckedOnTheHeader) {
    MatrixHeader h;
    h.columnCount = MaxColumns;
    EXPECT_TRUE(checkMatrixColumnLimit(h, MatrixMessages{}).ok());
    h.columnCount = 250000;
    const auto refused = checkMatrixColumnLimit(h, MatrixMessages{});
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, "Questa matrice ha troppe colonne: 250.000\n"
                                       "un sistema ne pu\u00f2 contenere al massimo 200.000.");
}

TEST(MatrixAdaptation, FixedNumberQuestionsAndAnswers) {
    const MatrixMessages messages;
    EXPECT_EQ(fixedNumberQuestion(2, messages),
              "Numero fisso n. 2 da scegliere tra i numeri in gioco ?");
    const std::vector<std::uint8_t> chosen{8};
    EXPECT_EQ(parseFixedNumberAnswer(" 15 ", inPlay7, chosen).value(), 15);
    for (const char* bad : {"", "x", "9", "8", "150", "-3", "1 5"}) {
        EXPECT_FALSE(parseFixedNumberAnswer(bad, inPlay7, chosen).ok()) << bad;
    }
    EXPECT_EQ(fixedNumbersChosenText(std::vector<std::uint8_t>{3, 41}, messages),
              "Numeri fissi scelti: 03 41");
}
