#pragma once

#include "core/GameRules.h"
#include "print/PagePlan.h"
#include "print/PrintTexts.h"
#include "print/PrintWords.h"
#include "print/SlipLayout.h"
#include "print/SlipType.h"

#include <string>

namespace quintora {

// The calibration test page: the header (and the credit line), a mark on every cell of the
// grid (70 on the 1-column slip, 325 on the 5-column one) and, under rules beyond Euro 10, on
// the cells of the further Euro numbers too (72 and 335 for Euro 1-12), "labelSistema
// -----------" and the sample slip number and amount at the name block, with the layout's
// quality.
PagePlan calibrationTestPlan(SlipType type, const SlipLayout& layout, const std::string& header,
                             const PrintWords& words = {}, const NumberStyle& style = {},
                             GameRules rules = GameRules::classic());

} // namespace quintora
