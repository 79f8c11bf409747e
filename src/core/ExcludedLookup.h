#pragma once

#include "core/SystemState.h"

#include <algorithm>
#include <bit>
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
            const auto m = maskOf(c);
            (std::popcount(m) == 5 ? exact_ : partial_).push_back(m);
        }
        std::sort(exact_.begin(), exact_.end());
    }

    bool active() const { return active_; }

    bool rejects(NumberMask candidate) const {
        if (std::binary_search(exact_.begin(), exact_.end(), candidate)) {
            return true;
        }
        return std::any_of(partial_.begin(), partial_.end(),
                           [candidate](NumberMask m) { return (m & ~candidate) == 0; });
    }

private:
    bool active_ = false;
    std::vector<NumberMask> exact_;
    std::vector<NumberMask> partial_;
};

} // namespace quintora
