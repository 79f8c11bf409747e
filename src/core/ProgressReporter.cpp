#include "core/ProgressReporter.h"

namespace quintora {

void ProgressReporter::reportLimit(std::int32_t accepted) {
    report_.limitReached = true;
    report(accepted);
    stop_ = true;
}

void ProgressReporter::finish(std::int32_t accepted) {
    if (!stop_ && processed_ > 0 && report_.processed != processed_) {
        report(accepted);
    }
}

void ProgressReporter::reportStep(double processed, std::int32_t accepted) {
    steps_.advance(processed);
    report(accepted);
}

void ProgressReporter::report(std::int32_t accepted) {
    report_.processed = processed_;
    report_.accepted = accepted;
    report_.percent = static_cast<int>(roundHalfEven(static_cast<double>(steps_.lastStep()) * 0.4));
    if (callback_) {
        callback_(report_);
    }
}

} // namespace quintora
