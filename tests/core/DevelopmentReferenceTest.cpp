// The engine against the straightforward development on seeded random systems.
#include "core/Development.h"
#include "support/ReferenceDevelopment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace quintora;

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
        SystemState s;
        for (int v : all) {
            s.header.numbersInPlay[s.header.numbersInPlayCount++] = static_cast<std::uint8_t>(v);
        }
        s.header.euroNumbers = {2, 9};
        s.header.euroCount = 2;
        return s;
    }

    std::uint8_t inPlay(const SystemState& s) {
        return s.header
            .numbersInPlay[static_cast<std::size_t>(between(0, s.header.numbersInPlayCount - 1))];
    }

    void fixed(SystemState& s) {
        auto& c = s.conditions;
        c.fixedActive = FlagOn;
        const int count = between(0, 4);
        for (int i = 0; i < count; ++i) {
            c.fixedNumbers[inPlay(s) - 1] = 1;
        }
        c.fixedCount =
            static_cast<std::uint8_t>(std::count(c.fixedNumbers.begin(), c.fixedNumbers.end(), 1));
    }
    void sum(SystemState& s) {
        s.conditions.sumActive = FlagOn;
        s.conditions.sumFrom = static_cast<std::int16_t>(between(15, 150));
        s.conditions.sumTo = static_cast<std::int16_t>(s.conditions.sumFrom + between(-5, 100));
    }
    void evenOdd(SystemState& s) {
        s.conditions.evenOddActive = FlagOn;
        for (auto& f : s.conditions.evenCountAllowed) {
            f = toFlag(chance(60));
        }
    }
    void excluded(SystemState& s) {
        s.excluded.excludedActive = FlagOn;
        s.excluded.excludedCount = between(0, 40);
        for (int i = 0; i < s.excluded.excludedCount; ++i) {
            auto& col = s.excluded.excludedColumns[i];
            for (auto& v : col) {
                v = chance(97) ? inPlay(s) : static_cast<std::uint8_t>(between(0, 60));
            }
        }
    }
    void filters(SystemState& s) {
        s.filterCount = between(1, 25);
        for (int i = 0; i < s.filterCount; ++i) {
            auto& f = s.filters[i];
            const int members = between(1, 12);
            for (int k = 0; k < members; ++k) {
                f.members[between(0, 49)] = chance(95) ? 1 : 2;
            }
            f.acceptedHits = chance(80) ? between(1, 63) : between(0, 255);
            f.active = FlagOn;
        }
    }
    void consecutive(SystemState& s) {
        s.consecutive.consecutiveActive = FlagOn;
        s.consecutive.allowedRuns = between(0, 63);
    }
    void reduced(SystemState& s) {
        s.conditions.reducedActive = FlagOn;
        s.conditions.reducedN =
            static_cast<std::uint8_t>(chance(95) ? between(0, 5) : between(6, 255));
    }
    void distance(SystemState& s) {
        s.minimumDistance.minDistanceActive = FlagOn;
        s.minimumDistance.minDistance =
            static_cast<std::uint8_t>(chance(95) ? between(1, 5) : between(0, 9));
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
    r.evenOdd(filtered);
    filtered.conditions.evenCountAllowed = {FlagOn, FlagOn, FlagOn, FlagOn, FlagOn, FlagOff};
    r.filters(filtered);
    for (int i = 0; i < filtered.filterCount; ++i) {
        filtered.filters[i].acceptedHits |= 0b111; // keep enough columns to reach the limit
    }
    expectSameAsReference(filtered, 8);
}
