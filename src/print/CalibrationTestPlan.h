#pragma once

#include "print/PagePlan.h"
#include "print/PrintTexts.h"
#include "print/PrintWords.h"
#include "print/SlipLayout.h"
#include "print/SlipType.h"

#include <string>

namespace quintora {

// The calibration test page: the header (and the credit line), a mark on every cell of the
// grid (70 on the 1-column slip, 325 on the 5-column one), "labelSistema -----------" and the
// sample slip number and amount at the name block, with the layout's quality.
PagePlan calibrationTestPlan(SlipType type, const SlipLayout& layout, const std::string& header,
                             const PrintWords& words = {}, const NumberStyle& style = {});

} // namespace quintora
