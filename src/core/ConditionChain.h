#pragma once

#include "core/ExcludedLookup.h"
#include "core/FilterTree.h"
#include "core/ReductionIndex.h"
#include "core/SystemState.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace quintora {

// Every condition of a system, prepared once for a development. A condition is decided at the
// earliest of three stages that can decide it:
// - prefix: the filter columns reject every column that starts with given numbers;
// - fifth number: the fixed numbers, the sum, the even count and the filter columns decide,
//   for a prefix of four numbers, all of its fifth numbers at once (as a set);
// - whole column: the excluded columns and the consecutive runs, then the reductions, which
//   compare the column with the columns admitted before it.
// A column that passes all three is accepted. A new condition is added here and nowhere else.
class ConditionChain {
public:
    // inPlayCount: how many numbers inPlay holds.
    ConditionChain(const SystemState& state, NumberSet inPlay, int inPlayCount);

    // Prefix stage: `number` becomes the level-th number (1..4) of the prefix, after the
    // numbers of levels 1..level-1; false when no column that starts this way can pass.
    bool admitsPrefix(int level, int number) {
        return !filters_.active() || filters_.choose(level, number);
    }

    // What the fifth-number stage needs to know of a prefix, added up number by number as the
    // prefix grows (tallyOf each number), so that nothing is counted again per prefix: its sum,
    // how many of its numbers are even and how many are fixed numbers.
    using Tally = std::uint32_t;
    Tally tallyOf(int number) const { return tallyOf_[number]; }

    // Fifth-number stage, after admitsPrefix(4, ...): the fifth numbers that pass after the
    // first four numbers, whose tally is `firstFour`. Conditions that are off allow all.
    NumberSet allowedFifth(Tally firstFour) const {
        if (!counted_) {
            return filters_.allowedFifth();
        }
        return filters_.allowedFifth() & sumAllowed_[firstFour & SumField] &
               evenAllowed_[(firstFour >> EvenShift) & CountField] &
               fixedAllowed_[(firstFour >> FixedShift) & CountField];
    }

    // Whole-column stage for an ascending column and its numbers. An admitted column is
    // accepted: the reductions compare every later column with it.
    bool admitsColumn(const Column& column, NumberSet numbers) {
        if ((excluded_.active() && excluded_.rejects(numbers)) ||
            (runs_ && !runs_->admits(numbers))) {
            return false;
        }
        // The flags are read once: the calls below cannot change them.
        const bool reduced = reduced_.has_value();
        const bool distance = distance_.has_value();
        if ((reduced && reduced_->conflicts(column)) ||
            (distance && distance_->conflicts(column))) {
            return false;
        }
        if (reduced) {
            reduced_->add(column);
        }
        if (distance) {
            distance_->add(column);
        }
        return true;
    }

private:
    // The column holds exactly `count` of the fixed numbers.
    struct FixedNumbers {
        NumberSet fixed;
        int count;
        // After four numbers of which f are fixed.
        NumberSet allowedFifth(int f) const {
            return (f == count ? fixed.complement() : NumberSet{}) |
                   (f + 1 == count ? fixed : NumberSet{});
        }
    };
    // The sum of the column lies in from..to.
    struct SumRange {
        int from;
        int to;
        NumberSet allowedFifth(int sumOfFour) const {
            // The numbers from - sumOfFour .. to - sumOfFour that lie in 1..50.
            return NumberSet::range(std::max(from - sumOfFour, 1),
                                    std::min(to - sumOfFour, MainNumberCount));
        }
    };
    // The column's count of even numbers is one of the allowed counts (bit k: k even numbers).
    struct EvenCount {
        static constexpr NumberSet even = [] {
            NumberSet s;
            for (int n = 2; n <= MainNumberCount; n += 2) {
                s.insert(n);
            }
            return s;
        }();

        int allowedCounts;
        // After four numbers of which e are even.
        NumberSet allowedFifth(int e) const {
            return (((allowedCounts >> e) & 1) != 0 ? even.complement() : NumberSet{}) |
                   (((allowedCounts >> (e + 1)) & 1) != 0 ? even : NumberSet{});
        }
    };
    // The longest run of consecutive numbers has an allowed length (bit k: length k).
    struct RunLength {
        std::int32_t allowedRuns;
        bool admits(NumberSet column) const {
            return ((allowedRuns >> longestRun(column)) & 1) != 0;
        }
    };

    // The largest sum of four different numbers, and where a Tally keeps its three counts.
    static constexpr int MaxSumOfFour = MainNumberCount * 4 - 6;
    static constexpr Tally SumField = 0xFF;
    static constexpr Tally CountField = 0x7;
    static constexpr int EvenShift = 8;
    static constexpr int FixedShift = 12;
    static_assert(MaxSumOfFour <= SumField && NumbersPerColumn <= CountField);

    FilterTree filters_;
    std::optional<FixedNumbers> fixed_;
    std::optional<SumRange> sum_;
    std::optional<EvenCount> evenCount_;
    bool counted_ = false; // the sum, the even count or the fixed numbers are on
    std::array<Tally, MainNumberCount + 1> tallyOf_{};
    // sumAllowed_[s]: the fifth numbers the sum allows after four numbers of sum s;
    // evenAllowed_[e] and fixedAllowed_[f]: those the even count allows after e even numbers,
    // and the fixed numbers after f fixed ones. All numbers where the condition is off.
    std::array<NumberSet, MaxSumOfFour + 1> sumAllowed_{};
    std::array<NumberSet, CountField + 1> evenAllowed_{};
    std::array<NumberSet, CountField + 1> fixedAllowed_{};
    ExcludedLookup excluded_;
    std::optional<RunLength> runs_;
    std::optional<ReductionIndex> reduced_;
    std::optional<ReductionIndex> distance_;
};

} // namespace quintora
