#include "print/SlipBatch.h"

#include "core/SystemState.h"

#include <algorithm>
#include <utility>

namespace quintora {

void SlipBatch::add(std::shared_ptr<const SystemState> system, std::string name, std::string header,
                    NumberStyle style, PrintWords words) {
    SlipContent content =
        slipContentOf(*system, std::move(name), std::move(header), std::move(style));
    content.words = std::move(words);
    systems_.push_back(std::move(system));
    contents_.push_back(std::move(content));
}

int SlipBatch::slipsOf(std::size_t system) const {
    return slipCount(type_, static_cast<int>(contents_[system].columns.size()));
}

Cents SlipBatch::amountOf(std::size_t system) const {
    Cents amount = 0;
    for (int slip = 1; slip <= slipsOf(system); ++slip) {
        amount += slipAmount(type_, contents_[system], slip);
    }
    return amount;
}

int SlipBatch::totalSlips() const {
    int total = 0;
    for (std::size_t i = 0; i < contents_.size(); ++i) {
        total += slipsOf(i);
    }
    return total;
}

Cents SlipBatch::totalAmount() const {
    Cents total = 0;
    for (std::size_t i = 0; i < contents_.size(); ++i) {
        total += amountOf(i);
    }
    return total;
}

SlipBatch::Place SlipBatch::place(int runSlip) const {
    if (runSlip >= 1) {
        int before = 0;
        for (std::size_t i = 0; i < contents_.size(); ++i) {
            const int slips = slipsOf(i);
            if (runSlip <= before + slips) {
                return {i, runSlip - before};
            }
            before += slips;
        }
    }
    return {contents_.size(), 0};
}

PlanPage SlipBatch::page(const SlipLayout& layout, int runSlip) const {
    const Place at = place(runSlip);
    if (at.system >= contents_.size()) {
        return {};
    }
    return slipPage(type_, layout, contents_[at.system], at.slip);
}

PagePlan SlipBatch::settings(const SlipLayout& layout) const {
    PagePlan plan;
    plan.title = contents_.empty() ? PrintWords{}.slipsTitle : contents_.front().words.slipsTitle;
    plan.quality = layout.printQuality;
    return plan;
}

Cents SlipBatch::amountOf(SlipRange range) const {
    Cents amount = 0;
    for (int slip = std::max(range.first, 1); slip <= std::min(range.last, totalSlips()); ++slip) {
        const Place at = place(slip);
        amount += slipAmount(type_, contents_[at.system], at.slip);
    }
    return amount;
}

Message slipRunSummary(int slips, std::string amount) {
    return Message{text::SlipRunTotal, {Message::count(slips), std::move(amount)}};
}

Message slipSystemSummary(int slips, std::string amount) {
    return Message{text::SlipsOfSystem, {Message::count(slips), std::move(amount)}};
}

} // namespace quintora
