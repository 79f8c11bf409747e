#pragma once

#include "core/Result.h"
#include "print/PagePlan.h"
#include "print/PrintTexts.h"
#include "print/PrintWords.h"

#include <memory>
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

// The listing of a system, a page at a time: any page can be made on its own, so a long
// listing is printed without holding its pages. Its layout is that of listingPlan.
class ListingPages {
public:
    // Refused with "Nessuna scelta selezionata" when both parts are off.
    static Result<ListingPages> make(std::shared_ptr<const SystemState> state,
                                     std::string systemName, std::string header,
                                     const ListingOptions& options, const NumberStyle& style = {},
                                     PrintWords words = {});

    // The print job's title and paper; no pages.
    PagePlan settings() const;
    int count() const { return count_; }
    // Page `index`, from 0.
    PlanPage page(int index) const;

private:
    ListingPages(std::shared_ptr<const SystemState> state, std::string systemName,
                 std::string header, const ListingOptions& options, const NumberStyle& style,
                 PrintWords words);

    std::shared_ptr<const SystemState> state_;
    std::string systemName_;
    std::string header_;
    ListingOptions options_;
    NumberStyle style_;
    PrintWords words_;
    int count_ = 1;
};

// One copy of the listing of the system: header, summary and logo, optionally the forecast
// (numbers in play, Euro numbers, conditions) and the columns in blocks of 19, five blocks on
// the first page and eight on each later one, each later page opening with its continuation
// header. Refused with "Nessuna scelta selezionata" when both parts are off. Every copy is
// printed as its own job from the same plan, so each copy's pages count from 1.
Result<PagePlan> listingPlan(const SystemState& state, const std::string& systemName,
                             const std::string& header, const ListingOptions& options,
                             const NumberStyle& style = {}, const PrintWords& words = {});

} // namespace quintora
