#pragma once

#include "core/DevelopmentControl.h"
#include "core/ProgressSteps.h"

#include <cstdint>

namespace quintora {

// Counts the candidates of a development, reports progress about 250 times (ProgressSteps)
// and asks the control between two candidates whether to go on. Candidates are numbered
// 1..total in the order they are produced.
class ProgressReporter {
public:
    ProgressReporter(double total, const ProgressCallback& callback, DevelopmentControl& control)
        : steps_(total)
        , report_{total, 0, 0, 0, false}
        , callback_(callback)
        , control_(control) {}

    // Before candidate `number` is looked at, with `accepted` columns kept so far: false once
    // the development must stop (a paused development waits here). Not called once stopped.
    bool beforeCandidate(double number, std::int32_t accepted) {
        processed_ = number;
        if (control_.proceed(number - 1, accepted)) {
            return true;
        }
        stop_ = true;
        return false;
    }

    // Candidates up to `processed` are done, also those an earlier stage rejected unseen:
    // false once the development must stop. Not called once stopped.
    bool processedUpTo(double processed, std::int32_t accepted) {
        processed_ = processed;
        const bool going = control_.proceed(processed, accepted);
        if (!going) {
            stop_ = true;
        }
        reportIfDue(processed, accepted);
        return going;
    }

    // After candidate `number` was looked at.
    void afterCandidate(double number, std::int32_t accepted) { reportIfDue(number, accepted); }

    // The column limit is reached: one more report that says so, and the development stops.
    void reportLimit(std::int32_t accepted);

    // At the end: the last step can come before the last candidate, so end on the exact count.
    void finish(std::int32_t accepted);

    bool stopped() const { return stop_; }

private:
    // Checked for every candidate; the report itself is rare and kept out of line, which
    // leaves the registers to the enumeration.
    void reportIfDue(double processed, std::int32_t accepted) {
        if (steps_.due(processed)) {
            reportStep(processed, accepted);
        }
    }
    void reportStep(double processed, std::int32_t accepted);
    void report(std::int32_t accepted);

    ProgressSteps steps_;
    DevelopmentProgress report_;
    const ProgressCallback& callback_;
    DevelopmentControl& control_;
    double processed_ = 0;
    bool stop_ = false;
};

} // namespace quintora
