#include "print/ListingPlan.h"

#include "core/SystemState.h"
#include "print/PrintWords.h"
#include "print/SlipRun.h"
#include "settings/Language.h"
#include "support/SystemBuilders.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quintora {
namespace {

using testing::StartsWith;

SystemState withColumns(int count) {
    SystemState s = builders::firstNumbers(20);
    for (int k = 0; k < count; ++k) {
        const auto a = static_cast<std::uint8_t>(k % 46 + 1);
        s.columns.push_back(
            Column{a, static_cast<std::uint8_t>(a + 1), static_cast<std::uint8_t>(a + 2),
                   static_cast<std::uint8_t>(a + 3), static_cast<std::uint8_t>(a + 4)});
    }
    s.header.systemType = "Integrale";
    return s;
}

PagePlan listing(const SystemState& s, ListingOptions options = {}) {
    auto plan = listingPlan(s, "prova.qsy", "RICEVITORIA", options);
    EXPECT_TRUE(plan) << (plan ? "" : plan.error().message);
    return plan ? plan.value() : PagePlan{};
}

int countStarting(const PlanPage& page, const std::string& start) {
    int n = 0;
    for (const auto& t : page.texts()) {
        n += t.text.rfind(start, 0) == 0 ? 1 : 0;
    }
    return n;
}

// The separator lines of a page: em dashes only.
int separators(const PlanPage& page) {
    return countStarting(page, "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94");
}

const TextItem* textStarting(const PlanPage& page, const std::string& start) {
    for (const auto& item : page.items) {
        if (const auto* t = std::get_if<TextItem>(&item); t && t->text.rfind(start, 0) == 0) {
            return t;
        }
    }
    return nullptr;
}

double twips(double mm) {
    return std::round(mmToTwips(mm) * 1000) / 1000;
}

TEST(ListingPlan, NinetyFiveColumnsFitTheFirstPageNinetySixStartASecond) {
    ListingOptions columnsOnly;
    columnsOnly.forecast = false;
    const PagePlan fit = listing(withColumns(95), columnsOnly);
    ASSERT_EQ(fit.pages.size(), 1U);
    EXPECT_EQ(separators(fit.pages[0]), 1 + 5 * 2); // the summary's and each block's two

    const PagePlan more = listing(withColumns(96), columnsOnly);
    ASSERT_EQ(more.pages.size(), 2U);
    const PlanPage& second = more.pages[1];
    const auto texts = second.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "Pag. 2 del sistema prova.qsy - " + creditLine());
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_EQ(twips(texts[0].x), 120);
    EXPECT_EQ(twips(texts[0].y), 250);
    EXPECT_EQ(separators(second), 2);
    // One block of one column: column 96 (its first number 95 % 46 + 1 = 4) reads downwards.
    EXPECT_EQ(texts[2].text, "04 | ");
    EXPECT_EQ(texts[6].text, "08 | ");
    EXPECT_FALSE(texts[2].font.bold);
}

TEST(ListingPlan, LaterPagesHoldEightBlocks) {
    ListingOptions columnsOnly;
    columnsOnly.forecast = false;
    // 5 + 8 blocks of 19 and one more.
    const PagePlan plan = listing(withColumns(13 * 19 + 1), columnsOnly);
    ASSERT_EQ(plan.pages.size(), 3U);
    EXPECT_EQ(separators(plan.pages[1]), 16);
    EXPECT_EQ(separators(plan.pages[2]), 2);
    EXPECT_THAT(plan.pages[2].texts()[0].text, StartsWith("Pag. 3 del sistema "));
}

TEST(ListingPlan, ABlockShowsNineteenColumnsSideBySideStepsOf250Twips) {
    ListingOptions columnsOnly;
    columnsOnly.forecast = false;
    const PagePlan plan = listing(withColumns(19), columnsOnly);
    const PlanPage& page = plan.pages[0];
    const TextItem* first = textStarting(page, "01 | 02 | ");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text.size(), 19U * 5U);
    const TextItem* second = textStarting(page, "02 | 03 | ");
    ASSERT_NE(second, nullptr);
    EXPECT_NEAR(mmToTwips(second->y - first->y), 250, 1e-6);
    EXPECT_EQ(first->font, (TextFont{FontFace::CourierNew, 10, false}));
}

