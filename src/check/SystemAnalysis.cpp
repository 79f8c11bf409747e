#include "check/SystemAnalysis.h"

#include <algorithm>

namespace quintora {

namespace {

// C(n, k) for n = 0..50, k = 0..5: the colex rank of a k-set {x1 < ... < xk} of 0..49 is
// the sum of C(xi, i), so every k-set has its own place in a table of C(50, k) entries.
struct Binomials {
    std::array<std::array<std::int32_t, NumbersPerColumn + 1>, MainNumberCount + 1> c{};
    constexpr Binomials() {
        for (int n = 0; n <= MainNumberCount; ++n) {
            for (int k = 0; k <= NumbersPerColumn; ++k) {
                c[n][k] = static_cast<std::int32_t>(binomial(n, k));
            }
        }
    }
};
constexpr Binomials binomials;

std::int32_t rankOf(std::span<const int> sorted) {
    std::int32_t r = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        r += binomials.c[sorted[i]][i + 1];
    }
    return r;
}

// Moves idx (k ascending positions below n) to the next k-set in colex order; false after
// the last one.
bool nextCombination(std::span<int> idx, int n) {
    const auto k = idx.size();
    for (std::size_t i = 0; i < k; ++i) {
        const int limit = i + 1 < k ? idx[i + 1] : n;
        if (idx[i] + 1 < limit) {
            ++idx[i];
            for (std::size_t j = 0; j < i; ++j) {
                idx[j] = static_cast<int>(j);
            }
            return true;
        }
    }
    return false;
}

// reach[k][rank of a k-set S of 0..49]: the most numbers of S that one column holds.
using Reach = std::array<std::vector<std::uint8_t>, NumbersPerColumn + 1>;

void markColumns(Reach& reach, std::span<const Column> columns) {
    for (const auto& column : columns) {
        std::array<int, NumbersPerColumn> numbers{};
        int size = 0;
        for (const int n : numbersOf(column)) {
            numbers[static_cast<std::size_t>(size++)] = n - 1;
        }
        for (unsigned pick = 1; pick < (1U << size); ++pick) {
            std::array<int, NumbersPerColumn> subset{};
            std::size_t k = 0;
            for (int i = 0; i < size; ++i) {
                if (pick & (1U << i)) {
                    subset[k++] = numbers[static_cast<std::size_t>(i)];
                }
            }
            reach[k][static_cast<std::size_t>(rankOf({subset.data(), k}))] =
                static_cast<std::uint8_t>(k);
        }
    }
}

// A k-set not held whole by a column reaches what its best (k-1)-subset reaches. Returns
// false when stopped.
bool spreadLevel(Reach& reach, int k, const AnalysisControl& control, int percentFrom,
                 int percentTo) {
    auto& level = reach[static_cast<std::size_t>(k)];
    const auto& below = reach[static_cast<std::size_t>(k - 1)];
    std::array<int, NumbersPerColumn> idx{};
    for (int i = 0; i < k; ++i) {
        idx[static_cast<std::size_t>(i)] = i;
    }
    const std::span<int> set(idx.data(), static_cast<std::size_t>(k));
    const auto total = level.size();
    std::size_t rank = 0;
    int top = set.back();
    do {
        if (level[rank] != k) {
            // Leaving out element i: the elements above it move down one place in the sum.
            std::uint8_t best = 0;
            std::int32_t tail = 0; // C(x_j, j - 1) of the elements above the one left out
            for (int j = k - 1; j >= 1; --j) {
                tail += binomials.c[idx[static_cast<std::size_t>(j)]][j];
            }
            std::int32_t head = 0; // C(x_j, j + 1) of the elements below it
            for (int i = 0; i < k && best < k - 1; ++i) {
                best = std::max(best, below[static_cast<std::size_t>(head + tail)]);
                if (i + 1 < k) {
                    tail -= binomials.c[idx[static_cast<std::size_t>(i + 1)]][i + 1];
                    head += binomials.c[idx[static_cast<std::size_t>(i)]][i + 1];
                }
            }
            level[rank] = best;
        }
        ++rank;
        if (set.back() != top) {
            top = set.back();
            if (control.stop != nullptr && control.stop->load(std::memory_order_relaxed)) {
                return false;
            }
            if (control.progress) {
                control.progress(percentFrom + static_cast<int>((percentTo - percentFrom) *
                                                                static_cast<double>(rank) /
                                                                static_cast<double>(total)));
            }
        }
    } while (nextCombination(set, MainNumberCount));
    return true;
}

GuaranteeLine guaranteeOf(const Reach& reach, std::span<const int> played, int drawn) {
    GuaranteeLine line;
    line.drawn = drawn;
    line.setsReaching.assign(static_cast<std::size_t>(drawn + 1), 0);
    std::array<int, NumbersPerColumn> idx{}, set{};
    const auto k = static_cast<std::size_t>(drawn);
    for (std::size_t i = 0; i < k; ++i) {
        idx[i] = static_cast<int>(i);
    }
    const auto& level = reach[k];
    do {
        for (std::size_t i = 0; i < k; ++i) {
            set[i] = played[static_cast<std::size_t>(idx[i])];
        }
        const int hits = level[static_cast<std::size_t>(rankOf({set.data(), k}))];
        ++line.setsReaching[static_cast<std::size_t>(drawn - hits)];
    } while (nextCombination({idx.data(), k}, static_cast<int>(played.size())));
    for (int hits = 0; hits <= drawn; ++hits) {
        if (line.setsReaching[static_cast<std::size_t>(drawn - hits)] != 0) {
            line.guaranteed = hits;
            break;
        }
    }
    return line;
}

} // namespace

