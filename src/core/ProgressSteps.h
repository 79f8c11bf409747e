#pragma once

#include "core/Format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quintora {

// Progress is reported when round(counter / stepSize) changes, about 250 times in all; the
// counter at which that next happens is worked out once per step, not per combination.
class ProgressSteps {
public:
    explicit ProgressSteps(double total)
        : stepSize_(total / 250.0) {}

    bool due(double counter) const { return counter >= nextAt_; }

    // Called when due: the step for `counter`, and the next counter to look at.
    std::int64_t advance(double counter) {
        const auto step = stepOf(counter);
        lastStep_ = step;
        double next = std::floor((static_cast<double>(step) + 0.5) * stepSize_);
        next = std::max(next - 1, counter + 1);
        while (stepOf(next) == step) {
            next += 1;
        }
        nextAt_ = next;
        return step;
    }

    std::int64_t lastStep() const { return lastStep_; }

private:
    std::int64_t stepOf(double counter) const { return roundHalfEven(counter / stepSize_); }

    double stepSize_;
    double nextAt_ = 1;
    std::int64_t lastStep_ = -1;
};

} // namespace quintora