TEST(ListingPlan, HeaderSummaryAndLogo) {
    SystemState s = withColumns(12);
    s.pricePerColumn = 250;
    ListingOptions options;
    options.colourLogo = false;
    const PagePlan plan = listing(s, options);
    const PlanPage& page = plan.pages[0];
    const auto texts = page.texts();
    EXPECT_EQ(texts[0].text, "Pag. 1 RICEVITORIA" + creditSuffix());
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_EQ(twips(texts[0].y), 250);
    const TextItem* name = textStarting(page, "Nome Sistema prova.qsy");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->font.bold);
    const auto logos = page.logos();
    ASSERT_EQ(logos.size(), 1U);
    EXPECT_EQ(twips(logos[0].x), 4000);
    EXPECT_EQ(logos[0].y, name->y);
    EXPECT_FALSE(logos[0].colour);
    const TextItem* count = textStarting(page, "Colonne Sistema 12");
    ASSERT_NE(count, nullptr);
    EXPECT_NEAR(mmToTwips(count->y - name->y), 500, 1e-6);
    ASSERT_NE(textStarting(page, "Importo Sistema \xE2\x82\xAC 30,00"), nullptr);
    // The tab lines "Tipo Sistema" up at the next stop of eight characters.
    ASSERT_NE(textStarting(page, "Numeri in gioco 20      Tipo Sistema Integrale"), nullptr);
}

TEST(ListingPlan, ThirtyFiveNumbersInPlayTakeTwoLines) {
    SystemState s = builders::firstNumbers(35);
    ListingOptions forecastOnly;
    forecastOnly.columns = false;
    const PlanPage page = listing(s, forecastOnly).pages[0];
    const TextItem* first = textStarting(page, "01 02 ");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text.size(), 31U * 3U);
    EXPECT_THAT(first->text, testing::EndsWith("31 "));
    const TextItem* second = textStarting(page, "32 33 ");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text, "32 33 34 35 ");
    EXPECT_NEAR(mmToTwips(second->y - first->y), 250, 1e-6);

    const PlanPage twenty = listing(builders::firstNumbers(20), forecastOnly).pages[0];
    const TextItem* one = textStarting(twenty, "01 02 ");
    ASSERT_NE(one, nullptr);
    EXPECT_THAT(one->text, testing::EndsWith("19 20 "));
}

TEST(ListingPlan, ConditionLines) {
    SystemState s = builders::firstNumbers(20);
    builders::allowEvenCounts(s, {2, 3});
    builders::limitSum(s, 60, 140);
    builders::fixNumbers(s, {7, 12});
    builders::allowRunLengths(s, {1, 2});
    ListingOptions forecastOnly;
    forecastOnly.columns = false;
    const PlanPage page = listing(s, forecastOnly).pages[0];
    const auto line = [&](const std::string& start) {
        const TextItem* t = textStarting(page, start);
        return t ? t->text : std::string("<missing>");
    };
    EXPECT_EQ(line("Pari"), "Pari    : 02 03 ");
    EXPECT_EQ(line("Dispari"), "Dispari : 03 02 ");
    EXPECT_EQ(line("Somma"), "Somma   : Da 60 A 140");
    EXPECT_EQ(line("Fisse"), "Fisse   : 07 12 ");
    EXPECT_EQ(line("Consecutivi"), "Consecutivi : 01 02");
    EXPECT_EQ(line("03 07"), "03 07 "); // the Euro numbers
    EXPECT_EQ(countStarting(page, "Sviluppo"), 0);
    EXPECT_EQ(countStarting(page, "Pronostico Sistema"), 1);
    EXPECT_EQ(countStarting(page, "Euro Numeri -- Jackpot"), 1);

    const PlanPage off = listing(builders::firstNumbers(20), forecastOnly).pages[0];
    const auto offLine = [&](const std::string& start) {
        const TextItem* t = textStarting(off, start);
        return t ? t->text : std::string("<missing>");
    };
    EXPECT_EQ(offLine("Somma"), "Somma   : Da --  A --");
    EXPECT_EQ(offLine("Pari"), "Pari    : ");
    EXPECT_EQ(offLine("Consecutivi"), "Consecutivi : ");
}

