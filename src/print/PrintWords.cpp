#include "print/PrintWords.h"

#include "settings/Language.h"
#include "settings/TextTable.h"

#include <array>
#include <utility>

namespace quintora {

namespace {

template <typename Lookup> void fill(PrintWords& words, Lookup text) {
    const std::pair<int, std::string*> entries[] = {
        {520, &words.slipNumber},
        {521, &words.testSystemLabel},
        {522, &words.page},
        {523, &words.ofSystem},
        {524, &words.systemName},
        {525, &words.systemColumns},
        {526, &words.systemAmount},
        {527, &words.numbersInPlay},
        {528, &words.systemType},
        {529, &words.forecast},
        {530, &words.euroNumbers},
        {531, &words.conditions},
        {532, &words.sumFrom},
        {533, &words.sumTo},
        {534, &words.sumOff},
        {535, &words.even},
        {536, &words.odd},
        {537, &words.fixed},
        {538, &words.consecutive},
        {539, &words.development},
        {2111, &words.listingTitle},
        {2112, &words.slipsTitle},
        {2113, &words.calibrationTitle},
        {2110, &words.headerPlaceholder},
    };
    for (const auto& [id, word] : entries) {
        *word = text(id);
    }
}

} // namespace

PrintWords::PrintWords() {
    fill(*this, [](int id) { return TextTable::own().entry(id); });
}

PrintWords printWordsFor(Language& language) {
    PrintWords words;
    fill(words, [&language](int id) { return language.text(Message{id}); });
    words.types = systemTypeWordsFor(language);
    return words;
}

SystemTypeWords systemTypeWordsFor(Language& language) {
    SystemTypeWords words;
    const std::array<std::pair<const char*, std::string*>, 7> entries{{
        {"2105", &words.integral},
        {"2106", &words.conditioned},
        {"2107", &words.reduced},
        {"2108", &words.minimumDistance},
        {"0017", &words.matrix},
        {"0018", &words.reducedMatrix},
        {"2109", &words.textFile},
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
