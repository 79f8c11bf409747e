// A system read from a file saves to bytes that read back as the same system: what the
// reader keeps, the writer writes.
#include "files/SystemFile.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

// A system of one column with one filter block per entry of `active`, in that order.
std::vector<std::uint8_t> fileWithFilterBlocks(std::initializer_list<bool> active) {
    SystemState state;
    state.columns = {Column{1, 2, 3, 4, 5}};
    const std::size_t head = encodeSystemFile(state).size();
    for (std::size_t slot = 0; slot < active.size(); ++slot) {
        FilterColumn& f = state.filters[slot];
        f.setMembers({static_cast<int>(slot) + 1});
        f.setHits({0});
        f.setOn(true);
    }
    state.filterCount = static_cast<std::int32_t>(active.size());
    auto bytes = encodeSystemFile(state);
    // Marker, then per block its type (4 bytes), members (50), accepted hits (4), flag (2).
    std::size_t flag = head + 4 + 4 + 50 + 4;
    for (bool on : active) {
        if (!on) {
            bytes[flag] = 0;
            bytes[flag + 1] = 0;
        }
        flag += 60;
    }
    return bytes;
}

TEST(SystemFileReread, SwitchedOffFilterBlocksAreDropped) {
    const auto loaded = decodeSystemFile(fileWithFilterBlocks({true, false, true}));
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    const SystemState& s = loaded.value().state;
    ASSERT_EQ(s.filterCount, 2);
    EXPECT_EQ(s.filters[0].memberSet(), NumberSet{1});
    EXPECT_EQ(s.filters[1].memberSet(), NumberSet{3});
    EXPECT_EQ(s.filters[2], FilterColumn{});
}

// Values the program never writes read the way the development always took them: any
// nonzero flag is on, only a mark of exactly 1 makes a member, hit bits above 5 mean nothing.
TEST(SystemFileReread, OddStoredValuesReadAsTheDevelopmentTakesThem) {
    auto bytes = fileWithFilterBlocks({true});
    const std::size_t members = bytes.size() - 8 - 2 - 4 - 50;
    bytes[members + 1] = 2;         // number 2
    bytes[members + 49] = 255;      // number 50
    bytes[members + 50 + 3] = 0x40; // bit 30 of the accepted hits
    bytes[members + 54] = 1;        // the flag
    bytes[members + 55] = 0;
    const auto loaded = decodeSystemFile(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    const FilterColumn& f = loaded.value().state.filters[0];
    EXPECT_TRUE(f.on());
    EXPECT_EQ(f.memberSet(), NumberSet{1});
    EXPECT_EQ(f.hits(), CountSet{0});
}

// The same for the condition groups of the head (a file without a type: the groups start at
// 79). The stored count of fixed numbers gives way to the marks; saving writes their count.
TEST(SystemFileReread, OddConditionGroupsReadAsTheDevelopmentTakesThem) {
    auto bytes = encodeSystemFile(SystemState{});
    bytes[79] = 1;         // even/odd on
    bytes[83] = 7;         // fixed numbers on
    bytes[85 + 2 * 3] = 5; // three even numbers pass
    bytes[101 + 3] = 1;    // number 4 fixed
    bytes[101 + 6] = 2;    // number 7: not a mark
    bytes[151] = 3;        // the stored count
    const auto loaded = decodeSystemFile(bytes);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    const ConditionSet& c = loaded.value().state.conditions;
    EXPECT_TRUE(c.evenOddOn());
    EXPECT_TRUE(c.fixedOn());
    EXPECT_FALSE(c.sumOn());
    EXPECT_EQ(c.evenCounts(), CountSet{3});
    EXPECT_EQ(c.fixed(), NumberSet{4});
    const auto saved = encodeSystemFile(loaded.value().state);
    EXPECT_EQ(saved[107], 0);
    EXPECT_EQ(saved[151], 1);

    // A consecutive block's bits other than the run lengths 1..5 mean nothing.
    SystemState runs;
    runs.consecutive.setRuns({2});
    runs.consecutive.setOn(true);
    auto block = encodeSystemFile(runs);
    block[163] |= 0x81; // run lengths 0 and 7
    block[166] = 0x40;
    const auto read = decodeSystemFile(block);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value().state.consecutive.runs(), CountSet{2});
}

TEST(SystemFileReread, ASavedSystemReadsBackAsRead) {
    for (const auto& bytes : {fileWithFilterBlocks({false}), fileWithFilterBlocks({true, false}),
                              fileWithFilterBlocks({false, false, true})}) {
        const auto first = decodeSystemFile(bytes);
        ASSERT_TRUE(first.ok()) << first.error().message;
        const auto saved = encodeSystemFile(first.value().state);
        const auto again = decodeSystemFile(saved);
        ASSERT_TRUE(again.ok()) << again.error().message;
        EXPECT_EQ(again.value().state.filterCount, first.value().state.filterCount);
        EXPECT_EQ(encodeSystemFile(again.value().state), saved);
    }
}

} // namespace
} // namespace quintora
