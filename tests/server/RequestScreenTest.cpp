#include "server/RequestScreen.h"

#include <gtest/gtest.h>
#include <string>

namespace quintora {
namespace {

const std::string Line = "GET /public/quintora/ver.asp HTTP/1.1\r\n";

struct ScreenCase {
    const char* name;
    std::string received;
    std::string refusal;
    std::string head; // what the library reads when the request goes on
};

TEST(RequestScreen, HandsOnTheRequestLineAndTheCheckedRangeAlone) {
    const std::string longField = "X-Long: " + std::string(15000, 'l') + "\r\n";
    const ScreenCase cases[] = {
        {"plain", Line + "Host: a\r\n\r\n", "", Line + "\r\n"},
        {"bare line ends", "GET / HTTP/1.1\nHost: a\n\n", "", "GET / HTTP/1.1\r\n\r\n"},
        {"a field longer than the library takes", Line + longField + "\r\n", "", Line + "\r\n"},
        {"bytes after the head", Line + "\r\nEXTRA", "", Line + "\r\n"},
        {"a zero length is no body", Line + "Content-Length: 0\r\ncontent-length: 00\r\n\r\n", "",
         Line + "\r\n"},
        {"one range, written back plainly", Line + "rAnGe:  bytes=007-9 \r\n\r\n", "",
         Line + "Range: bytes=7-9\r\n\r\n"},
        {"a value may hold colons", Line + "Referer: http://a:1/\r\n\r\n", "", Line + "\r\n"},
    };
    for (const auto& c : cases) {
        const auto screened = screenRequest(c.received);
        EXPECT_EQ(screened.refusal, c.refusal) << c.name;
        EXPECT_EQ(screened.head, c.head) << c.name;
    }
}

TEST(RequestScreen, RefusesBodiesRangesItDoesNotServeAndBrokenFields) {
    const ScreenCase cases[] = {
        {"a length", Line + "Content-Length: 5\r\n\r\n", "413 Payload Too Large", ""},
        {"a length that is no number", Line + "Content-Length: abc\r\n\r\n",
         "413 Payload Too Large", ""},
        {"an empty length", Line + "Content-Length:\r\n\r\n", "413 Payload Too Large", ""},
        {"chunks", Line + "transfer-encoding: chunked\r\n\r\n", "413 Payload Too Large", ""},
        {"a body before a bad range", Line + "Range: x\r\nContent-Length: 9\r\n\r\n",
         "413 Payload Too Large", ""},
        {"two ranges in one field", Line + "Range: bytes=0-1,3-4\r\n\r\n",
         "416 Range Not Satisfiable", ""},
        {"overlapping ranges", Line + "Range: bytes=0-9,5-20\r\n\r\n", "416 Range Not Satisfiable",
         ""},
        {"two range fields", Line + "Range: bytes=0-1\r\nRange: bytes=0-1\r\n\r\n",
         "416 Range Not Satisfiable", ""},
        {"another unit", Line + "Range: items=0-1\r\n\r\n", "416 Range Not Satisfiable", ""},
        {"a folded line", Line + "Range: bytes=0-1\r\n ,2-3\r\n\r\n", "400 Bad Request", ""},
        {"a line without a colon", Line + "Range bytes=0-1\r\n\r\n", "400 Bad Request", ""},
        {"a blank in the name", Line + "Range : bytes=0-1\r\n\r\n", "400 Bad Request", ""},
        {"an empty name", Line + ": x\r\n\r\n", "400 Bad Request", ""},
        {"no request line", "\r\n", "400 Bad Request", ""},
        {"no end of the head", Line + "Host: a\r\n", "400 Bad Request", ""},
        {"nothing", "", "400 Bad Request", ""},
    };
    for (const auto& c : cases) {
        const auto screened = screenRequest(c.received);
        EXPECT_EQ(screened.refusal, c.refusal) << c.name;
        EXPECT_EQ(screened.head, c.head) << c.name;
    }
}

} // namespace
} // namespace quintora
