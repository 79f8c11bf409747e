#pragma once

#include "core/SystemState.h"

#include <algorithm>
#include <vector>

namespace quintora {

// The excluded-column condition: a candidate is rejected when all five numbers of an excluded
// column are among its numbers. Excluded columns of five different numbers are looked up by
// their set; the rare ones with a repeated number match any candidate that holds their numbers.
class ExcludedLookup {
public:
    explicit ExcludedLookup(const ExcludedSet& excluded) {
        active_ = excluded.on();
        for (const auto& c : excluded.columns()) {
            if (!std::all_of(c.begin(), c.end(), [](auto n) { return isMainNumber(n); })) {
                continue; // a number outside 1..50 is never in a candidate
            }
            const NumberSet s = numbersOf(c);
            (s.size() == 5 ? exact_ : partial_).push_back(s);
        }
        std::sort(exact_.begin(), exact_.end(), byBits);
    }

    bool active() const { return active_; }

    bool rejects(NumberSet candidate) const {
        if (std::binary_search(exact_.begin(), exact_.end(), candidate, byBits)) {
            return true;
        }
        return std::any_of(partial_.begin(), partial_.end(),
                           [candidate](NumberSet s) { return s.isSubsetOf(candidate); });
    }

private:
    // Any strict order serves the binary search; the bit words give one.
    static bool byBits(NumberSet a, NumberSet b) { return a.bits() < b.bits(); }

    bool active_ = false;
    std::vector<NumberSet> exact_;
    std::vector<NumberSet> partial_;
};

} // namespace quintora
