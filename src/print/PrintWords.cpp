#include "print/PrintWords.h"

#include "settings/Language.h"

#include <array>
#include <utility>

namespace quintora {

PrintWords printWordsFor(Language& language) {
    PrintWords words;
    const std::array<std::pair<const char*, std::string*>, 20> entries{{
        {"0520", &words.slipNumber},   {"0521", &words.testSystemLabel},
        {"0522", &words.page},         {"0523", &words.ofSystem},
        {"0524", &words.systemName},   {"0525", &words.systemColumns},
        {"0526", &words.systemAmount}, {"0527", &words.numbersInPlay},
        {"0528", &words.systemType},   {"0529", &words.forecast},
        {"0530", &words.euroNumbers},  {"0531", &words.conditions},
        {"0532", &words.sumFrom},      {"0533", &words.sumTo},
        {"0534", &words.sumOff},       {"0535", &words.even},
        {"0536", &words.odd},          {"0537", &words.fixed},
        {"0538", &words.consecutive},  {"0539", &words.development},
    }};
    for (const auto& [id, word] : entries) {
        std::string text = language.getLangString(id);
        if (!text.empty()) {
            *word = std::move(text);
        }
    }
    words.types = systemTypeWordsFor(language);
    const std::array<std::pair<const char*, std::string*>, 3> titles{{
        {"2111", &words.listingTitle},
        {"2112", &words.slipsTitle},
        {"2113", &words.calibrationTitle},
    }};
    for (const auto& [id, title] : titles) {
        std::string text = language.getLangString(id);
        if (!text.empty()) {
            *title = std::move(text);
        }
    }
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
