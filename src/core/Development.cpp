#include "core/Development.h"

#include "core/ExcludedLookup.h"
#include "core/FilterTree.h"
#include "core/Format.h"
#include "core/ProgressSteps.h"
#include "core/ReductionIndex.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

namespace quintora {

double secondsSinceEpoch() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

std::int64_t secondsSince(double start) {
    return static_cast<std::int64_t>(std::floor(secondsSinceEpoch() - start));
}

std::string limitWarningText(double limit) {
    return std::string("!!! ") + LimitAlarmText + "\rCapienza memoria" +
           formatDevelopmentCount(limit) + " colonne";
}

std::optional<std::string> developmentInputError(const SystemHeader& header) {
    if (header.numbersInPlayCount < NumbersPerColumn) {
        return "Servono almeno 5 numeri in gioco (ce ne sono " +
               std::to_string(header.numbersInPlayCount) + ")";
    }
    if (header.numbersInPlayCount > MainNumberCount) {
        return "Troppi numeri in gioco: " + std::to_string(header.numbersInPlayCount);
    }
    if (header.euroCount != EuroNumbersPerSystem) {
        return "Servono esattamente 2 Euro numeri (ce ne sono " + std::to_string(header.euroCount) +
               ")";
    }
    std::array<bool, MainNumberCount + 1> seen{};
    for (auto n : numbersInPlay(header)) {
        if (!isMainNumber(n)) {
            return "Numero in gioco fuori dall'intervallo 1..50: " + std::to_string(n);
        }
        if (seen[n]) {
            return "Numero in gioco ripetuto: " + std::to_string(n);
        }
        seen[n] = true;
    }
    const auto euro = euroNumbers(header);
    for (auto n : euro) {
        if (!isEuroNumber(n)) {
            return "Euro numero fuori dall'intervallo 1..10: " + std::to_string(n);
        }
    }
    if (euro[0] == euro[1]) {
        return "Euro numero ripetuto: " + std::to_string(euro[0]);
    }
    return std::nullopt;
}

std::string developedSystemType(const SystemState& state, bool stopped) {
    const auto& c = state.conditions;
    const bool other = state.filterCount > 0 || isOn(state.consecutive.consecutiveActive) ||
                       isOn(c.fixedActive) || isOn(c.evenOddActive);
    const bool any = other || isOn(c.sumActive);
    std::string name;
    if (isOn(c.reducedActive)) {
        name = "Ridotto N-" + std::to_string(c.reducedN) + (any ? " Condizionato" : "");
    } else if (isOn(state.minimumDistance.minDistanceActive)) {
        name = "Distanza Minima [" + std::to_string(state.minimumDistance.minDistance) + "]" +
               (any ? " - Condizionato" : "");
    } else {
        name = any ? "Condizionato" : "Integrale";
    }
    if (stopped) {
        name += " - ***";
    }
    return name;
}

void adoptDevelopment(SystemState& state, DevelopmentResult&& result) {
    state.columns = std::move(result.columns);
    state.header.systemType = std::move(result.systemType);
    state.stopRequested = toFlag(result.stopped);
    state.developmentStart = result.developmentStart;
}

namespace {

constexpr NumberMask evenNumbers() {
    NumberMask m = 0;
    for (int n = 2; n <= MainNumberCount; n += 2) {
        m |= numberBit(n);
    }
    return m;
}

// The numbers lo..hi that lie in 1..50, as a mask.
NumberMask numbersBetween(int lo, int hi) {
    lo = std::max(lo, 1);
    hi = std::min(hi, MainNumberCount);
    if (lo > hi) {
        return 0;
    }
    return ((numberBit(hi) << 1) - 1) & ~(numberBit(lo) - 1);
}

} // namespace

DevelopmentResult develop(const SystemState& state, const ProgressCallback& progress,
                          DevelopmentControl& control) {
    // However it returns, a controller waiting for a pause must learn that it ended.
    struct Finished {
        DevelopmentControl& control;
        ~Finished() { control.finished(); }
    } finished{control};

    DevelopmentResult result;
    result.developmentStart = secondsSinceEpoch();

    // The list as the window rebuilds it from its grid: ascending.
    const auto listed = numbersInPlay(state.header);
    std::array<std::uint8_t, MainNumberCount> numbers{};
    std::copy(listed.begin(), listed.end(), numbers.begin());
    const int n = static_cast<int>(listed.size());
    std::sort(numbers.begin(), numbers.begin() + n);
    const auto& cond = state.conditions;

    const NumberMask inPlay = numbersInPlayMask(state.header);
    const bool usable = n >= 5 && std::popcount(inPlay) == n;

    // The test chain, prepared once.
    const bool fixedOn = isOn(cond.fixedActive);
    NumberMask fixedMask = 0;
    for (int v = 1; v <= MainNumberCount; ++v) {
        fixedMask |= cond.fixedNumbers[v - 1] == 1 ? numberBit(v) : 0;
    }
    const int fixedCount = cond.fixedCount;
    const bool sumOn = isOn(cond.sumActive);
    const int sumFrom = cond.sumFrom;
    const int sumTo = cond.sumTo;
    const bool evenOn = isOn(cond.evenOddActive);
    constexpr NumberMask evenMask = evenNumbers();
    int evenAllowed = 0;
    for (int e = 0; e < 6; ++e) {
        evenAllowed |= isOn(cond.evenCountAllowed[e]) ? 1 << e : 0;
    }
    ExcludedLookup excluded(state.excluded);
    FilterTree filters(state, inPlay, n);
    const bool consecutiveOn = isOn(state.consecutive.consecutiveActive);
    const std::int32_t allowedRuns = state.consecutive.allowedRuns;
    const bool reducedOn = isOn(cond.reducedActive);
    ReductionIndex reduced(5 - static_cast<int>(cond.reducedN));
    const bool distanceOn = isOn(state.minimumDistance.minDistanceActive);
    const int d = state.minimumDistance.minDistance;
    ReductionIndex distance(d >= 1 && d <= 5 ? 6 - d : 6);

    const double total = integralSize(n);
    ProgressSteps steps(total);
    DevelopmentProgress report{total, 0, 0, 0, false};
    auto emit = [&](double counter, std::int32_t accepted) {
        report.processed = counter;
        report.accepted = accepted;
        report.percent =
            static_cast<int>(roundHalfEven(static_cast<double>(steps.lastStep()) * 0.4));
        if (progress) {
            progress(report);
        }
    };

    std::vector<Column>& out = result.columns;
    bool stop = false;
    double counter = 0;

    auto reportIfDue = [&] {
        if (steps.due(counter)) {
            steps.advance(counter);
            emit(counter, static_cast<std::int32_t>(out.size()));
        }
    };

    // One combination through the chain; false once the development must end. The fixed,
    // sum, even/odd and filter tests were decided for the fifth number of every 4-number prefix
    // and only the fifth numbers that pass them get here; the rest of the chain runs here. `number`
    // is the combination's position in the enumeration, 1..total.
    auto handle = [&](const Column& candidate, NumberMask m, double number) {
        counter = number;
        stop = stop || !control.proceed(number - 1, static_cast<std::int32_t>(out.size()));
        if (!stop && static_cast<int>(out.size()) < MaxColumns) {
            bool pass = !(excluded.active() && excluded.rejects(m)) &&
                        !(consecutiveOn && ((allowedRuns >> longestRun(m)) & 1) == 0);
            if (pass && (reducedOn || distanceOn)) {
                pass = !(reducedOn && reduced.conflicts(candidate)) &&
                       !(distanceOn && distance.conflicts(candidate));
                if (pass) {
                    if (reducedOn) {
                        reduced.add(candidate);
                    }
                    if (distanceOn) {
                        distance.add(candidate);
                    }
                }
            }
            if (pass) {
                out.push_back(candidate);
            }
        }
        reportIfDue();
        if (static_cast<int>(out.size()) >= MaxColumns) {
            result.limitReached = true;
            report.limitReached = true;
            emit(counter, static_cast<std::int32_t>(out.size()));
            stop = true;
        }
        return !stop;
    };

    // The fifth numbers that pass the fixed, sum, even/odd and filter tests after the prefix
    // m4 (sum s4), as a mask.
    auto fifthNumbersAllowed = [&](NumberMask m4, int s4) {
        NumberMask allowed = filters.active() ? filters.allowedFifth() : ~NumberMask{0};
        if (fixedOn) {
            const int f = std::popcount(m4 & fixedMask);
            allowed &= (f == fixedCount ? ~fixedMask : 0) | (f + 1 == fixedCount ? fixedMask : 0);
        }
        if (sumOn) {
            allowed &= numbersBetween(sumFrom - s4, sumTo - s4);
        }
        if (evenOn) {
            const int e = std::popcount(m4 & evenMask);
            allowed &= (((evenAllowed >> e) & 1) != 0 ? ~evenMask : 0) |
                       (((evenAllowed >> (e + 1)) & 1) != 0 ? evenMask : 0);
        }
        return allowed;
    };

    // A prefix whose every completion a filter column rejects: count its combinations as
    // processed without building them. `position` is the index of the prefix's last number.
    auto prune = [&](int chosen, int number, int position) {
        if (!filters.active() || filters.choose(chosen, number)) {
            return false;
        }
        counter += static_cast<double>(binomial(n - 1 - position, 5 - chosen));
        stop = stop || !control.proceed(counter, static_cast<std::int32_t>(out.size()));
        reportIfDue();
        return true;
    };

    std::array<int, MainNumberCount + 1> position{};
    for (int i = 0; i < n; ++i) {
        position[isMainNumber(numbers[i]) ? numbers[i] : 0] = i;
    }

    if (usable) {
        out.reserve(static_cast<std::size_t>(std::min<double>(total, MaxColumns)));
        // Combinations in lexicographic order of their positions, the last moving fastest.
        Column c{};
        for (int i1 = 0; i1 <= n - 5 && !stop; ++i1) {
            c[0] = numbers[i1];
            const NumberMask m1 = numberBit(c[0]);
            const int s1 = c[0];
            if (prune(1, c[0], i1)) {
                continue;
            }
            for (int i2 = i1 + 1; i2 <= n - 4 && !stop; ++i2) {
                c[1] = numbers[i2];
                const NumberMask m2 = m1 | numberBit(c[1]);
                const int s2 = s1 + c[1];
                if (prune(2, c[1], i2)) {
                    continue;
                }
                for (int i3 = i2 + 1; i3 <= n - 3 && !stop; ++i3) {
                    c[2] = numbers[i3];
                    const NumberMask m3 = m2 | numberBit(c[2]);
                    const int s3 = s2 + c[2];
                    if (prune(3, c[2], i3)) {
                        continue;
                    }
                    for (int i4 = i3 + 1; i4 <= n - 2 && !stop; ++i4) {
                        c[3] = numbers[i4];
                        const NumberMask m4 = m3 | numberBit(c[3]);
                        const int s4 = s3 + c[3];
                        if (prune(4, c[3], i4)) {
                            continue;
                        }
                        const NumberMask fifth = fifthNumbersAllowed(m4, s4);
                        // Only the fifth numbers that pass are visited; the others are counted
                        // by their position.
                        const double before = counter;
                        NumberMask todo = fifth & inPlay & ~((numberBit(c[3]) << 1) - 1);
                        while (todo != 0 && !stop) {
                            c[4] = static_cast<std::uint8_t>(std::countr_zero(todo));
                            todo &= todo - 1;
                            handle(c, m4 | numberBit(c[4]), before + position[c[4]] - i4);
                        }
                        if (!stop) {
                            counter = before + (n - 1 - i4);
                            stop = !control.proceed(counter, static_cast<std::int32_t>(out.size()));
                            reportIfDue();
                        }
                    }
                }
            }
        }
    }
    // The last step can come before the last combination: end on the exact count.
    if (!stop && counter > 0 && report.processed != counter) {
        emit(counter, static_cast<std::int32_t>(out.size()));
    }
    result.stopped = stop;
    result.systemType = developedSystemType(state, stop);
    return result;
}

} // namespace quintora
