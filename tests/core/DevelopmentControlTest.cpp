// Stopping and pausing a development, from its own thread and from another one. The threads
// meet on events only (a progress report, a latch, the control's own waits), never on time,
// so each test gives the same answer on every run, and fails when what it names is removed.
#include "core/Development.h"
#include "support/SystemBuilders.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <latch>
#include <optional>
#include <thread>

using namespace quintora;
using namespace quintora::builders;

namespace {

DevelopmentResult run(const SystemState& s) {
    DevelopmentControl control;
    return develop(s, {}, control);
}

// The stopped result holds exactly the first `accepted` columns of the whole development.
void expectFirstColumnsOfTheWhole(const DevelopmentResult& stopped, const SystemState& s,
                                  std::int32_t accepted) {
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.limitReached);
    ASSERT_EQ(static_cast<std::int32_t>(stopped.columns.size()), accepted);
    const auto whole = run(s);
    ASSERT_GT(whole.columns.size(), stopped.columns.size());
    EXPECT_TRUE(std::equal(stopped.columns.begin(), stopped.columns.end(), whole.columns.begin()));
}

} // namespace

TEST(DevelopmentControl, AStopKeepsTheColumnsAcceptedBeforeIt) {
    const auto s = firstNumbers(25);
    DevelopmentControl control;
    std::int32_t acceptedAtStop = -1;
    const auto r = develop(
        s,
        [&](const DevelopmentProgress& p) {
            if (p.processed > 20000 && acceptedAtStop < 0) {
                acceptedAtStop = p.accepted;
                control.requestStop();
            }
        },
        control);
    EXPECT_EQ(r.systemType, "Integrale - ***");
    expectFirstColumnsOfTheWhole(r, s, acceptedAtStop);
}

TEST(DevelopmentControl, APausedDevelopmentWaitsAndResumesOnAnotherThread) {
    DevelopmentControl control;
    std::optional<DevelopmentProgress> pausedAt; // written before `paused` counts down
    std::latch paused(1);
    std::atomic<bool> resumed{false};
    std::atomic<int> reportsWhilePaused{0};
    DevelopmentResult r;
    std::thread worker([&] {
        r = develop(
            firstNumbers(30),
            [&](const DevelopmentProgress& p) {
                if (!pausedAt && p.percent >= 50) {
                    control.pause();
                    pausedAt = p;
                    paused.count_down();
                } else if (pausedAt && !resumed) {
                    ++reportsWhilePaused;
                }
            },
            control);
    });
    paused.wait();
    const bool pauseRequested = control.pauseRequested();
    // Already paused: this waits until the engine stands still and tells where. A working pause
    // holds it at the next combination, with the counts of the report that paused it.
    const auto counts = control.pauseAndWait();
    resumed = true;
    control.resume();
    const bool stillPaused = control.pauseRequested();
    if (stillPaused) {
        control.requestStop(); // never leave the worker waiting
    }
    worker.join();

    EXPECT_TRUE(pauseRequested);
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(counts->processed, pausedAt->processed);
    EXPECT_EQ(counts->accepted, pausedAt->accepted);
    EXPECT_EQ(reportsWhilePaused, 0);
    EXPECT_FALSE(stillPaused);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.columns.size(), 142506u); // C(30, 5): it went on to the end
    EXPECT_EQ(r.systemType, "Integrale");
}

TEST(DevelopmentControl, APauseFromAnotherThreadShowsTheCountsAStopKeeps) {
    auto s = firstNumbers(30);
    limitSum(s, 60, 90); // fewer columns than combinations, so the two counts differ
    DevelopmentControl control;
    std::optional<DevelopmentProgress> seen; // written before `running` counts down
    std::latch running(1);
    std::atomic<bool> released{false};
    DevelopmentResult r;
    std::thread worker([&] {
        r = develop(
            s,
            [&](const DevelopmentProgress& p) {
                if (!seen && p.percent >= 20) {
                    seen = p;
                    running.count_down();
                    // Held until the pause from the other thread has landed, so the
                    // development cannot end before it.
                    while (!control.pauseRequested() && !released) {
                        std::this_thread::yield();
                    }
                }
            },
            control);
    });
    running.wait();
    const auto counts = control.pauseAndWait();
    released = true;
    control.requestStop();
    const bool stopRequested = control.stopRequested();
    if (!stopRequested) {
        control.resume(); // never leave the worker waiting
    }
    worker.join();

    // It stands still at its next look at the control: no column accepted since the report,
    // though combinations the sum rules out may have been passed over.
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(counts->accepted, seen->accepted);
    EXPECT_GE(counts->processed, seen->processed);
    EXPECT_LT(counts->processed, integralSize(30));
    EXPECT_LT(counts->accepted, counts->processed);
    EXPECT_TRUE(stopRequested);
    EXPECT_EQ(r.systemType, "Condizionato - ***");
    expectFirstColumnsOfTheWhole(r, s, counts->accepted);
    EXPECT_FALSE(control.pauseAndWait().has_value()); // ended: nothing to wait for
}
