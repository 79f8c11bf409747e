#include "core/ElapsedTime.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(ElapsedTime, Formats) {
    struct Case {
        std::int64_t seconds;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {12, "D HH:MM:SS", "0 Days 00:00:12"},
        {3660, "D HH:MM:SS", "0 Days 01:01:00"}, // no minute lost to floating point
        {59, "D HH:MM:SS", "0 Days 00:00:59"},
        {86400, "D HH:MM:SS", "1 Day 00:00:00"},
        {2 * 86400 + 3723, "D HH:MM:SS", "2 Days 01:02:03"},
        {-5, "D HH:MM:SS", "0 Days 00:00:00"},
        {90061, "D H", "1 Day 1 Hour"},
        {90061 + 3600 + 60, "D H M", "1 Day 2 Hours 2 Minutes"},
        {90061, "D H M S", "1 Day 1 Hour 1 Minute 1 Second"},
        {90061, "D H:MM", "1 Day 1:01"},
        {90061, "D HH:MM", "1 Day 01:01"},
        {90061, "H M", "25 Hours 1 Minute"},
        {90061, "H:MM", "25:01"},
        {3725, "H:MM:SS", "1:02:05"},
        {3725, "M S", "62 Minutes 5 Seconds"},
        {3725, "M:SS", "62:05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(elapsedTimeText(c.seconds, elapsedFormatFromName(c.format)), c.text)
            << c.seconds << " " << c.format;
    }
}
