#include "core/FilterTree.h"

#include <algorithm>

namespace quintora {

FilterTree::FilterTree(const SystemState& state, NumberSet inPlay, int inPlayCount) {
    active_ = state.filterCount > 0;
    const int count = std::clamp(state.filterCount, 0, MaxFilterColumns);
    for (int i = 0; i < count; ++i) {
        const auto& f = state.filters[i];
        // A member that is not in play can never be hit.
        const NumberSet m = f.memberSet() & inPlay;
        const FilterTest t{m, static_cast<std::int32_t>(f.hits().bits())};
        const int inside = m.size();
        const int low = std::max(0, 5 - (inPlayCount - inside));
        const int high = std::min(5, inside);
        const int reachable = ((1 << (high + 1)) - 1) & ~((1 << low) - 1);
        if ((t.acceptedHits & reachable) == reachable) {
            continue; // accepts every candidate
        }
        const bool duplicate = std::any_of(tests_.begin(), tests_.end(), [&](const FilterTest& o) {
            return o.members == t.members && o.acceptedHits == t.acceptedHits;
        });
        if (!duplicate) {
            tests_.push_back(t);
        }
    }
    const auto size = tests_.size();
    for (std::size_t i = 0; i < size; ++i) {
        for (const int v : tests_[i].members) {
            containing_[static_cast<std::size_t>(v)].push_back(static_cast<Id>(i));
        }
    }
    for (auto& level : levels_) {
        level.kept.reserve(size);
        level.keepWithout.reserve(size);
        level.hits.assign(size, 0);
        level.stamp.assign(size, 0);
    }
    auto& root = levels_[0];
    root.generation = 1;
    for (std::size_t i = 0; i < size; ++i) {
        root.kept.push_back(static_cast<Id>(i));
        root.stamp[i] = 1;
    }
    prepareChildren(0);
}

bool FilterTree::choose(int k, int number) {
    const auto& parent = levels_[static_cast<std::size_t>(k - 1)];
    const NumberSet b = NumberSet::single(number);
    if (!parent.allowedChildren.intersects(b)) {
        return false;
    }
    auto& level = levels_[static_cast<std::size_t>(k)];
    level.kept.clear();
    ++level.generation;
    const int remaining = 5 - k;
    for (const auto i : parent.keepWithout) {
        if (!tests_[i].members.intersects(b)) {
            keep(level, i, parent.hits[i]);
        }
    }
    for (const auto i : containing_[static_cast<std::size_t>(number)]) {
        if (parent.stamp[i] != parent.generation) {
            continue; // decided above this level
        }
        const int h = parent.hits[i] + 1;
        switch (status(tests_[i], h, remaining)) {
        case Status::Rejects:
            return false;
        case Status::Undecided:
            keep(level, i, static_cast<std::uint8_t>(h));
            break;
        case Status::Accepts:
            break;
        }
    }
    if (k < 4) {
        prepareChildren(static_cast<std::size_t>(k));
    } else {
        fifth_ = NumberSet::all();
        for (const auto i : level.kept) {
            fifth_ &= verdictOnFifth(tests_[i], level.hits[i]);
        }
    }
    return true;
}

FilterTree::Status FilterTree::status(const FilterTest& t, int hits, int remaining) {
    const int possible = (((1 << (remaining + 1)) - 1) << hits) & 0b111111;
    const int accepted = t.acceptedHits & possible;
    return accepted == 0 ? Status::Rejects
                         : (accepted == possible ? Status::Accepts : Status::Undecided);
}

NumberSet FilterTree::verdictOnFifth(const FilterTest& t, int h) {
    const bool without = (t.acceptedHits >> h) & 1;
    const bool with = (t.acceptedHits >> (h + 1)) & 1;
    return (without ? t.members.complement() : NumberSet{}) | (with ? t.members : NumberSet{});
}

void FilterTree::keep(Level& level, Id i, std::uint8_t hits) {
    level.kept.push_back(i);
    level.hits[i] = hits;
    level.stamp[i] = level.generation;
}

void FilterTree::prepareChildren(std::size_t k) {
    auto& level = levels_[k];
    level.keepWithout.clear();
    level.allowedChildren = NumberSet::all();
    const int remaining = 5 - static_cast<int>(k) - 1;
    for (const auto i : level.kept) {
        switch (status(tests_[i], level.hits[i], remaining)) {
        case Status::Rejects:
            level.allowedChildren &= tests_[i].members; // only a member can save it
            break;
        case Status::Undecided:
            level.keepWithout.push_back(i);
            break;
        case Status::Accepts:
            break;
        }
    }
}

} // namespace quintora
