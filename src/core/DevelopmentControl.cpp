#include "core/DevelopmentControl.h"

namespace quintora {

void DevelopmentControl::requestStop() {
    {
        std::lock_guard lock(mutex_);
        state_.store(Stop);
    }
    changed_.notify_all();
}

void DevelopmentControl::pause() {
    std::lock_guard lock(mutex_);
    int expected = Run;
    state_.compare_exchange_strong(expected, Pause);
}

void DevelopmentControl::resume() {
    {
        std::lock_guard lock(mutex_);
        int expected = Pause;
        state_.compare_exchange_strong(expected, Run);
    }
    changed_.notify_all();
}

std::optional<DevelopmentControl::Counts> DevelopmentControl::pauseAndWait() {
    pause();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pausedAt_ || finished_ || state_.load() != Pause; });
    return state_.load() == Pause ? pausedAt_ : std::nullopt;
}

void DevelopmentControl::finished() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
}

bool DevelopmentControl::waitWhilePaused(Counts counts) {
    std::unique_lock lock(mutex_);
    pausedAt_ = counts;
    changed_.notify_all();
    changed_.wait(lock, [this] { return state_.load() != Pause; });
    pausedAt_.reset();
    return state_.load() == Run;
}

} // namespace quintora
