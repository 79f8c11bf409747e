#include "core/ConditionChain.h"

namespace quintora {

ConditionChain::ConditionChain(const SystemState& state, NumberSet inPlay, int inPlayCount)
    : filters_(state, inPlay, inPlayCount)
    , excluded_(state.excluded) {
    const auto& c = state.conditions;
    if (c.fixedOn()) {
        fixed_ = FixedNumbers{c.fixed(), c.fixedCount()};
    }
    if (c.sumOn()) {
        sum_ = SumRange{c.sumFrom, c.sumTo};
    }
    if (c.evenOddOn()) {
        evenCount_ = EvenCount{static_cast<int>(c.evenCounts().bits())};
    }
    counted_ = fixed_ || sum_ || evenCount_;
    for (int sum = 0; sum <= MaxSumOfFour; ++sum) {
        sumAllowed_[sum] = sum_ ? sum_->allowedFifth(sum) : NumberSet::all();
    }
    for (int k = 0; k <= static_cast<int>(CountField); ++k) {
        evenAllowed_[k] =
            evenCount_ && k < NumbersPerColumn ? evenCount_->allowedFifth(k) : NumberSet::all();
        fixedAllowed_[k] =
            fixed_ && k < NumbersPerColumn ? fixed_->allowedFifth(k) : NumberSet::all();
    }
    for (int n = 1; n <= MainNumberCount; ++n) {
        const bool even = EvenCount::even.contains(n);
        const bool fixed = fixed_ && fixed_->fixed.contains(n);
        tallyOf_[n] = static_cast<Tally>(n) | static_cast<Tally>(even) << EvenShift |
                      static_cast<Tally>(fixed) << FixedShift;
    }
    if (state.consecutive.on()) {
        runs_ = RunLength{static_cast<std::int32_t>(state.consecutive.runs().bits())};
    }
    // Reduced-N: no two columns share 5 - N numbers. Minimum distance d: none share more than
    // 5 - d (a distance outside 1..5 never conflicts).
    if (c.reducedOn()) {
        reduced_.emplace(NumbersPerColumn - static_cast<int>(c.reducedN));
    }
    if (state.minimumDistance.on()) {
        const int d = state.minimumDistance.minDistance;
        distance_.emplace(d >= 1 && d <= 5 ? NumbersPerColumn + 1 - d : NumbersPerColumn + 1);
    }
}

} // namespace quintora
