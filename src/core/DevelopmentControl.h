#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace quintora {

// What the progress dialog shows; reported about 250 times per development and once more
// when the column limit is reached.
struct DevelopmentProgress {
    double total = 0;     // the integral size, C(n, 5)
    double processed = 0; // combinations processed so far
    std::int32_t accepted = 0;
    int percent = 0; // 0..100, the progress bar
    bool limitReached = false;
};

using ProgressCallback = std::function<void(const DevelopmentProgress&)>;

// Lets another thread stop or pause a running development. The engine reads it between two
// combinations; a paused engine waits there until resumed or stopped.
class DevelopmentControl {
public:
    // The counts where a paused engine waits.
    struct Counts {
        double processed = 0;
        std::int32_t accepted = 0;
    };

    void requestStop();
    // Safe inside a signal handler: sets the flag only (never used while paused).
    void requestStopFromSignal() { state_.store(Stop, std::memory_order_relaxed); }
    void pause();
    void resume();
    bool stopRequested() const { return state_.load(std::memory_order_relaxed) == Stop; }
    bool pauseRequested() const { return state_.load(std::memory_order_relaxed) == Pause; }
    // Pauses and waits until the engine stands still; its counts then, or nullopt when the
    // development ended (or was stopped) first.
    std::optional<Counts> pauseAndWait();

    // Called by the engine between combinations with the counts so far: false when it must
    // stop; blocks while paused.
    bool proceed(double processed, std::int32_t accepted) {
        return state_.load(std::memory_order_relaxed) == Run ||
               waitWhilePaused({processed, accepted});
    }
    // Called by the engine when it returns.
    void finished();

private:
    enum : int { Run, Pause, Stop };
    bool waitWhilePaused(Counts counts);

    std::atomic<int> state_{Run};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Counts> pausedAt_; // set while the engine waits
    bool finished_ = false;
};

} // namespace quintora
