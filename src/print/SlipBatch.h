#pragma once

#include "core/Message.h"
#include "core/Money.h"
#include "print/PagePlan.h"
#include "print/SlipLayout.h"
#include "print/SlipRun.h"
#include "print/SlipType.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quintora {

struct SystemState;

// The slips of several systems in one run, in the order they were added: each system's slips
// carry its own columns, Euro numbers and name, and are numbered from 1 within it. A slip of
// the run is numbered 1..totalSlips() across all of them, which is what a range chooses.
class SlipBatch {
public:
    // Which system a slip of the run belongs to, and its number within that system.
    struct Place {
        std::size_t system = 0;
        int slip = 0;
        bool operator==(const Place&) const = default;
    };

    explicit SlipBatch(SlipType type)
        : type_(type) {}

    // The batch keeps the system for as long as it or a copy lives. Each system prints with
    // its own price per column.
    void add(std::shared_ptr<const SystemState> system, std::string name, std::string header,
             NumberStyle style = {}, PrintWords words = {});

    SlipType type() const { return type_; }
    std::size_t systemCount() const { return contents_.size(); }
    const SlipContent& content(std::size_t system) const { return contents_[system]; }
    int slipsOf(std::size_t system) const;
    Cents amountOf(std::size_t system) const;
    int totalSlips() const;
    Cents totalAmount() const;

    // Slip `runSlip` (1..totalSlips()) of the run; {systemCount(), 0} outside it.
    Place place(int runSlip) const;
    PlanPage page(const SlipLayout& layout, int runSlip) const;
    // The slips of `range` (numbered across the run) as their pages' settings: title and
    // quality, no pages.
    PagePlan settings(const SlipLayout& layout) const;
    // The amount of the slips of `range`, numbered across the run.
    Cents amountOf(SlipRange range) const;

private:
    SlipType type_;
    std::vector<std::shared_ptr<const SystemState>> systems_;
    std::vector<SlipContent> contents_; // borrow the columns of systems_
};

// "Totale schedine 12, importo € 24,00": what a run prints, said before it starts. The amount
// comes written as the caller shows money.
Message slipRunSummary(int slips, std::string amount);
// "3 schedine, € 6,00": one system of the run.
Message slipSystemSummary(int slips, std::string amount);

} // namespace quintora
