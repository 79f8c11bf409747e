#include "support/ReferenceDevelopment.h"

#include "core/Development.h"

#include <array>

namespace quintora::reference {

ReferenceResult develop(const SystemState& state) {
    const int n = state.header.numberCount();
    const auto list = numbersInPlay(state.header);
    const auto& cond = state.conditions;
    std::array<bool, 6> runAllowed{};
    for (int k = 1; k <= 5; ++k) {
        runAllowed[k] = state.consecutive.runs().contains(k);
    }
    std::array<bool, MainNumberCount + 1> present{};
    ReferenceResult result;
    auto& accepted = result.columns;
    bool stop = false;

    const double total = integralSize(n);
    std::array<int, 6> c{};
    for (double counter = 1; counter <= total; counter += 1) {
        if (counter == 1) {
            for (int i = 1; i <= 5; ++i) {
                c[i] = i;
            }
        } else {
            int i = 5;
            while (c[i] >= n - 5 + i) {
                --i;
            }
            c[i] += 1;
            for (int j = i + 1; j <= 5; ++j) {
                c[j] = c[j - 1] + 1;
            }
        }
        Column cand{};
        for (int p = 0; p < 5; ++p) {
            cand[p] = list[c[p + 1] - 1];
            present[cand[p]] = true;
        }
        const auto isPresent = [&](std::uint8_t v) {
            return v >= 1 && v <= 50 && present[v];
        };

        bool pass = static_cast<int>(accepted.size()) < MaxColumns;
        if (pass && cond.fixedOn()) {
            int count = 0;
            for (auto v : cand) {
                count += cond.fixed().contains(v) ? 1 : 0;
            }
            pass = count == cond.fixedCount();
        }
        if (pass && cond.sumOn()) {
            int sum = 0;
            for (auto v : cand) {
                sum += v;
            }
            pass = cond.sumFrom <= sum && sum <= cond.sumTo;
        }
        if (pass && cond.evenOddOn()) {
            int even = 0;
            for (auto v : cand) {
                even += v % 2 == 0 ? 1 : 0;
            }
            pass = cond.evenCounts().contains(even);
        }
        if (pass && state.excluded.on()) {
            for (std::size_t e = 0; e < state.excluded.columns().size() && pass; ++e) {
                int count = 0;
                for (auto v : state.excluded.columns()[e]) {
                    count += isPresent(v) ? 1 : 0;
                }
                pass = count != 5;
            }
        }
        for (int f = 0; pass && f < state.filterCount; ++f) {
            int hits = 0;
            for (auto v : cand) {
                hits += state.filters[f].memberSet().contains(v) ? 1 : 0;
            }
            pass = state.filters[f].hits().contains(hits);
        }
        if (pass && state.consecutive.on()) {
            int longest = 1;
            int run = 1;
            for (int p = 1; p < 5; ++p) {
                run = cand[p] == cand[p - 1] + 1 ? run + 1 : 1;
                longest = std::max(longest, run);
            }
            pass = runAllowed[longest];
        }
        if (pass && cond.reducedOn()) {
            const auto limit = static_cast<std::int16_t>(5 - cond.reducedN);
            for (auto j = accepted.size(); pass && j-- > 0;) {
                std::int16_t count = 0;
                for (auto v : accepted[j]) {
                    count += isPresent(v) ? 1 : 0;
                }
                pass = count < limit;
            }
        }
        if (pass && state.minimumDistance.on()) {
            const auto limit = static_cast<std::uint8_t>(5 - state.minimumDistance.minDistance);
            for (auto j = accepted.size(); pass && j-- > 0;) {
                std::uint8_t count = 0;
                for (auto v : accepted[j]) {
                    count += isPresent(v) ? 1 : 0;
                }
                pass = count <= limit;
            }
        }
        if (pass) {
            accepted.push_back(cand);
        }
        for (auto v : cand) {
            present[v] = false;
        }
        if (static_cast<int>(accepted.size()) >= MaxColumns) {
            stop = true;
        }
        if (stop) {
            break;
        }
    }
    result.systemType = developedSystemType(state, stop);
    return result;
}

} // namespace quintora::reference
