// The wheel maker: every wheel it makes keeps its guarantee, checked here draw by draw.
#include "matrix/WheelMaker.h"

#include "matrix/MatrixFile.h"
#include "matrix/MatrixSamples.h"
#include "settings/LanguageFile.h"
#include "settings/TextTable.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

WheelOptions quick(std::uint64_t steps = 20000, std::uint64_t seed = 1) {
    WheelOptions o;
    o.seconds = 0;
    o.steps = steps;
    o.seed = seed;
    return o;
}

} // namespace

TEST(WheelMaker, EveryWheelKeepsItsGuarantee) {
    const WheelShape shapes[] = {{7, 3, 3, 0},  {8, 2, 2, 0},  {9, 3, 4, 0},  {10, 3, 3, 0},
                                 {10, 4, 4, 0}, {11, 3, 5, 0}, {12, 4, 5, 0}, {12, 2, 3, 0},
                                 {9, 5, 5, 0},  {10, 3, 4, 1}, {11, 4, 4, 2}, {9, 1, 1, 0},
                                 {13, 2, 5, 1}, {8, 5, 5, 4}};
    for (const auto& shape : shapes) {
        const auto wheel = makeWheel(shape, quick());
        ASSERT_TRUE(wheel.ok()) << wheel.error().message;
        const auto& columns = wheel.value().columns;
        ASSERT_FALSE(columns.empty());
        EXPECT_EQ(drawsWithoutGuarantee(shape, columns), 0u)
            << shape.v << " " << shape.t << " " << shape.m << " " << shape.f;
        EXPECT_GE(columns.size(), wheelLowerBound(shape));
        for (const auto& column : columns) {
            EXPECT_TRUE(std::is_sorted(column.begin(), column.end()));
            EXPECT_EQ(std::adjacent_find(column.begin(), column.end()), column.end());
            EXPECT_GE(column.front(), 1);
            EXPECT_LE(column.back(), shape.v);
            for (int p = 1; p <= shape.f; ++p) {
                EXPECT_EQ(column[static_cast<std::size_t>(p - 1)], p);
            }
        }
    }
}

TEST(WheelMaker, ReachesKnownOptimaOfSmallCoverings) {
    // C(7,5,3) = 5 and C(11,5,4) = 66 (the Steiner system S(4,5,11)); C(9,5,5) takes every
    // 5-set. The search ends as soon as it meets the lower bound.
    struct Case {
        WheelShape shape;
        std::size_t size;
    };
    for (const auto& c :
         {Case{{7, 3, 3, 0}, 5}, Case{{11, 4, 4, 0}, 66}, Case{{9, 5, 5, 0}, 126}}) {
        const auto wheel = makeWheel(c.shape, quick(2000000));
        ASSERT_TRUE(wheel.ok());
        EXPECT_EQ(wheel.value().columns.size(), c.size) << c.shape.v;
    }
}

TEST(WheelMaker, AStepBudgetRepeatsForASeed) {
    // Constructions and search alike: a covering and a lotto design.
    for (const auto& shape : {WheelShape{12, 3, 3, 0}, WheelShape{11, 3, 5, 0}}) {
        const auto a = makeWheel(shape, quick(30000, 5));
        const auto b = makeWheel(shape, quick(30000, 5));
        ASSERT_TRUE(a.ok() && b.ok());
        EXPECT_EQ(a.value().columns, b.value().columns) << shape.v;
        EXPECT_EQ(a.value().steps, b.value().steps) << shape.v;
        EXPECT_EQ(a.value().construction, b.value().construction) << shape.v;
    }
}

TEST(WheelMaker, StopsWhenAskedAndStillKeepsTheGuarantee) {
    std::atomic<bool> stop{true};
    WheelOptions o = quick(0);
    o.seconds = 60;
    o.stop = &stop;
    const WheelShape shape{14, 3, 3, 0};
    const auto wheel = makeWheel(shape, o);
    ASSERT_TRUE(wheel.ok());
    EXPECT_TRUE(wheel.value().stopped);
    EXPECT_EQ(drawsWithoutGuarantee(shape, wheel.value().columns), 0u);
}

TEST(WheelMaker, WrongShapesAreRefused) {
    for (const auto& shape :
         {WheelShape{4, 2, 2, 0}, WheelShape{51, 2, 2, 0}, WheelShape{10, 0, 2, 0},
          WheelShape{10, 3, 2, 0}, WheelShape{10, 3, 6, 0}, WheelShape{10, 3, 3, 3},
          WheelShape{10, 3, 3, -1}, WheelShape{10, 5, 5, 5}}) {
        EXPECT_TRUE(wheelShapeError(shape).has_value())
            << shape.v << " " << shape.t << " " << shape.f;
        EXPECT_FALSE(makeWheel(shape, quick()).ok());
    }
    // 2,118,760 columns: far beyond what a system holds.
    const auto huge = makeWheel({50, 5, 5, 0}, quick());
    ASSERT_FALSE(huge.ok());
    EXPECT_NE(huge.error().message.find("200.000"), std::string::npos);
}

