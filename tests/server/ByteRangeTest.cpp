#include "server/ByteRange.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quintora {
namespace {

using Slice = std::pair<std::uint64_t, std::uint64_t>; // offset, length

struct RangeCase {
    const char* value;
    std::uint64_t size;
    std::optional<Slice> expected; // none: refused or covering no byte (416)
};

TEST(ByteRange, OneRangeIsServedCutToTheFile) {
    const RangeCase cases[] = {
        {"bytes=0-9", 100, Slice{0, 10}},
        {"bytes=90-", 100, Slice{90, 10}},
        {"bytes=-5", 100, Slice{95, 5}},
        {"bytes=-500", 100, Slice{0, 100}},
        {"bytes=50-1000", 100, Slice{50, 50}},
        {"bytes=99-99", 100, Slice{99, 1}},
        {"  BYTES=1-2 ", 100, Slice{1, 2}},
        {"bytes= 1-2", 100, Slice{1, 2}},
        {"bytes=0-999999999999999999", 100, Slice{0, 100}},
        // Nothing of the file: 416 with its size.
        {"bytes=100-", 100, std::nullopt},
        {"bytes=100-200", 100, std::nullopt},
        {"bytes=-0", 100, std::nullopt},
        {"bytes=0-", 0, std::nullopt},
        {"bytes=-5", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto range = ByteRange::parse(c.value);
        ASSERT_TRUE(range) << c.value;
        const auto slice = range->within(c.size);
        EXPECT_EQ(slice ? std::optional(Slice{slice->offset, slice->length}) : std::nullopt,
                  c.expected)
            << c.value << " of " << c.size;
    }
}

TEST(ByteRange, MoreThanOneRangeOrAMalformedOneIsRefused) {
    std::string many = "bytes=0-33404";
    for (int i = 0; i < 900; ++i) {
        many += ",0-33404";
    }
    const std::string values[] = {many,
                                  "bytes=0-9,5-20",
                                  "bytes=0-1,4-5",
                                  "bytes=0-1,",
                                  "bytes=,0-1",
                                  "bytes=5-2",
                                  "bytes=0-9999999999999999999",
                                  "bytes=-",
                                  "bytes=-1-2",
                                  "bytes=a-b",
                                  "bytes=0x1-2",
                                  "bytes=+1-2",
                                  "items=0-1",
                                  "bytes",
                                  "bytes 0-1",
                                  "",
                                  "bytes=1",
                                  "bytes=1 - 2"};
    for (const auto& value : values) {
        EXPECT_FALSE(ByteRange::parse(value)) << value.substr(0, 40);
    }
}

TEST(ByteRange, IsWrittenBackInTheFormItWasAskedFor) {
    for (const auto& [asked, written] : {std::pair{"bytes=3-7", "bytes=3-7"},
                                         {" Bytes=3- ", "bytes=3-"},
                                         {"bytes=-12", "bytes=-12"},
                                         {"bytes=007-010", "bytes=7-10"}}) {
        const auto range = ByteRange::parse(asked);
        ASSERT_TRUE(range) << asked;
        EXPECT_EQ(range->text(), written);
    }
}

} // namespace
} // namespace quintora
