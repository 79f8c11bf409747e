#include "print/SlipRun.h"

#include "core/SystemState.h"
#include "print/CalibrationTestPlan.h"
#include "print/ListingPlan.h"
#include "print/SlipGeometry.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tuple>

namespace quintora {
namespace {

using testing::ElementsAre;

// Twelve columns k, k+1, ..., k+4 for k = 1..12, with the Euro numbers 3 and 7, at 2,50.
SystemState twelveColumns() {
    SystemState s = builders::firstNumbers(16);
    for (std::uint8_t k = 1; k <= 12; ++k) {
        s.columns.push_back(
            Column{k, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                   static_cast<std::uint8_t>(k + 3), static_cast<std::uint8_t>(k + 4)});
    }
    s.pricePerColumn = 250;
    return s;
}

// The marks of a page as (panel, number or euro) is hard to read back; as points it is exact.
std::vector<std::pair<double, double>> markPoints(const PlanPage& page) {
    std::vector<std::pair<double, double>> out;
    for (const auto& m : page.marks()) {
        out.emplace_back(m.x, m.y);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::pair<double, double>> expectedMarks(SlipType type, const SlipLayout& layout,
                                                     int panel, std::vector<int> numbers,
                                                     std::vector<int> euros) {
    std::vector<std::pair<double, double>> out;
    for (const int n : numbers) {
        const PointMm p = cellOrigin(layout, panel, *cellOf(type, n, false));
        out.emplace_back(p.x, p.y);
    }
    for (const int e : euros) {
        const PointMm p = cellOrigin(layout, panel, *cellOf(type, e, true));
        out.emplace_back(p.x, p.y);
    }
    return out;
}

std::vector<std::string> textsOf(const PlanPage& page) {
    std::vector<std::string> out;
    for (const auto& t : page.texts()) {
        out.push_back(t.text);
    }
    return out;
}

struct RangeCase {
    const char* from;
    const char* to;
    int total;
    const char* title; // nullptr: accepted
    const char* message;
    SlipRange range;
};

class SlipRangeCheck : public testing::TestWithParam<RangeCase> {};

TEST_P(SlipRangeCheck, MessagesInTheDialogsOrder) {
    const RangeCase& c = GetParam();
    const auto checked = checkSlipRange(c.from, c.to, c.total);
    if (c.title == nullptr) {
        ASSERT_TRUE(checked) << checked.error().message;
        EXPECT_EQ(checked.value(), c.range);
    } else {
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.error().title, c.title);
        EXPECT_EQ(checked.error().message, c.message);
    }
}

constexpr const char* Greater = " !!! E R R O R E !!! ";
constexpr const char* Plain = "!!! E R R O R E !!!";

INSTANTIATE_TEST_SUITE_P(
    Fields, SlipRangeCheck,
    testing::Values(RangeCase{"3", "2", 12, Greater, "'DA' \xC3\xA8 maggiore di 'A'", {}},
                    RangeCase{"1", "", 12, Greater, "'DA' \xC3\xA8 maggiore di 'A'", {}},
                    RangeCase{"1", "0", 0, Greater, "'DA' \xC3\xA8 maggiore di 'A'", {}},
                    RangeCase{"0", "5", 12, Plain, "'DA' \xC3\xA8 minore del minimo", {}},
                    RangeCase{"1", "13", 12, Plain, "'A' \xC3\xA8 maggiore del massimo", {}},
                    RangeCase{"000000", "999999", 12, Plain, "'DA' \xC3\xA8 minore del minimo", {}},
                    RangeCase{"1", "12", 12, nullptr, nullptr, {1, 12}},
                    RangeCase{"2", "2", 3, nullptr, nullptr, {2, 2}},
                    RangeCase{"", "5", 12, nullptr, nullptr, {1, 5}},
                    RangeCase{"  4", "6  ", 12, nullptr, nullptr, {4, 6}}));

TEST(SlipRun, TwelveColumnsMakeTwelveAndThreeSlips) {
    EXPECT_EQ(slipCount(SlipType::OneColumn, 12), 12);
    EXPECT_EQ(slipCount(SlipType::FiveColumns, 12), 3);
    EXPECT_EQ(slipCount(SlipType::FiveColumns, 0), 0);
    const SystemState s = twelveColumns();
    const SlipContent content = slipContentOf(s, "dodici.qsy", "RICEVITORIA");
    const SlipLayout layout = defaultSlipLayout(SlipType::OneColumn);
    EXPECT_EQ(slipRunPlan(SlipType::OneColumn, layout, content, {1, 12}).pages.size(), 12U);
    EXPECT_EQ(slipRunPlan(SlipType::FiveColumns, layout, content, {1, 3}).pages.size(), 3U);
    EXPECT_EQ(slipRunPlan(SlipType::FiveColumns, layout, content, {2, 2}).pages.size(), 1U);
}

TEST(SlipRun, TheThirdFiveColumnSlipHoldsColumnsElevenAndTwelveInItsBottomPanels) {
    const SystemState s = twelveColumns();
    const SlipContent content = slipContentOf(s, "dodici.qsy", "RICEVITORIA");
    const SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    const PlanPage page = slipPage(SlipType::FiveColumns, layout, content, 3);
    auto expected = expectedMarks(SlipType::FiveColumns, layout, 4, {11, 12, 13, 14, 15}, {3, 7});
    const auto panel3 =
        expectedMarks(SlipType::FiveColumns, layout, 3, {12, 13, 14, 15, 16}, {3, 7});
    expected.insert(expected.end(), panel3.begin(), panel3.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(markPoints(page), expected);
    EXPECT_EQ(slipAmount(SlipType::FiveColumns, content, 3), 500);
    EXPECT_THAT(textsOf(page), ElementsAre("RICEVITORIA", "dodici.qsy", "Scheda n. 3",
                                           "   \xE2\x82\xAC 5,00", testing::_));
}

TEST(SlipRun, SlipTwoOfAFiveColumnRunPrintsColumnsSixToTen) {
    const SystemState s = twelveColumns();
    const SlipContent content = slipContentOf(s, "dodici.qsy", "R");
    const SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    const PlanPage page = slipPage(SlipType::FiveColumns, layout, content, 2);
    std::vector<std::pair<double, double>> expected;
    for (int k = 6; k <= 10; ++k) {
        // Column k (the slip's (k-5)th) lies in panel 4 - (k - 6).
        const auto m = expectedMarks(SlipType::FiveColumns, layout, 10 - k,
                                     {k, k + 1, k + 2, k + 3, k + 4}, {3, 7});
        expected.insert(expected.end(), m.begin(), m.end());
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(markPoints(page), expected);
    EXPECT_EQ(textsOf(page)[2], "Scheda n. 2");
    EXPECT_EQ(textsOf(page)[3], "   \xE2\x82\xAC 12,50");
}

TEST(SlipRun, AOneColumnSlipCarriesItsColumnTheEuroNumbersAndTheCreditLine) {
    SystemState s = twelveColumns();
    s.columns[6] = Column{1, 10, 11, 40, 50};
    const SlipContent content = slipContentOf(s, "dodici.qsy", "RICEVITORIA");
    SlipLayout layout = defaultSlipLayout(SlipType::OneColumn);
    layout.headerX = 3.0F;
    layout.nameY = 1.0F;
    const PlanPage page = slipPage(SlipType::OneColumn, layout, content, 7);
    auto expected = expectedMarks(SlipType::OneColumn, layout, 0, {1, 10, 11, 40, 50}, {3, 7});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(markPoints(page), expected);
    for (const auto& m : page.marks()) {
        EXPECT_EQ(m.size, 2.0);
    }
    const auto texts = page.texts();
    ASSERT_EQ(texts.size(), 5U);
    EXPECT_EQ(texts[0].text, "RICEVITORIA");
    EXPECT_EQ(texts[0].x, 3.0);
    EXPECT_NEAR(texts[0].y, 201.7, 1e-5);
    EXPECT_EQ(texts[0].font, (TextFont{FontFace::Arial, 8, false}));
    EXPECT_EQ(texts[1].x, 3.0); // the credit line under the header
    EXPECT_GT(texts[1].y, texts[0].y);
    EXPECT_EQ(texts[2].text, "dodici.qsy");
    EXPECT_NEAR(texts[2].y, 1.0, 1e-6);
    EXPECT_EQ(texts[3].text, "Scheda n. 7");
    EXPECT_NEAR(texts[3].y, 1.0 + lineHeightMm(texts[2].font), 1e-9);
    EXPECT_EQ(texts[4].text, "   \xE2\x82\xAC 2,50");
    EXPECT_TRUE(texts[4].afterPrevious);
    EXPECT_EQ(texts[4].font.points, 22);
}

TEST(SlipRun, EuroElevenAndTwelveAreMarkedOnBothSlips) {
    // The file says which numbers are played: no rules are needed to print them.
    SystemState s = twelveColumns();
    builders::setEuroNumbers(s, 11, 12);
    const SlipContent content = slipContentOf(s, "oggi.qsy", "H");
    const SlipLayout one = defaultSlipLayout(SlipType::OneColumn);
    auto expected = expectedMarks(SlipType::OneColumn, one, 0, {1, 2, 3, 4, 5}, {11, 12});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(markPoints(slipPage(SlipType::OneColumn, one, content, 1)), expected);
    // Five columns fill the five panels, each with both Euro numbers.
    const SlipLayout five = defaultSlipLayout(SlipType::FiveColumns);
    const auto marks = markPoints(slipPage(SlipType::FiveColumns, five, content, 1));
    EXPECT_EQ(marks.size(), 5U * 7U);
    for (int panel = 0; panel < panelCount(SlipType::FiveColumns); ++panel) {
        for (const auto& point : expectedMarks(SlipType::FiveColumns, five, panel, {}, {11, 12})) {
            EXPECT_TRUE(std::binary_search(marks.begin(), marks.end(), point)) << panel;
        }
    }
}

TEST(SlipRun, SlipNumbersAndAmountsAreGroupedInTheLocalesWay) {
    SystemState s = twelveColumns();
    s.pricePerColumn = 123456;
    NumberStyle english{",", "."};
    const SlipContent content = slipContentOf(s, "x", "h", english);
    EXPECT_EQ(groupedInteger(12345, english), "12,345");
    EXPECT_EQ(groupedInteger(1234, NumberStyle{}), "1.234");
    EXPECT_EQ(groupedAmount(123456789, NumberStyle{}), "1.234.567,89");
    EXPECT_EQ(groupedAmount(5, english), "0.05");
    const auto texts =
        slipPage(SlipType::OneColumn, defaultSlipLayout(SlipType::OneColumn), content, 1).texts();
    EXPECT_EQ(texts.back().text, "   \xE2\x82\xAC 1,234.56");
    EXPECT_EQ(slipProgressText(7), "Scheda n. 00007");
    EXPECT_EQ(slipProgressText(123456), "Scheda n. 123456");
}

TEST(SlipRun, APanelWithoutNumbersStaysBlankAndIsNotPaidFor) {
    SystemState s = twelveColumns();
    s.columns[1] = Column{0, 0, 0, 0, 0};
    s.columns[2] = Column{0, 0, 200, 0, 0}; // a damaged file's column: no number of 1..50
    const SlipContent content = slipContentOf(s, "x", "h");
    const SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    EXPECT_EQ(slipAmount(SlipType::FiveColumns, content, 1), 3 * 250);
    EXPECT_EQ(slipPage(SlipType::FiveColumns, layout, content, 1).marks().size(), 3U * 7U);
}

TEST(CalibrationTestPage, MarksEveryCellAndShowsTheSampleTexts) {
    SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    layout.printQuality = QualityNormal;
    const PagePlan five = calibrationTestPlan(SlipType::FiveColumns, layout, "INTESTAZIONE");
    ASSERT_EQ(five.pages.size(), 1U);
    EXPECT_EQ(five.quality, QualityNormal);
    EXPECT_EQ(five.pages[0].marks().size(), 325U);
    EXPECT_THAT(textsOf(five.pages[0]),
                ElementsAre("INTESTAZIONE", "labelSistema -----------", "Scheda n. 0.000",
                            " \xE2\x82\xAC 0,00", testing::_));
    const PagePlan one = calibrationTestPlan(
        SlipType::OneColumn, defaultSlipLayout(SlipType::OneColumn), "INTESTAZIONE");
    EXPECT_EQ(one.pages[0].marks().size(), 70U);
    EXPECT_THAT(textsOf(one.pages[0]),
                ElementsAre("INTESTAZIONE", testing::_, "labelSistema -----------",
                            "Scheda n. 0.000", " \xE2\x82\xAC 0,00"));
    // The bottom-right cell of the 5-column slip: panel 4, row 5, column 13.
    const auto marks = five.pages[0].marks();
    const auto last = marks.back();
    EXPECT_NEAR(last.x, 12 + 12 * 5.0, 1e-5);
    EXPECT_NEAR(last.y, 33.5 + 28 * 4.5, 1e-5);

    // With Euro 1-12 the cells of Euro 11 and 12 are marked too, on every panel.
    const std::pair<SlipType, std::size_t> withTwelve[] = {{SlipType::OneColumn, 72U},
                                                           {SlipType::FiveColumns, 335U}};
    for (const auto& [type, count] : withTwelve) {
        const SlipLayout defaults = defaultSlipLayout(type);
        const PagePlan twelve =
            calibrationTestPlan(type, defaults, "H", {}, {}, GameRules::current());
        const auto all = twelve.pages[0].marks();
        EXPECT_EQ(all.size(), count);
        for (const int e : {11, 12}) {
            const PointMm cell = cellOrigin(defaults, panelCount(type) - 1, *cellOf(type, e, true));
            EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                    [&](const auto& m) {
                                        return std::abs(m.x - cell.x) < 1e-6 &&
                                               std::abs(m.y - cell.y) < 1e-6;
                                    }),
                      1)
                << e;
        }
    }

    // In another language the sample texts take its words and its separators.
    PrintWords english;
    english.testSystemLabel = "systemName -----------";
    english.slipNumber = "Slip no. ";
    const PagePlan shown =
        calibrationTestPlan(SlipType::OneColumn, layout, "HEADER", english, NumberStyle{",", "."});
    EXPECT_THAT(textsOf(shown.pages[0]), ElementsAre("HEADER", testing::_, "systemName -----------",
                                                     "Slip no. 0,000", " \xE2\x82\xAC 0.00"));
}

// A header the user never wrote is the placeholder of the words in use, on every page that
// prints a header; the user's own is printed as written.
TEST(SlipRun, AnEmptyHeaderPrintsThePlaceholderOfTheWordsInUse) {
    PrintWords english;
    english.headerPlaceholder = "OUTLET XXXX - CHANGE THE SETTINGS FROM THE FILE MENU";
    const std::string own = PrintWords().headerPlaceholder;
    EXPECT_EQ(own, "RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE");
    struct Case {
        std::string header;
        const PrintWords* words;
        std::string printed;
    };
    const PrintWords ownWords;
    const Case cases[] = {
        {"", &ownWords, own},
        {"", &english, english.headerPlaceholder},
        {"Bar Sport", &english, "Bar Sport"},
    };
    const SystemState s = twelveColumns();
    for (const Case& c : cases) {
        SlipContent content = slipContentOf(s, "dodici.qsy", c.header);
        content.words = *c.words;
        for (const SlipType type : {SlipType::OneColumn, SlipType::FiveColumns}) {
            const SlipLayout layout = defaultSlipLayout(type);
            EXPECT_EQ(slipPage(type, layout, content, 1).texts().front().text, c.printed);
            EXPECT_EQ(calibrationTestPlan(type, layout, c.header, *c.words)
                          .pages.front()
                          .texts()
                          .front()
                          .text,
                      c.printed);
        }
        const auto listing = listingPlan(s, "dodici.qsy", c.header, {}, {}, *c.words);
        ASSERT_TRUE(listing);
        EXPECT_THAT(listing.value().pages.front().texts().front().text,
                    testing::HasSubstr(" " + c.printed));
    }
}

// The slip window's picture is the grid of the slip type with what the system's first slip
// prints: its name, "Scheda n. 1" and the amount of that slip (five columns on the 5-column
// slip, one on the other), never the calibration's sample texts.
TEST(SlipRun, ThePictureShowsTheGridAndTheFirstSlipOfTheSystem) {
    const SystemState s = twelveColumns(); // 2.50 a column
    const SlipContent content = slipContentOf(s, "dodici.qsy", "RICEVITORIA");
    const std::tuple<SlipType, std::size_t, const char*> cases[] = {
        {SlipType::OneColumn, 70U, "   \xE2\x82\xAC 2,50"},
        {SlipType::FiveColumns, 325U, "   \xE2\x82\xAC 12,50"},
    };
    for (const auto& [type, cells, amount] : cases) {
        const PlanPage page = slipPicturePage(type, content);
        EXPECT_EQ(page.marks().size(), cells);
        const auto texts = textsOf(page);
        EXPECT_EQ(texts.front(), "RICEVITORIA");
        EXPECT_THAT(texts, testing::Contains("dodici.qsy"));
        EXPECT_THAT(texts, testing::Contains("Scheda n. 1"));
        EXPECT_THAT(texts, testing::Contains(amount));
        EXPECT_THAT(texts, testing::Not(testing::Contains("labelSistema -----------")));
    }
    // Under Euro 1-12 the grid has the cells of Euro 11 and 12 too.
    EXPECT_EQ(slipPicturePage(SlipType::OneColumn, content, GameRules::current()).marks().size(),
              72U);
}

} // namespace
} // namespace quintora
