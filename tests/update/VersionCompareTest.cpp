#include "update/VersionCompare.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

struct VersionCase {
    const char* local;
    const char* remote;
    VersionVerdict verdict;
};

class VersionCompareTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionCompareTest, ComparesPartByPartOverTheLocalParts) {
    const auto& c = GetParam();
    EXPECT_EQ(compareVersions(c.local, c.remote), c.verdict) << c.local << " vs " << c.remote;
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionCompareTest,
    testing::Values(VersionCase{"1.2.15", "1.2.15", VersionVerdict::Current},
                    VersionCase{"1.2.15", "1.3.0", VersionVerdict::RemoteNewer},
                    VersionCase{"1.3.0", "1.2.99", VersionVerdict::Current},
                    VersionCase{"1.2.15", "1.2.15.7", VersionVerdict::Current},
                    VersionCase{"1.2.15", "1.2", VersionVerdict::NotComparable},
                    VersionCase{"1.2.15", "1.3", VersionVerdict::RemoteNewer},
                    VersionCase{"1.9.0", "1.10.0", VersionVerdict::RemoteNewer},
                    VersionCase{"1.10.0", "1.9.0", VersionVerdict::Current},
                    VersionCase{"1.0.0", "2x.0.0", VersionVerdict::RemoteNewer},
                    VersionCase{"1.0.0", "garbage", VersionVerdict::Current},
                    VersionCase{"0.0.0", "", VersionVerdict::NotComparable},
                    VersionCase{"1.0.0", "1.0.99999999999999999999999",
                                VersionVerdict::RemoteNewer}));

TEST(VersionText, FirstLineKeepsTheTextAsReceived) {
    EXPECT_EQ(firstLine("1.3.0 \r\nsecond"), "1.3.0 ");
    EXPECT_EQ(firstLine("1.3.0"), "1.3.0");
    EXPECT_EQ(firstLine(""), "");
    EXPECT_EQ(localVersionText(), QUINTORA_VERSION);
}

} // namespace
} // namespace quintora
