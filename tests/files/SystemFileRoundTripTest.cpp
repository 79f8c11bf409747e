// Hand-made system files holding what the program does not write itself: each opens and saves
// to the very same bytes, and an edit still saves what the edit means.
#include "files/SystemFile.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quintora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes i32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}
Bytes i16(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8)};
}
Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

// Six numbers, two Euro numbers, type "Integrale", sum, even/odd and a fixed number, and two
// columns; the conditions section is added by each case.
SystemState baseSystem() {
    SystemState s;
    s.header.setNumbers({3, 7, 12, 20, 33, 41});
    s.header.setEuros({2, 9});
    s.header.systemType = "Integrale";
    auto& c = s.conditions;
    c.setSumOn(true);
    c.sumFrom = 100;
    c.sumTo = 150;
    c.setEvenOddOn(true);
    c.setEvenCounts({2, 3});
    c.setFixedOn(true);
    c.setFixed({7});
    s.columns = {Column{3, 7, 12, 20, 33}, Column{3, 7, 12, 20, 41}};
    return s;
}

// Offsets in the head of baseSystem's file (the type is 9 bytes long).
constexpr std::size_t Numbers = 28, Euros = 78, EvenOdd = 88, Sum = 90, EvenCounts = 94,
                      FixedMarks = 110, FixedCount = 160, Reduced = 161;

Bytes head() {
    return encodeSystemFile(baseSystem());
}
Bytes distance(std::uint8_t d, std::int16_t flag) {
    return cat({i32(8), {d}, i16(flag)});
}
Bytes filter(std::int32_t type, std::uint8_t mark, std::int32_t hits, std::int16_t flag) {
    Bytes members(50, 0);
    members[0] = members[4] = mark; // numbers 1 and 5
    return cat({i32(type), members, i32(hits), i16(flag)});
}
Bytes consecutive(std::int32_t runs, std::int16_t flag) {
    return cat({i32(2), i32(runs), i16(flag)});
}
Bytes end() {
    return cat({i32(100), i32(200)});
}
// The section as the program writes it: distance 2, one filter column, runs of 2.
Bytes ownSection() {
    return cat(
        {i32(12345), distance(2, -1), filter(1, 1, 0b11, -1), consecutive(0b100, -1), end()});
}
Bytes withHead(std::size_t at, Bytes patch) {
    Bytes b = cat({head(), ownSection()});
    std::copy(patch.begin(), patch.end(), b.begin() + static_cast<long>(at));
    return b;
}

struct Case {
    const char* name;
    Bytes file;
};

std::vector<Case> handMadeFiles() {
    Bytes swapped = withHead(0, {});
    std::swap(swapped[Numbers], swapped[Numbers + 1]);
    Bytes oddType = cat({head(), ownSection()});
    oddType[19] = 0x81; // a byte Windows-1252 leaves undefined
    return {
        {"as the program writes it", cat({head(), ownSection()})},
        {"no conditions section", head()},
        {"a flag stored as 1", withHead(Sum, {1, 0})},
        {"a flag stored as 0x8000", withHead(EvenOdd, {0, 0x80})},
        {"an even-count flag stored as 1", withHead(EvenCounts + 4, {1, 0})},
        {"a switched-off flag's spare value", withHead(Reduced, {0xFE, 0xFF})},
        {"stale entries behind the count of numbers", withHead(Numbers + 6, {44, 45})},
        {"numbers in play out of order", swapped},
        {"a stale Euro entry", withHead(Euros + 2, {5})},
        {"a fixed mark that is not 1", withHead(FixedMarks + 20, {2})},
        {"a count of fixed numbers the marks deny", withHead(FixedCount, {9})},
        {"a system type with an undefined byte", oddType},
        {"consecutive runs with bit 0 set",
         cat({head(), i32(12345), consecutive(0b101, -1), end()})},
        {"consecutive runs beyond 5", cat({head(), i32(12345), consecutive(0x100004, -1), end()})},
        {"a consecutive flag stored as 1", cat({head(), i32(12345), consecutive(0b100, 1), end()})},
        {"filter hits beyond 5", cat({head(), i32(12345), filter(1, 1, 0x7F000003, -1), end()})},
        {"a filter mark that is not 1", cat({head(), i32(12345), filter(1, 3, 0b11, -1), end()})},
        {"a switched-off filter block",
         cat({head(), i32(12345), filter(1, 1, 0b11, 0), filter(1, 1, 0b10, -1), end()})},
        {"a second list's filter record",
         cat({head(), i32(12345), filter(16, 1, 0b11, -1), distance(2, -1), end()})},
        {"an unknown block", cat({head(), i32(12345), i32(77), distance(2, -1), end()})},
        {"blocks in another order",
         cat({head(), i32(12345), consecutive(0b100, -1), distance(2, -1), end()})},
        {"a block twice", cat({head(), i32(12345), distance(3, -1), distance(2, -1), end()})},
        {"a switched-off distance", cat({head(), i32(12345), distance(4, 0), end()})},
        {"no end values", cat({head(), i32(12345), distance(2, -1)})},
        {"one end value", cat({head(), i32(12345), distance(2, -1), i32(200)})},
        {"bytes after the end values", cat({head(), ownSection(), {'x', 'y', 0}})},
        {"a block cut short", cat({head(), i32(12345), distance(2, -1), i32(2), {1, 0}})},
        {"bytes after the columns that are no section", cat({head(), {0xDE, 0xAD, 0xBE}})},
        {"an empty excluded block", cat({head(), i32(12345), i32(4), i32(0), end()})},
    };
}

