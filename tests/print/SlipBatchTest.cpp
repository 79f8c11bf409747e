// The slips of several systems in one run: counts, amounts, which system a slip belongs to,
// and each slip printed with its own system's columns, Euro numbers and name.
#include "print/SlipBatch.h"

#include "core/SystemState.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace quintora {
namespace {

// `count` columns k..k+4 from `first`, with the Euro numbers given, at 2,50.
std::shared_ptr<const SystemState> system(int first, int count, int euroA, int euroB) {
    SystemState s = builders::firstNumbers(20);
    builders::setEuroNumbers(s, euroA, euroB);
    for (int k = first; k < first + count; ++k) {
        s.columns.push_back(Column{static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k + 1),
                                   static_cast<std::uint8_t>(k + 2),
                                   static_cast<std::uint8_t>(k + 3),
                                   static_cast<std::uint8_t>(k + 4)});
    }
    s.pricePerColumn = 250;
    return std::make_shared<const SystemState>(std::move(s));
}

// A: 12 columns, Euro 3 and 7; an empty system; B: 3 columns, Euro 1 and 2.
SlipBatch threeSystems(SlipType type) {
    SlipBatch batch(type);
    batch.add(system(1, 12, 3, 7), "a.qsy", "RICEVITORIA");
    batch.add(system(1, 0, 3, 7), "vuoto.qsy", "RICEVITORIA");
    batch.add(system(30, 3, 1, 2), "b.qsy", "RICEVITORIA");
    return batch;
}

bool shows(const PlanPage& page, const std::string& text) {
    const auto texts = page.texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const TextItem& t) { return t.text == text; });
}

TEST(SlipBatch, CountsAndAmountsAddUpOverTheSystems) {
    const struct {
        SlipType type;
        int slipsA, slipsB, total;
    } cases[] = {{SlipType::OneColumn, 12, 3, 15}, {SlipType::FiveColumns, 3, 1, 4}};
    for (const auto& c : cases) {
        const SlipBatch batch = threeSystems(c.type);
        EXPECT_EQ(batch.slipsOf(0), c.slipsA);
        EXPECT_EQ(batch.slipsOf(1), 0);
        EXPECT_EQ(batch.slipsOf(2), c.slipsB);
        EXPECT_EQ(batch.totalSlips(), c.total);
        // Every column at 2,50 whatever the slip: 12 + 3 columns.
        EXPECT_EQ(batch.amountOf(0), 3000);
        EXPECT_EQ(batch.amountOf(2), 750);
        EXPECT_EQ(batch.totalAmount(), 3750);
        EXPECT_EQ(batch.amountOf(SlipRange{1, c.total}), 3750);
    }
    // Part of a run: the last slip of A (columns 11 and 12) and B's one slip.
    EXPECT_EQ(threeSystems(SlipType::FiveColumns).amountOf(SlipRange{3, 4}), 500 + 750);
    EXPECT_EQ(SlipBatch(SlipType::OneColumn).totalSlips(), 0);
}

TEST(SlipBatch, EachSlipOfTheRunBelongsToOneSystemInOrder) {
    const SlipBatch batch = threeSystems(SlipType::FiveColumns);
    const struct {
        int runSlip;
        SlipBatch::Place place;
    } cases[] = {{1, {0, 1}}, {3, {0, 3}}, {4, {2, 1}}, {5, {3, 0}}, {0, {3, 0}}, {-2, {3, 0}}};
    for (const auto& c : cases) {
        EXPECT_EQ(batch.place(c.runSlip), c.place) << c.runSlip;
    }
}

TEST(SlipBatch, APageIsItsSystemsOwnSlip) {
    const SlipLayout layout = withDefaults(SlipLayout{}, SlipType::FiveColumns);
    const SlipBatch batch = threeSystems(SlipType::FiveColumns);
    const PlanPage last = batch.page(layout, 4);
    // B's first slip: its name, numbered 1 in B, three panels of B's columns with B's Euro
    // numbers, at 3 columns' price.
    EXPECT_TRUE(shows(last, "b.qsy"));
    EXPECT_FALSE(shows(last, "a.qsy"));
    const PlanPage expected = slipPage(SlipType::FiveColumns, layout, batch.content(2), 1);
    EXPECT_EQ(last.texts().size(), expected.texts().size());
    ASSERT_EQ(last.marks().size(), expected.marks().size());
    EXPECT_EQ(last.marks().size(), 3u * 7u);
    for (std::size_t i = 0; i < expected.marks().size(); ++i) {
        EXPECT_EQ(last.marks()[i].x, expected.marks()[i].x);
        EXPECT_EQ(last.marks()[i].y, expected.marks()[i].y);
    }
    EXPECT_TRUE(shows(batch.page(layout, 3), "a.qsy"));
    EXPECT_TRUE(batch.page(layout, 5).items.empty());
}

} // namespace
} // namespace quintora
