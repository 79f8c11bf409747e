#pragma once

#include "core/Result.h"
#include "print/PagePlan.h"
#include "print/PrintTexts.h"
#include "print/PrintWords.h"

#include <string>

namespace quintora {

struct SystemState;

// The choices of the listing dialog.
struct ListingOptions {
    bool forecast = true;   // numbers in play and conditions
    bool columns = true;    // the developed columns
    bool colourLogo = true; // the logo in colour, else in grey tones
};

// Layout of the listing, in twips.
inline constexpr int ListingLeft = 120;
inline constexpr int ListingTop = 250;
inline constexpr int ListingStep = 250;
inline constexpr int ListingLogoX = 4000;
inline constexpr int ListingNumbersPerLine = 31;
inline constexpr int ListingBlockColumns = 19;
inline constexpr int ListingFirstPageBlocks = 5;
inline constexpr int ListingLaterPageBlocks = 8;
inline constexpr int ListingSeparatorLength = 96;
// The logo's natural size, in millimetres.
inline constexpr double ListingLogoWidth = 45;
inline constexpr double ListingLogoHeight = 18;

// One copy of the listing of the system: header, summary and logo, optionally the forecast
// (numbers in play, Euro numbers, conditions) and the columns in blocks of 19, five blocks on
// the first page and eight on each later one, each later page opening with its continuation
// header. Refused with "Nessuna scelta selezionata" when both parts are off. Every copy is
// printed as its own job from the same plan, so each copy's pages count from 1.
Result<PagePlan> listingPlan(const SystemState& state, const std::string& systemName,
                             const std::string& header, const ListingOptions& options,
                             const NumberStyle& style = {}, const PrintWords& words = {});

} // namespace quintora