// The stored meaning of a state, whatever bytes carried it.
Bytes meaning(const SystemState& s) {
    return encodeSystemFile(s);
}

TEST(SystemFileRoundTrip, AHandMadeFileSavesBackToItsBytes) {
    for (const auto& c : handMadeFiles()) {
        SCOPED_TRACE(c.name);
        auto loaded = decodeSystemFile(c.file);
        ASSERT_TRUE(loaded.ok()) << loaded.error().message;
        EXPECT_EQ(encodeSystemFile(loaded.value().state, loaded.value().kept), c.file);
    }
}

// A kept piece never outlives its meaning: after an edit the file says what the edit made,
// and the pieces the edit did not touch stay as they were.
TEST(SystemFileRoundTrip, AnEditedSystemSavesWhatTheEditMeans) {
    const std::function<void(SystemState&)> edits[] = {
        [](SystemState& s) { s.conditions.sumTo = 160; },
        [](SystemState& s) { s.conditions.setEvenOddOn(!s.conditions.evenOddOn()); },
        [](SystemState& s) {
            s.header.setNumbers({3, 7, 12, 20, 33, 41, 45});
        },
        [](SystemState& s) { s.conditions.setFixed({12}); },
        [](SystemState& s) { s.header.systemType = "Ridotto"; },
        [](SystemState& s) {
            s.minimumDistance.minDistance = 3;
            s.minimumDistance.setOn(true);
        },
        [](SystemState& s) { s.consecutive.setOn(false); },
        [](SystemState& s) {
            s.columns.push_back(Column{7, 12, 20, 33, 41});
        },
    };
    for (const auto& c : handMadeFiles()) {
        SCOPED_TRACE(c.name);
        for (std::size_t e = 0; e < std::size(edits); ++e) {
            SCOPED_TRACE(e);
            auto loaded = decodeSystemFile(c.file);
            ASSERT_TRUE(loaded.ok());
            SystemState edited = loaded.value().state;
            edits[e](edited);
            const Bytes saved = encodeSystemFile(edited, loaded.value().kept);
            auto reread = decodeSystemFile(saved);
            ASSERT_TRUE(reread.ok()) << reread.error().message;
            EXPECT_EQ(meaning(reread.value().state), meaning(edited));
        }
    }
}

TEST(SystemFileRoundTrip, AnEditKeepsThePiecesItDidNotTouch) {
    // The unused bit 0 of the runs stays through an edit of the sum, and goes with an edit of
    // the runs.
    const Bytes file = cat({head(), i32(12345), consecutive(0b101, -1), end()});
    auto loaded = decodeSystemFile(file);
    ASSERT_TRUE(loaded.ok());
    SystemState sum = loaded.value().state;
    sum.conditions.sumTo = 160;
    Bytes expected = file;
    expected[108] = 160; // sumTo
    EXPECT_EQ(encodeSystemFile(sum, loaded.value().kept), expected);

    SystemState runs = loaded.value().state;
    runs.consecutive.setRuns(CountSet{2, 3});
    EXPECT_EQ(encodeSystemFile(runs, loaded.value().kept), meaning(runs));
}

} // namespace
} // namespace quintora
