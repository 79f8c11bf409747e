#pragma once

#include "core/Message.h"
#include "core/SystemState.h"
#include "files/KeptPieces.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

namespace quintora {

// The steps of a system's editing, for undo and redo: after each step, what the system held.
// A step keeps the columns only when it changed them; the others share the column list of
// the step before, so a hundred marks after a large development hold one copy of its columns.
// Each step also keeps the bytes of the opened file that the system was saved with then, so
// undoing a clear or an import saves the file as it came again. The oldest steps are dropped
// beyond the limit.
class SystemHistory {
public:
    // The opened file's own bytes; null for a system that came from no file.
    using Kept = std::shared_ptr<const KeptPieces>;

    static constexpr std::size_t DefaultLimit = 100;

    explicit SystemHistory(std::size_t limit = DefaultLimit);

    // Forgets every step: `state` is where the history starts, and the saved point.
    void reset(const SystemState& state, Kept kept = nullptr);
    // A step named `name` led to `state`, to be saved with `kept`; the steps that could have
    // been redone are dropped.
    void record(Message name, const SystemState& state, bool columnsChanged, Kept kept = nullptr);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < points_.size(); }
    // The name of the step undo or redo would take back or do again; empty when none.
    Message undoName() const;
    Message redoName() const;
    // Moves one step back or forward and writes what the system held there into `state`
    // (numbers, conditions, columns, type and lock; path, name and price stay) and the file
    // bytes it was held with into `kept`. False when there is no such step.
    bool undo(SystemState& state, Kept& kept);
    bool redo(SystemState& state, Kept& kept);

    // The system as it is now was opened or saved.
    void markSaved() { saved_ = current_; }
    bool atSaved() const { return saved_ == current_; }
    std::size_t steps() const { return points_.size() - 1; }
    // The room for columns the history holds in memory, each shared list counted once.
    std::size_t columnsHeld() const;

private:
    struct Point {
        Message name;      // of the step that led here; empty at the start
        SystemState state; // without its columns
        std::shared_ptr<const std::vector<Column>> columns;
        Kept kept;
    };
    static constexpr std::size_t NoPoint = static_cast<std::size_t>(-1);

    void restore(const Point& point, SystemState& state, Kept& kept) const;

    std::size_t limit_;
    std::deque<Point> points_;
    std::size_t current_ = 0;
    std::size_t saved_ = 0; // NoPoint once the saved point was dropped
};

} // namespace quintora
