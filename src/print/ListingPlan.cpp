#include "print/ListingPlan.h"

#include "core/Format.h"
#include "core/SystemState.h"

#include <algorithm>

namespace quintora {

namespace {

const std::string EmDash = "\xE2\x80\x94";

std::string separator() {
    std::string s;
    for (int i = 0; i < ListingSeparatorLength; ++i) {
        s += EmDash;
    }
    return s;
}

// A tab moves to the next stop of eight characters, as the monospaced face lines them up.
std::string expandTabs(const std::string& text) {
    std::string out;
    std::size_t column = 0;
    for (const char c : text) {
        if (c == '\t') {
            do {
                out += ' ';
                ++column;
            } while (column % 8 != 0);
        } else {
            out += c;
            // Continuation bytes of UTF-8 do not take a place of their own.
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++column;
            }
        }
    }
    return out;
}

// Where the next line goes, in twips, as a printer's current position moves: a line end goes
// down by the line height, a step down by 250.
class ListingWriter {
public:
    ListingWriter(PlanPage& page, int pageNumber)
        : page_(page)
        , pageNumber_(pageNumber) {}

    void setBold(bool bold) { bold_ = bold; }
    void line(const std::string& text) {
        place(text);
        y_ += mmToTwips(lineHeightMm(font()));
    }
    void place(const std::string& text) {
        if (!text.empty()) {
            page_.items.emplace_back(
                TextItem{twipsToMm(ListingLeft), twipsToMm(y_), expandTabs(text), font(), false});
        }
    }
    void stepDown(double twips = ListingStep) { y_ += twips; }
    double y() const { return y_; }
    int pageNumber() const { return pageNumber_; }
    void logo(bool colour) {
        page_.items.emplace_back(LogoItem{twipsToMm(ListingLogoX), twipsToMm(y_), ListingLogoWidth,
                                          ListingLogoHeight, colour});
    }

private:
    TextFont font() const { return TextFont{FontFace::CourierNew, 10, bold_}; }

    PlanPage& page_;
    int pageNumber_;
    double y_ = ListingTop;
    bool bold_ = false;
};

std::string numberRun(const std::vector<int>& numbers) {
    std::string out;
    for (const int n : numbers) {
        out += twoDigits(n) + " ";
    }
    return out;
}

void writeSummary(ListingWriter& w, const SystemState& state, const std::string& systemName,
                  const std::string& header, const ListingOptions& options,
                  const NumberStyle& style, const PrintWords& words) {
    w.setBold(true);
    w.line(words.page + std::to_string(w.pageNumber()) + " " + printedHeader(header, words) +
           creditSuffix());
    w.setBold(false);
    w.line(separator());
    w.setBold(true);
    w.place(words.systemName + systemName);
    w.logo(options.colourLogo);
    w.stepDown(500);
    w.line(words.systemColumns + std::to_string(state.columnCount()));
    w.stepDown();
    w.line(words.systemAmount + "\xE2\x82\xAC " + groupedAmount(systemCost(state), style));
    w.stepDown();
    w.line(words.numbersInPlay + std::to_string(int{state.header.numberCount()}) + "\t" +
           words.systemType + shownSystemType(state.header.systemType, words.types));
    w.setBold(false);
    w.stepDown();
}

void titled(ListingWriter& w, const std::string& title) {
    w.line(separator());
    w.setBold(true);
    w.line(title);
    w.setBold(false);
    w.line(separator());
}

void writeForecast(ListingWriter& w, const SystemState& state, const PrintWords& words) {
    titled(w, words.forecast);
    const auto numbers = numbersInPlay(state.header);
    for (std::size_t start = 0; start < numbers.size(); start += ListingNumbersPerLine) {
        const std::size_t end = std::min(numbers.size(), start + ListingNumbersPerLine);
        w.place(numberRun(std::vector<int>(numbers.begin() + static_cast<std::ptrdiff_t>(start),
                                           numbers.begin() + static_cast<std::ptrdiff_t>(end))));
        w.stepDown();
    }
    if (numbers.empty()) {
        w.stepDown();
    }
    titled(w, words.euroNumbers);
    const auto euros = euroNumbers(state.header);
    w.place(numberRun(std::vector<int>(euros.begin(), euros.end())));
    w.stepDown();

    w.line(separator());
    w.setBold(true);
    w.line(words.conditions);
    w.setBold(false);
    w.line(separator());
    const ConditionSet& c = state.conditions;
    if (c.sumOn()) {
        w.line(words.sumFrom + std::to_string(c.sumFrom) + words.sumTo + std::to_string(c.sumTo));
    } else {
        w.line(words.sumOff);
    }
    std::string even = words.even;
    std::string odd = words.odd;
    if (c.evenOddOn()) {
        for (int k = 0; k <= NumbersPerColumn; ++k) {
            if (c.evenCounts().contains(k)) {
                even += twoDigits(k) + " ";
                odd += twoDigits(NumbersPerColumn - k) + " ";
            }
        }
    }
    w.line(even);
    w.line(odd);
    std::string fixed = words.fixed;
    if (c.fixedOn()) {
        for (const int n : c.fixed()) {
            fixed += twoDigits(n) + " ";
        }
    }
    w.line(fixed);
    std::string runs;
    if (state.consecutive.on()) {
        for (int k = 0; k <= NumbersPerColumn; ++k) {
            if (state.consecutive.runs().contains(k)) {
                runs += (runs.empty() ? "" : " ") + twoDigits(k);
            }
        }
    }
    w.line(words.consecutive + runs);
    w.stepDown();
}

void writeBlock(ListingWriter& w, const SystemState& state, std::size_t block) {
    w.line(separator());
    const std::size_t count = state.columns.size();
    const std::size_t begin = block * ListingBlockColumns;
    const std::size_t end = std::min(count, begin + ListingBlockColumns);
    for (std::size_t j = 0; j < NumbersPerColumn; ++j) {
        std::string row;
        for (std::size_t c = begin; c < end; ++c) {
            row += twoDigits(state.columns[c][j]) + " | ";
        }
        w.place(row);
        w.stepDown();
    }
    w.line(separator());
    w.stepDown();
}

std::size_t blockCount(const SystemState& state) {
    return (state.columns.size() + ListingBlockColumns - 1) / ListingBlockColumns;
}

} // namespace