std::string oddsText(std::int64_t count, std::int64_t total, const OddsWords& words) {
    if (count <= 0 || total <= 0) {
        return words.never;
    }
    const double ratio = static_cast<double>(total) / static_cast<double>(count);
    std::string number;
    if (ratio < 10) {
        const auto hundredths = static_cast<std::int64_t>(ratio * 100 + 0.5);
        const auto cents = hundredths % 100;
        number = std::to_string(hundredths / 100) + words.decimal + (cents < 10 ? "0" : "") +
                 std::to_string(cents);
    } else {
        const auto digits = std::to_string(static_cast<std::int64_t>(ratio + 0.5));
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) {
                number += words.thousands;
            }
            number += digits[i];
        }
    }
    auto text = words.oneIn;
    const auto at = text.find("%1");
    return at == std::string::npos ? text + " " + number : text.replace(at, 2, number);
}

int analysisEuroMax(std::span<const std::uint8_t> systemEuro, GameRules asked) {
    const GameRules needed = GameRules::neededFor(systemEuro);
    return (asked.covers(needed) ? asked : needed).euroMax();
}

std::array<std::int64_t, 3> euroHitOutcomes(std::span<const std::uint8_t> systemEuro, int euroMax) {
    const NumberSet mine =
        NumberSet::of(systemEuro) & NumberSet::range(1, euroMax); // each counted once
    const int count = std::min(mine.size(), EuroNumbersPerSystem);
    std::array<std::int64_t, 3> out{};
    for (int k = 0; k <= 2; ++k) {
        out[static_cast<std::size_t>(k)] = binomial(count, k) * binomial(euroMax - count, 2 - k);
    }
    return out;
}

std::optional<Message> columnNumberProblem(std::span<const Column> columns) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (const int n : columns[c]) {
            if (!isMainNumber(n)) {
                return Message{text::ColumnNumberOutOfRange,
                               {std::to_string(c + 1), std::to_string(n)}};
            }
        }
    }
    return std::nullopt;
}

std::optional<SystemAnalysis> analyseSystem(std::span<const Column> columns,
                                            std::span<const std::uint8_t> systemEuro, int euroMax,
                                            const AnalysisControl& control) {
    Reach reach;
    for (int k = 0; k <= NumbersPerColumn; ++k) {
        reach[static_cast<std::size_t>(k)].assign(
            static_cast<std::size_t>(binomial(MainNumberCount, k)), 0);
    }
    markColumns(reach, columns);
    if (control.progress) {
        control.progress(5);
    }
    // The five-sets are nine tenths of the work.
    constexpr std::array<int, NumbersPerColumn + 1> percent{5, 5, 5, 6, 10, 95};
    for (int k = 2; k <= NumbersPerColumn; ++k) {
        if (!spreadLevel(reach, k, control, percent[static_cast<std::size_t>(k - 1)],
                         percent[static_cast<std::size_t>(k)])) {
            return std::nullopt;
        }
    }

    SystemAnalysis result;
    auto& odds = result.odds;
    odds.euroMax = euroMax;
    std::array<std::int64_t, NumbersPerColumn + 1> mainDraws{};
    for (auto hits : reach[NumbersPerColumn]) {
        ++mainDraws[hits];
    }
    const auto euroDraws = euroHitOutcomes(systemEuro, euroMax);
    for (int main = 0; main <= NumbersPerColumn; ++main) {
        for (int euro = 0; euro <= 2; ++euro) {
            odds.outcomes[static_cast<std::size_t>(prizeCategoryOf(main, euro))] +=
                mainDraws[static_cast<std::size_t>(main)] *
                euroDraws[static_cast<std::size_t>(euro)];
        }
    }
    odds.total = binomial(MainNumberCount, NumbersPerColumn) * binomial(euroMax, 2);

    NumberSet played;
    for (const auto& column : columns) {
        played |= numbersOf(column);
    }
    std::vector<int> numbers;
    for (const int n : played) {
        numbers.push_back(n - 1);
    }
    const int most = std::min(NumbersPerColumn, static_cast<int>(numbers.size()));
    for (int drawn = 1; drawn <= most; ++drawn) {
        result.guarantee.push_back(guaranteeOf(reach, numbers, drawn));
    }
    if (control.progress) {
        control.progress(100);
    }
    return result;
}

} // namespace quintora
