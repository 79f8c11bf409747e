#include "core/SystemTypeText.h"

#include <array>
#include <cctype>
#include <utility>

namespace quintora {

namespace {

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string shownSystemType(std::string_view stored, const SystemTypeWords& words) {
    const SystemTypeWords own;
    // Longer words first: "Matrice Ridotta" before "Matrice".
    const std::array<std::pair<const std::string&, const std::string&>, 7> pairs{{
        {own.reducedMatrix, words.reducedMatrix},
        {own.minimumDistance, words.minimumDistance},
        {own.conditioned, words.conditioned},
        {own.integral, words.integral},
        {own.reduced, words.reduced},
        {own.matrix, words.matrix},
        {own.textFile, words.textFile},
    }};
    std::string shown;
    std::size_t i = 0;
    while (i < stored.size()) {
        bool replaced = false;
        if (i == 0 || !isLetter(stored[i - 1])) {
            for (const auto& [word, translation] : pairs) {
                const std::size_t end = i + word.size();
                if (stored.substr(i, word.size()) == word &&
                    (end == stored.size() || !isLetter(stored[end]))) {
                    shown += translation;
                    i = end;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            shown += stored[i];
            ++i;
        }
    }
    return shown;
}

} // namespace quintora