TEST(WheelMaker, LowerBounds) {
    EXPECT_EQ(schonheimBound(7, 5, 3), 5u);
    EXPECT_EQ(schonheimBound(17, 5, 3), 68u);
    EXPECT_EQ(schonheimBound(11, 5, 4), 66u);
    EXPECT_EQ(schonheimBound(21, 5, 2), 21u);
    EXPECT_EQ(schonheimBound(12, 5, 5), 792u);
    // 20 positions, 3 hits if 5 drawn: 15,504 draws, a column reaches 1,126 of them.
    EXPECT_EQ(countingBound({20, 3, 5, 0}), 14u);
    EXPECT_EQ(wheelLowerBound({20, 3, 5, 0}), 14u);
    // With one fixed position the rest is a (9, 4, 2) covering.
    EXPECT_EQ(wheelLowerBound({10, 3, 3, 1}), schonheimBound(9, 4, 2));
}

TEST(WheelMaker, MatrixRecordOfAWheel) {
    const WheelShape shape{10, 3, 4, 1};
    const auto wheel = makeWheel(shape, quick());
    ASSERT_TRUE(wheel.ok());
    WheelLabels labels;
    labels.validFrom = {2025, 1, 1};
    const Matrix m = wheelMatrix(shape, wheel.value(), labels);
    EXPECT_EQ(m.header.description, "10 numeri, garanzia 3 se 4, 1 fisso");
    EXPECT_EQ(m.header.author, "Quintora");
    const auto read = decodeMatrixFile(encodeMatrixFile(m));
    ASSERT_TRUE(read.ok()) << read.error().message;
    const auto& h = read.value().header;
    EXPECT_EQ(h.v, 10);
    EXPECT_EQ(h.k, 5);
    EXPECT_EQ(h.t, 3);
    EXPECT_EQ(h.m, 4);
    EXPECT_EQ(h.f, 1);
    EXPECT_EQ(static_cast<std::size_t>(h.columnCount), wheel.value().columns.size());
    EXPECT_EQ(dateFromOle(h.validTo), (CalendarDate{9999, 12, 31}));
    for (int c = 1; c <= h.columnCount; ++c) {
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(read.value().position(k, c), wheel.value().columns[static_cast<std::size_t>(
                                                       c - 1)][static_cast<std::size_t>(k - 1)]);
        }
    }
}

// A description that is the default for the matrix' own numbers is said again from those numbers
// in the language in use; any other is the author's text, shown as written.
TEST(WheelMaker, DefaultDescriptionsSpeakTheLanguageInUse) {
    const std::string shippedDir = QUINTORA_SHIPPED_MATRICES;
    const TextTable english(
        LanguageFile::load(shippedDir.substr(0, shippedDir.rfind("/server/")) + "/english.lng"),
        ',');
    struct Case {
        MatrixHeader header;
        std::string english;
    };
    const auto header = [](int v, int t, int m, int f, std::string description) {
        MatrixHeader h;
        h.v = static_cast<std::uint8_t>(v);
        h.t = static_cast<std::uint8_t>(t);
        h.m = static_cast<std::uint8_t>(m);
        h.f = static_cast<std::uint8_t>(f);
        h.description = std::move(description);
        return h;
    };
    const Case cases[] = {
        {header(7, 3, 3, 0, "7 numeri, garanzia 3 se 3"), "7 numbers, guarantee 3 if 3"},
        {header(10, 3, 3, 1, "10 numeri, garanzia 3 se 3, 1 fisso"),
         "10 numbers, guarantee 3 if 3, 1 fixed"},
        {header(12, 4, 4, 2, "12 numeri, garanzia 4 se 4, 2 fissi"),
         "12 numbers, guarantee 4 if 4, 2 fixed"},
        // Not the default of its own numbers: the author's words.
        {header(8, 3, 3, 0, "7 numeri, garanzia 3 se 3"), "7 numeri, garanzia 3 se 3"},
        {header(8, 2, 2, 0, "Matrice di prova"), "Matrice di prova"},
    };
    for (const Case& c : cases) {
        const Message described = matrixDescription(c.header);
        EXPECT_EQ(ownLanguageText(described), c.header.description) << c.header.description;
        EXPECT_EQ(english.text(described), c.english) << c.header.description;
    }
    EXPECT_EQ(defaultWheelDescription({7, 3, 3, 0}), "7 numeri, garanzia 3 se 3");
}

TEST(WheelMaker, TheRecountAgreesWithTheDrawByDrawCheck) {
    for (const auto& shape : {WheelShape{10, 3, 3, 0}, WheelShape{11, 3, 5, 0}}) {
        auto columns = makeWheel(shape, quick()).value().columns;
        const auto masks = [&] {
            std::vector<std::uint64_t> out;
            for (const auto& column : columns) {
                std::uint64_t mask = 0;
                for (const auto p : column) {
                    mask |= std::uint64_t{1} << (p - 1);
                }
                out.push_back(mask);
            }
            return out;
        };
        const CoveringProblem problem{shape.v, 5, shape.t, shape.m};
        EXPECT_EQ(uncoveredDraws(problem, masks()), 0u);
        columns.erase(columns.begin() + 1, columns.begin() + 3);
        const auto missing = drawsWithoutGuarantee(shape, columns);
        EXPECT_GT(missing, 0u);
        EXPECT_EQ(uncoveredDraws(problem, masks()), missing);
    }
    EXPECT_EQ(uncoveredDraws({10, 5, 6, 6}, {}), UINT64_MAX);
}
