// The engine against the straightforward development on seeded random systems.
#include "core/Development.h"
#include "support/ReferenceDevelopment.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace quintora;
using namespace quintora::builders;

namespace {

class RandomSystems {
public:
    explicit RandomSystems(unsigned seed)
        : rng_(seed) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    SystemState numbers(int count) {
        std::vector<int> all(50);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng_);
        all.resize(static_cast<std::size_t>(count));
        std::sort(all.begin(), all.end());
        return systemOf(all);
    }

    int inPlay(const SystemState& s) {
        return numbersInPlay(
            s.header)[static_cast<std::size_t>(between(0, s.header.numberCount() - 1))];
    }

    // The k whose bit k is set in a random mask: even counts, run lengths, hit counts. Bits no
    // count reaches (a run of 0, 6 or 7 hits) come too, as a file may hold them.
    static std::vector<int> bitsOf(int mask) {
        std::vector<int> set;
        for (int k = 0; k < 8; ++k) {
            if ((mask >> k) & 1) {
                set.push_back(k);
            }
        }
        return set;
    }

    void fixed(SystemState& s) {
        std::vector<int> numbers(static_cast<std::size_t>(between(0, 4)));
        for (auto& n : numbers) {
            n = inPlay(s); // repeats allowed
        }
        fixNumbers(s, numbers);
    }
    void sum(SystemState& s) {
        const int from = between(15, 150);
        limitSum(s, from, from + between(-5, 100));
    }
    void evenOdd(SystemState& s) {
        std::vector<int> counts;
        for (int k = 0; k <= 5; ++k) {
            if (chance(60)) {
                counts.push_back(k);
            }
        }
        allowEvenCounts(s, counts);
    }
    void excluded(SystemState& s) {
        std::vector<Column> columns(static_cast<std::size_t>(between(0, 40)));
        for (auto& col : columns) {
            for (auto& v : col) {
                // Now and then a number outside 1..50, as a damaged file may hold.
                v = static_cast<std::uint8_t>(chance(97) ? inPlay(s) : between(0, 60));
            }
        }
        excludeColumns(s, columns);
    }
    void filters(SystemState& s) {
        const int count = between(1, 25);
        for (int i = 0; i < count; ++i) {
            std::vector<int> members;
            const int marks = between(1, 12);
            for (int k = 0; k < marks; ++k) {
                const int n = between(1, 50);
                if (chance(95)) { // the draws stay those of the spoiled marks a file can hold
                    members.push_back(n);
                }
            }
            addFilter(s, members, bitsOf(chance(80) ? between(1, 63) : between(0, 255)));
        }
    }
    void consecutive(SystemState& s) { allowRunLengths(s, bitsOf(between(0, 63))); }
    void reduced(SystemState& s) { reduceTo(s, chance(95) ? between(0, 5) : between(6, 255)); }
    void distance(SystemState& s) {
        keepMinimumDistance(s, chance(95) ? between(1, 5) : between(0, 9));
    }

private:
    std::mt19937 rng_;
};

void expectSameAsReference(const SystemState& s, unsigned seed) {
    DevelopmentControl control;
    const auto engine = develop(s, {}, control);
    const auto expected = reference::develop(s);
    ASSERT_EQ(engine.columns.size(), expected.columns.size()) << "seed " << seed;
    EXPECT_TRUE(engine.columns == expected.columns) << "seed " << seed;
    EXPECT_EQ(engine.systemType, expected.systemType) << "seed " << seed;
}

} // namespace

TEST(DevelopmentAgainstReference, SeededRandomSystems) {
    using Setter = void (RandomSystems::*)(SystemState&);
    const Setter conditions[] = {&RandomSystems::fixed,   &RandomSystems::sum,
                                 &RandomSystems::evenOdd, &RandomSystems::excluded,
                                 &RandomSystems::filters, &RandomSystems::consecutive,
                                 &RandomSystems::reduced, &RandomSystems::distance};
    for (unsigned seed = 1; seed <= 320; ++seed) {
        RandomSystems r(seed);
        const bool reducing = seed % 4 != 0;
        SystemState s = r.numbers(reducing ? r.between(5, 16) : r.between(5, 22));
        if (seed % 10 < 8) {
            // One condition alone (reductions only where the reference stays quick).
            const auto pick = seed % 8;
            (r.*conditions[pick >= 6 && !reducing ? pick - 2 : pick])(s);
        } else {
            for (std::size_t k = 0; k < 6; ++k) {
                if (r.chance(50)) {
                    (r.*conditions[k])(s);
                }
            }
            if (reducing) {
                if (r.chance(60)) {
                    r.reduced(s);
                }
                if (r.chance(60)) {
                    r.distance(s); // sometimes both, as a stored system may hold
                }
            }
        }
        expectSameAsReference(s, seed);
    }
}

TEST(DevelopmentAgainstReference, TheColumnLimit) {
    RandomSystems r(7);
    auto whole = r.numbers(50);
    expectSameAsReference(whole, 7);
    auto filtered = r.numbers(45);
    allowEvenCounts(filtered, {0, 1, 2, 3, 4});
    r.filters(filtered);
    for (int i = 0; i < filtered.filterCount; ++i) {
        auto& f = filtered.filters[i];
        f.setHits(CountSet::fromBits(f.hits().bits() | 0b111)); // enough columns for the limit
    }
    expectSameAsReference(filtered, 8);
}
