#pragma once

#include "core/GameModel.h"

#include <cstdint>
#include <vector>

namespace quintora {

// Answers "does the candidate share at least t numbers with some accepted column?" without
// comparing it with every accepted column: two 5-number columns share at least t numbers
// exactly when they share a t-subset, so the index keeps a bit per t-subset of the accepted
// columns and looks up the candidate's C(5, t) subsets.
class ReductionIndex {
public:
    // threshold t: t <= 0 conflicts with any accepted column, t >= 6 never conflicts.
    explicit ReductionIndex(int threshold);

    // Columns must hold five different numbers of 1..50 in ascending order.
    bool conflicts(const Column& sortedCandidate) const;
    void add(const Column& sortedColumn);

private:
    int threshold_;
    bool any_ = false;
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint8_t> patterns_; // the position sets of the t-subsets of a column
    int subsetCount_ = 0;
};

} // namespace quintora
