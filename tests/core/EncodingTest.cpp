#include "core/Encoding.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(Encoding, Windows1252RoundTrip) {
    const std::string utf8 = "Perch\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x9Cok\xE2\x80\x9D";
    const std::string ansi = windows1252FromUtf8(utf8);
    EXPECT_EQ(ansi, "Perch\xE9 \x80 5 \x93ok\x94");
    EXPECT_EQ(utf8FromWindows1252(ansi), utf8);
}

TEST(Encoding, UnmappableAndBrokenInputBecomeQuestionMarks) {
    EXPECT_EQ(windows1252FromUtf8("\xE4\xB8\xAD"), "?"); // a CJK character
    EXPECT_EQ(windows1252FromUtf8("a\x80z"), "a?z");     // stray continuation byte
    EXPECT_EQ(windows1252FromUtf8("a\xC3"), "a?");       // cut sequence
    EXPECT_EQ(windows1252FromUtf8("\xC2\x80"), "?");     // U+0080: the byte 80 is the euro
}

TEST(Encoding, EveryByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(byte)), byte) << "byte " << b;
    }
    // The five bytes the code page leaves undefined stand for the control characters.
    EXPECT_EQ(utf8FromWindows1252("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}
