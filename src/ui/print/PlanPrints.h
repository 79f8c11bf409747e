#pragma once

#include "core/GameRules.h"
#include "core/Result.h"
#include "print/ListingPlan.h"
#include "print/SlipBatch.h"
#include "print/SlipLayout.h"
#include "print/SlipRun.h"
#include "print/SlipType.h"
#include "ui/print/PrintPages.h"

#include <memory>
#include <QImage>
#include <string>

namespace quintora {

struct SystemState;

// The prints of the printing windows, made from the core's plans with the separators of the
// user's locale and the printed words of the chosen language. Each works on its own copy of
// the system, so the window may change while a print runs.

std::shared_ptr<const PrintPages> calibrationTestPrint(SlipType type, const SlipLayout& layout,
                                                       const std::string& header,
                                                       const PrintWords& words,
                                                       GameRules rules = GameRules::classic());

// The slips of `range`, page i being slip range.first + i.
std::shared_ptr<const PrintPages> slipPrint(const SystemState& system,
                                            const std::string& systemName, SlipType type,
                                            SlipRange range, const SlipLayout& layout,
                                            const std::string& header, const PrintWords& words);

// The slips of `range` of a run of several systems (numbered across the run), page i being
// slip range.first + i. The batch is copied: the pages hold their systems.
std::shared_ptr<const PrintPages> slipBatchPrint(const SlipBatch& batch, SlipRange range,
                                                 const SlipLayout& layout);

// One copy of the listing; refused when both parts are off.
Result<std::shared_ptr<const PrintPages>>
listingPrint(const SystemState& system, const std::string& systemName,
             const ListingOptions& options, const std::string& header, const PrintWords& words);

// The separators of the user's locale for printed numbers.
NumberStyle localeNumberStyle();

// A small picture of one page: the part that holds its items, at `pixelsPerMm`.
QImage pagePicture(const PlanPage& page, double pixelsPerMm);

// The slip printing window's picture of a slip type (slipPicturePage).
QImage slipPicture(SlipType type, const SlipContent& content,
                   GameRules rules = GameRules::classic());

} // namespace quintora
