#include "print/PrintWords.h"

#include "settings/Language.h"
#include "settings/TextTable.h"

#include <array>
#include <utility>

namespace quintora {

namespace {

template <typename Lookup> void fill(PrintWords& words, Lookup text) {
    const std::pair<TextId, std::string*> entries[] = {
        {text::SlipNumberLabel, &words.slipNumber},
        {text::SystemNamePlaceholder, &words.testSystemLabel},
        {text::PageLabel, &words.page},
        {text::OfSystemLabel, &words.ofSystem},
        {text::SystemNameLabel, &words.systemName},
        {text::SystemColumnsLabel, &words.systemColumns},
        {text::SystemAmountLabel, &words.systemAmount},
        {text::NumbersInPlayLabel, &words.numbersInPlay},
        {text::SystemTypeLabel, &words.systemType},
        {text::SystemForecastLabel, &words.forecast},
        {text::EuroNumbersJackpotLabel, &words.euroNumbers},
        {text::SystemConditionsLabel, &words.conditions},
        {text::SumFromLabel, &words.sumFrom},
        {text::SumToLabel, &words.sumTo},
        {text::SumOffLabel, &words.sumOff},
        {text::EvenLabel, &words.even},
        {text::OddLabel, &words.odd},
        {text::FixedLabel, &words.fixed},
        {text::ConsecutiveLabel, &words.consecutive},
        {text::DevelopmentLabel, &words.development},
        {text::ListingJobName, &words.listingTitle},
        {text::SlipsJobName, &words.slipsTitle},
        {text::CalibrationTestJobName, &words.calibrationTitle},
        {text::DefaultHeader, &words.headerPlaceholder},
    };
    for (const auto& [id, word] : entries) {
        *word = text(id);
    }
}

} // namespace

PrintWords::PrintWords() {
    fill(*this, [](TextId id) { return TextTable::own().entry(id); });
}

PrintWords printWordsFor(Language& language) {
    PrintWords words;
    fill(words, [&language](TextId id) { return language.text(Message{id}); });
    words.types = systemTypeWordsFor(language);
    return words;
}

SystemTypeWords systemTypeWordsFor(Language& language) {
    SystemTypeWords words;
    const std::array<std::pair<TextId, std::string*>, 7> entries{{
        {text::IntegralType, &words.integral},
        {text::ConditionedType, &words.conditioned},
        {text::ReducedType, &words.reduced},
        {text::MinimumDistanceType, &words.minimumDistance},
        {text::MatrixWord, &words.matrix},
        {text::ReducedMatrix, &words.reducedMatrix},
        {text::TextFileName, &words.textFile},
    }};
    for (const auto& [id, word] : entries) {
        std::string text = language.getLangString(id);
        if (!text.empty()) {
            *word = std::move(text);
        }
    }
    return words;
}

} // namespace quintora
