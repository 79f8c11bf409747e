#include "server/RequestHead.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quintora {
namespace {

using State = RequestHead::State;

struct HeadCase {
    const char* name;
    std::vector<std::string> pieces; // as they arrive
    State expected;
};

TEST(RequestHead, EndsAtTheFirstEmptyLineWithinItsLimits) {
    // Limits of 64 bytes and 3 lines keep the cases short.
    const std::string line = "GET / HTTP/1.1\r\n"; // 16 bytes
    const HeadCase cases[] = {
        {"whole", {line + "Host: a\r\n\r\n"}, State::Complete},
        {"bare line ends", {"GET / HTTP/1.1\nHost: a\n\n"}, State::Complete},
        {"one byte at a time", {"G", "E", "T", " /\r", "\n", "\r", "\n"}, State::Complete},
        {"empty line split after its return", {line + "\r", "\n"}, State::Complete},
        {"no empty line yet", {line + "Host: a\r\n"}, State::Incomplete},
        {"a return alone ends nothing", {line + "\r\r\r"}, State::Incomplete},
        {"three lines are allowed", {line + "A: 1\r\nB: 2\r\n\r\n"}, State::Complete},
        {"a fourth line is too many", {line + "A: 1\r\nB: 2\r\n", "C: 3\r\n"}, State::TooLarge},
        {"exactly the byte limit", {line + std::string(44, 'x') + "\r\n\r\n"}, State::Complete},
        {"one byte over, complete", {line + std::string(45, 'x') + "\r\n\r\n"}, State::TooLarge},
        {"one byte over, no line end", {std::string(65, 'x')}, State::TooLarge},
        {"over the limit in pieces", {std::string(40, 'x'), std::string(40, 'x')}, State::TooLarge},
    };
    for (const auto& c : cases) {
        RequestHead head(64, 3);
        for (const auto& piece : c.pieces) {
            head.add(piece);
        }
        EXPECT_EQ(head.state(), c.expected) << c.name;
    }
}

TEST(RequestHead, KeepsBytesAfterTheHeadAndIgnoresMoreOnceDecided) {
    RequestHead head(64, 3);
    EXPECT_EQ(head.add("GET / HTTP/1.1\r\n\r\nBODY"), State::Complete);
    EXPECT_EQ(head.add(std::string(100, '\n')), State::Complete);
    EXPECT_EQ(head.received(), "GET / HTTP/1.1\r\n\r\nBODY");

    RequestHead large(64, 3);
    EXPECT_EQ(large.add(std::string(65, 'x')), State::TooLarge);
    EXPECT_EQ(large.add("\r\n\r\n"), State::TooLarge);
}

} // namespace
} // namespace quintora
