// The matrices that come with the program: every listed one installs, reads back whole and
// keeps the guarantee its header states.
#include "matrix/MatrixList.h"
#include "matrix/MatrixSamples.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(ShippedMatrices, EveryListedMatrixKeepsItsGuarantee) {
    const std::string shipped = QUINTORA_SHIPPED_MATRICES;
    MatrixFolder target;
    const auto result = installShippedMatrices({shipped}, target.path());
    EXPECT_TRUE(result.problems.empty()) << result.problems.front();
    ASSERT_GE(result.installed.size(), 12u);
    for (const auto& name : result.installed) {
        const auto read = readMatrixFile(target.file(name));
        ASSERT_TRUE(read.ok()) << name << ": " << read.error().message;
        const auto& m = read.value();
        std::vector<WheelColumn> columns;
        for (int c = 1; c <= m.header.columnCount; ++c) {
            WheelColumn column{};
            for (int k = 1; k <= 5; ++k) {
                column[static_cast<std::size_t>(k - 1)] = m.position(k, c);
            }
            columns.push_back(column);
        }
        const WheelShape shape{m.header.v, m.header.t, m.header.m, m.header.f};
        EXPECT_EQ(drawsWithoutGuarantee(shape, columns), 0u) << name;
        EXPECT_EQ(dateFromOle(m.header.validFrom), (CalendarDate{2025, 1, 1})) << name;
    }
}
