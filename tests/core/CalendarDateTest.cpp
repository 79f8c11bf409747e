// The one date type and its parser: every date the program reads goes through them.
#include "core/CalendarDate.h"

#include <gtest/gtest.h>

using namespace quintora;

TEST(CalendarDate, ParsesOnlyDaysThatExist) {
    const struct {
        const char* text;
        std::optional<CalendarDate> day;
    } cases[] = {
        {"29/02/2024", CalendarDate{2024, 2, 29}}, // leap year
        {"29/02/2000", CalendarDate{2000, 2, 29}}, // a century divisible by 400
        {"29/02/2013", std::nullopt},              // common year
        {"29/02/1900", std::nullopt},              // a century that is not
        {"31/04/2012", std::nullopt},              // April has 30 days
        {"30/04/2012", CalendarDate{2012, 4, 30}},
        {"31/12/2026", CalendarDate{2026, 12, 31}},
        {"00/01/2013", std::nullopt},
        {"01/00/2013", std::nullopt},
        {"01/13/2013", std::nullopt},
        {"32/01/2013", std::nullopt},
        {"23/03/2012", CalendarDate{2012, 3, 23}}, // the first draw
        {"21/07/2026", CalendarDate{2026, 7, 21}},
        {"1/2/2025", CalendarDate{2025, 2, 1}},
        {"01/02/0099", std::nullopt},
        // Anything but DD/MM/YYYY.
        {"1/2/25", std::nullopt},
        {"001/02/2025", std::nullopt},
        {"01/02/2025/", std::nullopt},
        {"01-02-2025", std::nullopt},
        {" 01/02/2025", std::nullopt},
        {"01/02/2025 ", std::nullopt},
        {"+1/02/2025", std::nullopt},
        {"01/02/2025 12:00", std::nullopt},
        {"30/0\n/2012", std::nullopt},
        {"", std::nullopt},
        {"aa/bb/cccc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseDate(c.text), c.day) << c.text;
    }
}

TEST(CalendarDate, FormatsTenCharactersThatReadBack) {
    for (const CalendarDate d : {CalendarDate{2025, 3, 7}, CalendarDate{2012, 3, 23},
                                 CalendarDate{2024, 2, 29}, CalendarDate{9999, 12, 31}}) {
        const std::string text = formatDate(d);
        EXPECT_EQ(text.size(), 10u) << text;
        EXPECT_EQ(parseDate(text), d) << text;
    }
    EXPECT_EQ(formatDate({2025, 3, 7}), "07/03/2025");
}

TEST(CalendarDate, OrderedByYearThenMonthThenDay) {
    EXPECT_LT((CalendarDate{2014, 10, 9}), (CalendarDate{2014, 10, 10}));
    EXPECT_LT((CalendarDate{2013, 12, 31}), (CalendarDate{2014, 1, 1}));
    EXPECT_LT((CalendarDate{2014, 9, 30}), (CalendarDate{2014, 10, 1}));
}
