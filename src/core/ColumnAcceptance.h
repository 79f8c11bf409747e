#pragma once

#include "core/ConditionChain.h"
#include "core/DevelopmentControl.h"
#include "core/DevelopmentResult.h"
#include "core/ProgressReporter.h"

#include <vector>

namespace quintora {

// Where the candidates of a development end up, whatever produces them in order (the
// enumeration of the numbers in play, or a source of ready-made columns): the whole-column
// stage of the condition chain, the column limit (MaxColumns) and the progress with the
// control's pause and stop.
class ColumnAcceptance {
public:
    // total: how many candidates the producer numbers 1..total.
    ColumnAcceptance(ConditionChain& chain, double total, const ProgressCallback& progress,
                     DevelopmentControl& control);

    // Candidate `number`, an ascending column and its numbers: kept when the chain admits it
    // below the limit. False once the development must end (stopped, or the limit reached);
    // then no more candidates may be offered.
    bool offer(const Column& candidate, NumberSet numbers, double number) {
        const bool going = progress_.beforeCandidate(number, accepted_);
        if (going && accepted_ < MaxColumns && chain_.admitsColumn(candidate, numbers)) {
            columns_.push_back(candidate);
            ++accepted_;
        }
        progress_.afterCandidate(number, accepted_);
        if (accepted_ >= MaxColumns) {
            limitReached_ = true;
            progress_.reportLimit(accepted_);
            return false;
        }
        return going;
    }

    // Candidates up to `processed` are done, also those never offered because an earlier
    // stage rejected them: false once the development must end (as for offer).
    bool skipTo(double processed) { return progress_.processedUpTo(processed, accepted_); }

    // Ends the development: reports the exact last count, moves the kept columns into
    // `result` and says how it ended (stopped, limitReached); the caller names the system.
    void finish(DevelopmentResult& result);

private:
    ConditionChain& chain_;
    ProgressReporter progress_;
    std::vector<Column> columns_;
    std::int32_t accepted_ = 0; // columns_.size(), kept at hand
    bool limitReached_ = false;
};

} // namespace quintora
