#include "document/SystemHistory.h"

#include <set>

namespace quintora {

SystemHistory::SystemHistory(std::size_t limit)
    : limit_(limit == 0 ? 1 : limit) {
    reset(SystemState{});
}

void SystemHistory::reset(const SystemState& state, Kept kept) {
    points_.clear();
    Point start{Message{}, state, std::make_shared<const std::vector<Column>>(state.columns),
                std::move(kept)};
    std::vector<Column>().swap(start.state.columns); // clear() would keep the memory
    points_.push_back(std::move(start));
    current_ = 0;
    saved_ = 0;
}

namespace {

// The same numbers, conditions, type and lock: what a step may change, the columns aside.
bool sameEditing(const SystemState& a, const SystemState& b) {
    return a.header == b.header && a.conditions == b.conditions && a.excluded == b.excluded &&
           a.consecutive == b.consecutive && a.minimumDistance == b.minimumDistance &&
           a.filters == b.filters && a.filterCount == b.filterCount && a.locked == b.locked;
}

} // namespace

void SystemHistory::record(Message name, const SystemState& state, bool columnsChanged, Kept kept) {
    const Point& now = points_[current_];
    if (sameEditing(now.state, state) && (!columnsChanged || *now.columns == state.columns) &&
        now.kept == kept) {
        return; // nothing changed: no step to undo
    }
    points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, points_.end());
    if (saved_ != NoPoint && saved_ > current_) {
        saved_ = NoPoint; // the saved system was undone and then replaced
    }
    Point next{std::move(name), SystemState{}, points_.back().columns, std::move(kept)};
    // A change that says it touched the columns may have left them as they were.
    if (columnsChanged && *next.columns == state.columns) {
        columnsChanged = false;
    }
    if (columnsChanged) {
        next.columns = std::make_shared<const std::vector<Column>>(state.columns);
    }
    // Copy everything but the columns.
    next.state = state;
    std::vector<Column>().swap(next.state.columns); // clear() would keep the memory
    points_.push_back(std::move(next));
    current_ = points_.size() - 1;
    while (points_.size() > limit_ + 1) {
        points_.pop_front();
        --current_;
        saved_ = saved_ == 0 || saved_ == NoPoint ? NoPoint : saved_ - 1;
    }
}

Message SystemHistory::undoName() const {
    return canUndo() ? points_[current_].name : Message{};
}

Message SystemHistory::redoName() const {
    return canRedo() ? points_[current_ + 1].name : Message{};
}

bool SystemHistory::undo(SystemState& state, Kept& kept) {
    if (!canUndo()) {
        return false;
    }
    --current_;
    restore(points_[current_], state, kept);
    return true;
}

bool SystemHistory::redo(SystemState& state, Kept& kept) {
    if (!canRedo()) {
        return false;
    }
    ++current_;
    restore(points_[current_], state, kept);
    return true;
}

void SystemHistory::restore(const Point& point, SystemState& state, Kept& kept) const {
    SystemState next = point.state;
    next.columns = *point.columns;
    // Where the system is stored and what a column costs are not part of its editing.
    next.systemPath = std::move(state.systemPath);
    next.systemFileName = std::move(state.systemFileName);
    next.pricePerColumn = state.pricePerColumn;
    next.developmentStart = state.developmentStart;
    state = std::move(next);
    kept = point.kept;
}

std::size_t SystemHistory::columnsHeld() const {
    std::set<const std::vector<Column>*> lists;
    std::size_t held = 0;
    for (const auto& point : points_) {
        if (lists.insert(point.columns.get()).second) {
            held += point.columns->capacity();
        }
        held += point.state.columns.capacity();
    }
    return held;
}

} // namespace quintora