ListingPages::ListingPages(std::shared_ptr<const SystemState> state, std::string systemName,
                           std::string header, const ListingOptions& options,
                           const NumberStyle& style, PrintWords words)
    : state_(std::move(state))
    , systemName_(std::move(systemName))
    , header_(std::move(header))
    , options_(options)
    , style_(style)
    , words_(std::move(words)) {
    const std::size_t blocks = options_.columns ? blockCount(*state_) : 0;
    const std::size_t later = blocks > ListingFirstPageBlocks ? blocks - ListingFirstPageBlocks : 0;
    count_ = 1 + static_cast<int>((later + ListingLaterPageBlocks - 1) / ListingLaterPageBlocks);
}

Result<ListingPages> ListingPages::make(std::shared_ptr<const SystemState> state,
                                        std::string systemName, std::string header,
                                        const ListingOptions& options, const NumberStyle& style,
                                        PrintWords words) {
    if (!options.forecast && !options.columns) {
        return Error{Message{text::ErrorSpaced}, Message{text::NothingSelected}};
    }
    return ListingPages(std::move(state), std::move(systemName), std::move(header), options, style,
                        std::move(words));
}

PagePlan ListingPages::settings() const {
    PagePlan plan;
    plan.title = words_.listingTitle;
    plan.fitsPrintableArea = true;
    return plan;
}

PlanPage ListingPages::page(int index) const {
    PlanPage page;
    ListingWriter w(page, index + 1);
    const SystemState& state = *state_;
    std::size_t firstBlock = 0;
    std::size_t blocks = 0;
    if (index == 0) {
        writeSummary(w, state, systemName_, header_, options_, style_, words_);
        if (options_.forecast) {
            writeForecast(w, state, words_);
        }
        if (!options_.columns) {
            return page;
        }
        w.setBold(true);
        w.line(words_.development);
        w.setBold(false);
        blocks = ListingFirstPageBlocks;
    } else {
        w.setBold(true);
        w.line(words_.page + std::to_string(w.pageNumber()) + words_.ofSystem + systemName_ +
               " - " + creditLine());
        w.setBold(false);
        w.line("");
        firstBlock =
            ListingFirstPageBlocks + static_cast<std::size_t>(index - 1) * ListingLaterPageBlocks;
        blocks = ListingLaterPageBlocks;
    }
    const std::size_t end = std::min(blockCount(state), firstBlock + blocks);
    for (std::size_t b = firstBlock; b < end; ++b) {
        writeBlock(w, state, b);
    }
    return page;
}

Result<PagePlan> listingPlan(const SystemState& state, const std::string& systemName,
                             const std::string& header, const ListingOptions& options,
                             const NumberStyle& style, const PrintWords& words) {
    auto pages = ListingPages::make(std::make_shared<const SystemState>(state), systemName, header,
                                    options, style, words);
    if (!pages) {
        return pages.error();
    }
    PagePlan plan = pages.value().settings();
    for (int i = 0; i < pages.value().count(); ++i) {
        plan.pages.push_back(pages.value().page(i));
    }
    return plan;
}

} // namespace quintora
