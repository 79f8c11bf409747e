#pragma once

#include "core/SystemState.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

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

struct DevelopmentResult {
    std::vector<Column> columns; // the accepted columns, in enumeration order
    std::string systemType;
    bool stopped = false;        // by request or by the limit: the name carries " - ***"
    bool limitReached = false;   // MaxColumns accepted: show the limit warning
    double developmentStart = 0; // when it began, seconds since the epoch
};

// Why the numbers of `header` cannot be developed (fewer than 5 numbers in play, not exactly
// 2 Euro numbers, numbers out of range or repeated), or nullopt when they can.
std::optional<std::string> developmentInputError(const SystemHeader& header);

// Whole seconds from `start` (seconds since the epoch) to now.
std::int64_t secondsSince(double start);
double secondsSinceEpoch();

// Develops the numbers in play of `state` (header.numbersInPlay, taken in ascending order, the
// first numbersInPlayCount entries) through every condition of `state`. Reads state only, so it may
// run on any thread; the result is the same on any thread.
DevelopmentResult develop(const SystemState& state, const ProgressCallback& progress,
                          DevelopmentControl& control);

// The system's name for the conditions of `state`.
std::string developedSystemType(const SystemState& state, bool stopped);

// Stores a result in the system: columns, systemType and when it began.
void adoptDevelopment(SystemState& state, DevelopmentResult&& result);

// The texts shown when the column limit is reached.
inline constexpr const char* LimitAlarmText = "Colonne superiori alla capienza della memoria";
inline constexpr const char* LimitWarningTitle = "ATTENZIONE";
// "!!! Colonne superiori alla capienza della memoria" CR "Capienza memoria" limit " colonne".
std::string limitWarningText(double limit);

} // namespace quintora
