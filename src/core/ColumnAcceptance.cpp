#include "core/ColumnAcceptance.h"

#include <algorithm>

namespace quintora {

ColumnAcceptance::ColumnAcceptance(ConditionChain& chain, double total,
                                   const ProgressCallback& progress, DevelopmentControl& control)
    : chain_(chain)
    , progress_(total, progress, control) {
    columns_.reserve(static_cast<std::size_t>(std::clamp<double>(total, 0, MaxColumns)));
}

void ColumnAcceptance::finish(DevelopmentResult& result) {
    progress_.finish(accepted_);
    result.columns = std::move(columns_);
    result.stopped = progress_.stopped();
    result.limitReached = limitReached_;
}

} // namespace quintora
