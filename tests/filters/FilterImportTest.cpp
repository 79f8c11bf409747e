#include "filters/FilterImport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quintora {
namespace {

using Table = std::array<FilterColumn, MaxFilterColumns>;

std::vector<int> membersOf(const FilterColumn& f) {
    return f.memberSet().ascending();
}

struct LineCase {
    const char* text;
    std::vector<int> members;
    int skipped;
};

class FilterLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(FilterLine, ParsesOneFilterColumn) {
    auto table = std::make_unique<Table>();
    const auto result = loadTextToFilters(*table, GetParam().text, 0b11);
    EXPECT_EQ(result.loaded, 1);
    EXPECT_EQ(result.skippedPieces, GetParam().skipped);
    EXPECT_FALSE(result.limitReached);
    EXPECT_EQ(membersOf((*table)[0]), GetParam().members);
    EXPECT_EQ((*table)[0].hits(), (CountSet{0, 1}));
    EXPECT_TRUE((*table)[0].on());
    EXPECT_EQ((*table)[1], FilterColumn{});
}

INSTANTIATE_TEST_SUITE_P(Separators, FilterLine,
                         ::testing::Values(LineCase{"1-2-3", {1, 2, 3}, 0},
                                           LineCase{"1;2.3", {1, 2, 3}, 0},
                                           LineCase{"1 \t2\t 3\r\n", {1, 2, 3}, 0},
                                           LineCase{"  01, 02,,03 ;\n", {1, 2, 3}, 0},
                                           LineCase{"3 3 2 1", {1, 2, 3}, 0},
                                           LineCase{"1 x 51 0 2 50 999999999", {1, 2, 50}, 4},
                                           LineCase{"1 +2 3e1 4", {1, 4}, 2},
                                           LineCase{"---", {}, 0}, LineCase{"abc", {}, 1},
                                           LineCase{"\xEF\xBB\xBF"
                                                    "1 2 3",
                                                    {1, 2, 3},
                                                    0}));

TEST(FilterImport, EmptyLinesDoNotCountAndEveryLineEndIsALineEnd) {
    auto table = std::make_unique<Table>();
    const auto result = loadTextToFilters(*table, "1 2\r\n\r\n \t \n3 4\r5 6\n\n", 1);
    EXPECT_EQ(result.loaded, 3);
    EXPECT_EQ(membersOf((*table)[0]), (std::vector<int>{1, 2}));
    EXPECT_EQ(membersOf((*table)[1]), (std::vector<int>{3, 4}));
    EXPECT_EQ(membersOf((*table)[2]), (std::vector<int>{5, 6}));
    EXPECT_EQ((*table)[3], FilterColumn{});
}

TEST(FilterImport, ReplacesEveryPreviousFilterColumn) {
    auto table = std::make_unique<Table>();
    for (auto& f : *table) {
        f.setMembers(NumberSet::all());
        f.setHits(CountSet::fromBits(63));
        f.setOn(true);
    }
    const auto result = loadTextToFilters(*table, "7 8 9\n", 0);
    EXPECT_EQ(result.loaded, 1);
    EXPECT_EQ(membersOf((*table)[0]), (std::vector<int>{7, 8, 9}));
    EXPECT_TRUE((*table)[0].hits().empty());
    EXPECT_TRUE((*table)[0].on());
    for (std::size_t i = 1; i < table->size(); ++i) {
        ASSERT_EQ((*table)[i], FilterColumn{}) << "slot " << i;
    }
}

TEST(FilterImport, LoadsAtMostTheTableAndReportsTheLimit) {
    std::string text;
    for (int i = 0; i < 1200; ++i) {
        text += std::to_string(i % 50 + 1) + "\n";
    }
    auto table = std::make_unique<Table>();
    const auto result = loadTextToFilters(*table, text, 1);
    EXPECT_EQ(result.loaded, 1000);
    EXPECT_TRUE(result.limitReached);
    EXPECT_EQ(membersOf((*table)[999]), (std::vector<int>{999 % 50 + 1}));

    text.clear();
    for (int i = 0; i < 999; ++i) {
        text += "1 2\n";
    }
    EXPECT_FALSE(loadTextToFilters(*table, text, 1).limitReached);
}

TEST(FilterImport, UnreadableFileLeavesTheTableUntouched) {
    auto table = std::make_unique<Table>();
    (*table)[0].setMembers({5});
    (*table)[0].setOn(true);
    const Table before = *table;
    const auto result = loadFileToFilters(*table, "/nonexistent/filtri.txt", 1);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(*table, before);
}

TEST(FilterImport, ReadsAFile) {
    const auto file =
        std::filesystem::temp_directory_path() /
        ("filtri-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
    {
        std::ofstream out(file, std::ios::binary);
        out << "1-2-3\r\n\r\n10;20\r\n";
    }
    auto table = std::make_unique<Table>();
    const auto result = loadFileToFilters(*table, file.string(), 0b101);
    std::filesystem::remove(file);
    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result.value().loaded, 2);
    EXPECT_EQ(membersOf((*table)[1]), (std::vector<int>{10, 20}));
    EXPECT_EQ((*table)[1].hits(), (CountSet{0, 2}));
}

TEST(FilterImport, AcceptedHitsFromAList) {
    EXPECT_EQ(parseAcceptedHits("0,1,2").value(), 0b111);
    EXPECT_EQ(parseAcceptedHits("5, 3").value(), 0b101000);
    EXPECT_EQ(parseAcceptedHits("").value(), 0);
    EXPECT_FALSE(parseAcceptedHits("6").ok());
    EXPECT_FALSE(parseAcceptedHits("1,,2").ok());
    EXPECT_FALSE(parseAcceptedHits("a").ok());
    EXPECT_FALSE(parseAcceptedHits("-1").ok());
}

} // namespace
} // namespace quintora
