#include "files/SystemFile.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quintora;

// Seeded random systems with every stored field varied, odd values included (numbers outside
// 1..50 in columns, inverted or negative sum bounds, fixed numbers not in play, empty sets,
// full tables). The checksum of all their encodings was taken from the writer as it stood
// before the system state became typed: any change in a stored byte shows here.

namespace {

// A small generator of our own, so the systems are the same on every standard library.
class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed)
        : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool coin() { return (next() & 1U) != 0; }

private:
    std::uint64_t state_;
};

NumberSet randomSubset(SplitMix& rng, int high, int most) {
    NumberSet set;
    const int wanted = rng.below(most + 1);
    for (int i = 0; i < wanted; ++i) {
        set.insert(1 + rng.below(high));
    }
    return set;
}

Column randomColumn(SplitMix& rng) {
    Column c{};
    for (auto& n : c) {
        // Mostly game numbers, now and then any byte a file can hold.
        n = static_cast<std::uint8_t>(rng.below(8) == 0 ? rng.below(256) : 1 + rng.below(50));
    }
    return c;
}

std::string randomType(SplitMix& rng) {
    static const std::vector<std::string> pieces{
        "Integrale", " - ", "Condizionato", "***", "Distanza Minima [2]", "città", "€", "Ω", ""};
    std::string type;
    for (int i = rng.below(4); i > 0; --i) {
        type += pieces[static_cast<std::size_t>(rng.below(static_cast<int>(pieces.size())))];
    }
    return type;
}

SystemState randomSystem(SplitMix& rng) {
    SystemState s;
    s.header.setNumbers(randomSubset(rng, MainNumberCount, rng.coin() ? 12 : MainNumberCount));
    s.header.setEuros(randomSubset(rng, GameRules::classic().euroMax(), EuroNumbersPerSystem));
    s.header.systemType = randomType(rng);

    auto& c = s.conditions;
    c.setEvenOddOn(rng.coin());
    c.setSumOn(rng.coin());
    c.setFixedOn(rng.coin());
    c.setReducedOn(rng.coin());
    c.setEvenCounts(CountSet::fromBits(static_cast<std::uint32_t>(rng.below(64))));
    c.sumFrom = static_cast<std::int16_t>(rng.below(65536) - 32768);
    c.sumTo = static_cast<std::int16_t>(rng.coin() ? rng.below(251) : rng.below(65536) - 32768);
    c.setFixed(randomSubset(rng, MainNumberCount, 6));
    c.reducedN = static_cast<std::uint8_t>(rng.below(256));

    s.minimumDistance.minDistance =
        static_cast<std::uint8_t>(rng.coin() ? rng.below(6) : rng.below(256));
    s.minimumDistance.setOn(rng.coin());
    s.consecutive.setRuns(CountSet::fromBits(static_cast<std::uint32_t>(rng.below(64))));
    s.consecutive.setOn(rng.coin());

    std::vector<Column> excluded(
        static_cast<std::size_t>(rng.below(10) == 0 ? MaxExcluded + rng.below(3) : rng.below(30)));
    for (auto& col : excluded) {
        col = randomColumn(rng);
    }
    s.excluded.setColumns(excluded);
    s.excluded.setOn(rng.coin());

    const int slots = rng.below(10) == 0 ? MaxFilterColumns : rng.below(25);
    for (int i = 0; i < slots; ++i) {
        auto& f = s.filters[static_cast<std::size_t>(i)];
        f.setMembers(randomSubset(rng, MainNumberCount, 20));
        f.setHits(CountSet::fromBits(static_cast<std::uint32_t>(rng.below(64))));
        f.setOn(rng.below(4) != 0);
    }
    s.filterCount = rearrangeFilters(s.filters);

    s.columns.resize(static_cast<std::size_t>(rng.below(300)));
    for (auto& col : s.columns) {
        col = randomColumn(rng);
    }
    return s;
}

void addToChecksum(std::uint64_t& sum, std::span<const std::uint8_t> bytes) {
    auto add = [&sum](std::uint8_t b) {
        sum ^= b;
        sum *= 0x100000001B3ULL; // FNV-1a
    };
    for (int shift = 0; shift < 64; shift += 8) {
        add(static_cast<std::uint8_t>(bytes.size() >> shift));
    }
    for (auto b : bytes) {
        add(b);
    }
}

constexpr int SystemCount = 3000;

} // namespace

TEST(SystemFileEncoding, RandomSystemsEncodeToThePinnedBytes) {
    SplitMix rng(20261210);
    std::uint64_t sum = 0xCBF29CE484222325ULL;
    for (int i = 0; i < SystemCount; ++i) {
        addToChecksum(sum, encodeSystemFile(randomSystem(rng)));
    }
    EXPECT_EQ(sum, 14229553871942469719ULL);
}

// Files written before read back into the same system: saving again gives their bytes.
TEST(SystemFileEncoding, WrittenFilesReadBackToTheSameBytes) {
    SplitMix rng(77);
    for (int i = 0; i < SystemCount; ++i) {
        const auto bytes = encodeSystemFile(randomSystem(rng));
        const auto loaded = decodeSystemFile(bytes);
        ASSERT_TRUE(loaded) << "system " << i << ": " << loaded.error().message;
        EXPECT_TRUE(loaded.value().warnings.empty()) << "system " << i;
        ASSERT_EQ(encodeSystemFile(loaded.value().state), bytes) << "system " << i;
    }
}
