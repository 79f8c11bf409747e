#pragma once

#include "print/PagePlan.h"

#include <functional>

namespace quintora {

// A print whose pages are made one at a time, so a long run never holds them all and can
// give the window its turn between two pages.
struct PrintPages {
    PagePlan settings; // title, paper and quality; its pages are not used
    int count = 0;
    std::function<PlanPage(int index)> page;

    // Every page at once, for a preview.
    PagePlan whole() const {
        PagePlan plan = settings;
        plan.pages.clear();
        for (int i = 0; i < count; ++i) {
            plan.pages.push_back(page(i));
        }
        return plan;
    }
};

} // namespace quintora