TEST(ListingPlan, NothingChosenIsRefusedAndNoColumnsGiveAnEmptyDevelopment) {
    ListingOptions none;
    none.forecast = false;
    none.columns = false;
    const auto refused = listingPlan(withColumns(3), "x", "h", none);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "Nessuna scelta selezionata");
    EXPECT_EQ(refused.error().title, " E R R O R E ");

    ListingOptions columnsOnly;
    columnsOnly.forecast = false;
    const PagePlan empty = listing(withColumns(0), columnsOnly);
    ASSERT_EQ(empty.pages.size(), 1U);
    EXPECT_EQ(countStarting(empty.pages[0], "Sviluppo"), 1);
    EXPECT_EQ(separators(empty.pages[0]), 1);
    EXPECT_EQ(countStarting(empty.pages[0], "Pronostico"), 0);
}

TEST(ListingPlan, TheSeparatorIs96EmDashesAndEveryLineStartsAt120Twips) {
    const PagePlan plan = listing(withColumns(200));
    for (const auto& page : plan.pages) {
        for (const auto& t : page.texts()) {
            EXPECT_EQ(twips(t.x), 120) << t.text;
            EXPECT_LT(t.y, plan.pageHeight) << t.text;
        }
    }
    const TextItem* sep = textStarting(plan.pages[0], "\xE2\x80\x94");
    ASSERT_NE(sep, nullptr);
    EXPECT_EQ(sep->text.size(), 96U * 3U);
}

} // namespace
} // namespace quintora

namespace quintora {
namespace {

TEST(PrintWords, TheLanguageFileGivesThePrintedWords) {
    Language english(QUINTORA_SHIPPED_DATA, "english");
    const PrintWords words = printWordsFor(english);
    EXPECT_EQ(words.slipNumber, "Slip no. ");
    EXPECT_EQ(words.sumOff, "Sum     : From --  To --");
    EXPECT_EQ(words.even.size(), PrintWords{}.even.size()); // the colons stay aligned
    Language italian(QUINTORA_SHIPPED_DATA, "italiano");
    const PrintWords own = printWordsFor(italian);
    const PrintWords fallback;
    EXPECT_EQ(own.sumFrom, fallback.sumFrom);
    EXPECT_EQ(own.development, fallback.development);
    EXPECT_EQ(own.ofSystem, fallback.ofSystem);

    SystemState s = builders::firstNumbers(20);
    for (int k = 0; k < 96; ++k) {
        s.columns.push_back(Column{1, 2, 3, 4, 5});
    }
    const auto plan = listingPlan(s, "prova.qsy", "H", ListingOptions{}, NumberStyle{}, words);
    ASSERT_TRUE(plan);
    EXPECT_THAT(plan.value().pages[0].texts()[0].text, StartsWith("Page 1 H"));
    EXPECT_THAT(plan.value().pages.back().texts()[0].text, StartsWith("Page 2 of system prova"));
    EXPECT_EQ(plan.value().title, "Quintora - Listing");
    SlipContent content = slipContentOf(s, "prova.qsy", "H");
    content.words = words;
    const auto slip =
        slipPage(SlipType::OneColumn, defaultSlipLayout(SlipType::OneColumn), content, 3);
    EXPECT_EQ(slip.texts()[3].text, "Slip no. 3");
}

} // namespace
} // namespace quintora
