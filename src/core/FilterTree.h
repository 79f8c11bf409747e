#pragma once

#include "core/SystemState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quintora {

// One switched-on filter column, reduced to what the test needs.
struct FilterTest {
    NumberSet members;
    std::int32_t acceptedHits;
};

// The filter condition: every filter column must accept the column. The test is a pure
// conjunction, so it is decided for whole families of candidates at once. With k numbers of a
// candidate chosen, a filter column's hit count can still grow by 5 - k: a filter that accepts
// none of the counts it can reach rejects every candidate with that prefix (the prefix is
// skipped), one that accepts all of them is dropped for the deeper levels. Going one level down
// only looks at the filters whose verdict can change: those holding the new number, and the
// undecided ones that do not hold it.
class FilterTree {
public:
    FilterTree(const SystemState& state, NumberSet inPlay, int inPlayCount);

    bool active() const { return active_; }

    // Chooses `number` as the k-th number (1..4) below the level k - 1 chosen before;
    // false when some filter column rejects every candidate that starts this way.
    bool choose(int k, int number);

    // After choose(4, ...): the fifth numbers that every filter column accepts; every number
    // when no filter column is on.
    NumberSet allowedFifth() const { return fifth_; }

private:
    using Id = std::uint16_t;
    enum class Status { Rejects, Undecided, Accepts };

    struct Level {
        std::vector<Id> kept; // undecided filters, with their hits and stamp
        std::vector<std::uint8_t> hits;
        std::vector<std::uint32_t> stamp; // == generation: the filter is in `kept`
        std::uint32_t generation = 0;
        // Undecided one level down when the next number is not a member.
        std::vector<Id> keepWithout;
        NumberSet allowedChildren = NumberSet::all();
    };

    static Status status(const FilterTest& t, int hits, int remaining);

    // The fifth numbers a filter column accepts when the first four hold h of its members.
    static NumberSet verdictOnFifth(const FilterTest& t, int h);

    void keep(Level& level, Id i, std::uint8_t hits);

    // What the filters of level k decide for a next number that is not one of their members.
    void prepareChildren(std::size_t k);

    std::vector<FilterTest> tests_;
    std::array<std::vector<Id>, MainNumberCount + 1> containing_;
    std::array<Level, 5> levels_;
    NumberSet fifth_ = NumberSet::all();
    bool active_ = false;
};

} // namespace quintora
