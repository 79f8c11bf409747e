// The constructions the wheel maker starts from: each is checked here draw by draw, apart from
// the maker's own recount, and the Steiner systems come out at their exact size.
#include "matrix/CoveringConstructions.h"

#include "matrix/MatrixSamples.h"
#include "matrix/WheelMaker.h"

#include <bit>
#include <gtest/gtest.h>

using namespace quintora;

namespace {

std::vector<WheelColumn> columnsOf(const std::vector<std::uint64_t>& blocks) {
    std::vector<WheelColumn> columns;
    for (const auto block : blocks) {
        WheelColumn column{};
        std::size_t at = 0;
        for (auto rest = block; rest != 0 && at < column.size(); rest &= rest - 1) {
            column[at++] = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
        }
        columns.push_back(column);
    }
    return columns;
}

// Every pair of points in exactly one line.
void expectPairsOnce(const std::vector<std::uint64_t>& lines, int points, int perLine) {
    ASSERT_FALSE(lines.empty());
    std::vector<int> seen(static_cast<std::size_t>(points * points), 0);
    for (const auto line : lines) {
        EXPECT_EQ(std::popcount(line), perLine);
        for (int a = 0; a < points; ++a) {
            for (int b = a + 1; b < points; ++b) {
                if ((line >> a & 1) != 0 && (line >> b & 1) != 0) {
                    ++seen[static_cast<std::size_t>(a * points + b)];
                }
            }
        }
    }
    for (int a = 0; a < points; ++a) {
        for (int b = a + 1; b < points; ++b) {
            EXPECT_EQ(seen[static_cast<std::size_t>(a * points + b)], 1) << a << " " << b;
        }
    }
}

} // namespace

TEST(CoveringConstructions, FinitePlanesHoldEveryPairOnce) {
    for (const int q : {2, 3, 4, 5, 7}) {
        SCOPED_TRACE(q);
        expectPairsOnce(projectivePlane(q), q * q + q + 1, q + 1);
        expectPairsOnce(affinePlane(q), q * q, q);
    }
    EXPECT_TRUE(projectivePlane(6).empty());
    EXPECT_TRUE(affinePlane(8).empty()); // 64 numbers: beyond any wheel
}

TEST(CoveringConstructions, EveryConstructionKeepsItsGuarantee) {
    // Planes, orbits under cyclic, affine and projective groups, extensions and reductions:
    // whatever wins for each shape is checked draw by draw, lotto designs too.
    const WheelShape shapes[] = {{21, 2, 2, 0}, {25, 2, 2, 0}, {17, 3, 3, 0}, {11, 4, 4, 0},
                                 {13, 2, 2, 0}, {16, 3, 3, 0}, {18, 3, 3, 0}, {10, 3, 3, 0},
                                 {12, 4, 4, 0}, {9, 2, 2, 0},  {12, 3, 4, 0}, {11, 3, 5, 0}};
    for (const auto& s : shapes) {
        SCOPED_TRACE(testing::Message() << s.v << " " << s.t << " " << s.m);
        const Construction built = bestConstruction({s.v, 5, s.t, s.m}, 1, {0, 20000, nullptr, 0});
        ASSERT_FALSE(built.blocks.empty());
        EXPECT_FALSE(built.name.empty());
        EXPECT_EQ(drawsWithoutGuarantee(s, columnsOf(built.blocks)), 0u);
        EXPECT_GE(built.blocks.size(), wheelLowerBound(s));
    }
}

TEST(CoveringConstructions, SteinerSystemsComeOutAtTheirExactSize) {
    // S(2,5,21), S(2,5,25), S(2,5,41), S(2,5,45), S(3,5,17), S(4,5,11), S(4,5,23): the wheel
    // meets the lower bound straight from a construction, before a single search step.
    struct Case {
        WheelShape shape;
        std::size_t size;
    };
    for (const auto& c : {Case{{21, 2, 2, 0}, 21}, Case{{25, 2, 2, 0}, 30}, Case{{41, 2, 2, 0}, 82},
                          Case{{45, 2, 2, 0}, 99}, Case{{17, 3, 3, 0}, 68}, Case{{11, 4, 4, 0}, 66},
                          Case{{23, 4, 4, 0}, 1771}}) {
        SCOPED_TRACE(c.shape.v);
        WheelOptions options;
        options.seconds = 0;
        options.steps = 1000;
        const auto wheel = makeWheel(c.shape, options);
        ASSERT_TRUE(wheel.ok()) << wheel.error().message;
        EXPECT_EQ(wheel.value().columns.size(), c.size);
        EXPECT_EQ(wheel.value().columns.size(), wheelLowerBound(c.shape));
        EXPECT_FALSE(wheel.value().construction.empty());
        EXPECT_EQ(wheel.value().steps, 0u);
        EXPECT_EQ(drawsWithoutGuarantee(c.shape, wheel.value().columns), 0u);
        EXPECT_EQ(bestKnownWheelSize(c.shape), c.size);
    }
}
