#include "core/Development.h"

#include "core/Format.h"
#include "core/ReductionIndex.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

namespace quintora {

void DevelopmentControl::requestStop() {
    {
        std::lock_guard lock(mutex_);
        state_.store(Stop);
    }
    changed_.notify_all();
}

void DevelopmentControl::pause() {
    std::lock_guard lock(mutex_);
    int expected = Run;
    state_.compare_exchange_strong(expected, Pause);
}

void DevelopmentControl::resume() {
    {
        std::lock_guard lock(mutex_);
        int expected = Pause;
        state_.compare_exchange_strong(expected, Run);
    }
    changed_.notify_all();
}

bool DevelopmentControl::waitWhilePaused() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_.load() != Pause; });
    return state_.load() == Run;
}

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
        return "Servono esattamente 2 Euro numeri (ce ne sono " +
               std::to_string(header.euroCount) + ")";
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

constexpr NumberMask bit(int n) { return NumberMask{1} << n; }

constexpr NumberMask evenNumbers() {
    NumberMask m = 0;
    for (int n = 2; n <= MainNumberCount; n += 2) {
        m |= bit(n);
    }
    return m;
}

int longestRun(NumberMask m) {
    int length = 0;
    while (m != 0) {
        m &= m >> 1;
        ++length;
    }
    return length;
}

// One switched-on filter column, reduced to what the test needs.
struct FilterTest {
    NumberMask members;
    std::int32_t acceptedHits;
};

// The filter condition: every filter column must accept the column. The result does not
// depend on the order, so the filter that rejected last is moved to the front: candidates
// that follow each other are alike and tend to fail on the same filter.
class FilterChain {
public:
    FilterChain(const SystemState& state, NumberMask inPlay, int inPlayCount) {
        const int count = std::clamp(state.filterCount, 0, MaxFilterColumns);
        for (int i = 0; i < count; ++i) {
            const auto& f = state.filters[i];
            NumberMask m = 0;
            for (int n = 1; n <= MainNumberCount; ++n) {
                if (f.members[n - 1] == 1) {
                    m |= bit(n);
                }
            }
            m &= inPlay; // a member that is not in play can never be hit
            // Hit counts a candidate can have: at least 5 - (numbers outside), at most 5.
            const int inside = std::popcount(m);
            const int low = std::max(0, 5 - (inPlayCount - inside));
            const int high = std::min(5, inside);
            bool acceptsAll = true;
            for (int h = low; h <= high; ++h) {
                acceptsAll = acceptsAll && (f.acceptedHits & (1 << h)) != 0;
            }
            if (acceptsAll) {
                continue;
            }
            const FilterTest t{m, f.acceptedHits};
            const bool duplicate = std::any_of(tests_.begin(), tests_.end(), [&](const FilterTest& o) {
                return o.members == t.members && o.acceptedHits == t.acceptedHits;
            });
            if (!duplicate) {
                tests_.push_back(t);
            }
        }
        active_ = state.filterCount > 0;
    }

    bool active() const { return active_; }

    bool accepts(NumberMask candidate) {
        const std::size_t n = tests_.size();
        for (std::size_t i = 0; i < n; ++i) {
            const auto& t = tests_[i];
            if ((t.acceptedHits >> std::popcount(candidate & t.members) & 1) == 0) {
                if (i != 0) {
                    std::swap(tests_[i], tests_[0]);
                }
                return false;
            }
        }
        return true;
    }

private:
    std::vector<FilterTest> tests_;
    bool active_ = false;
};

// The excluded-column condition: a candidate is rejected when all five numbers of an excluded
// column are among its numbers. Excluded columns of five different numbers are looked up by
// their set; the rare ones with a repeated number match any candidate that holds their numbers.
class ExcludedTest {
public:
    explicit ExcludedTest(const ExcludedSet& excluded) {
        active_ = isOn(excluded.excludedActive);
        const int count = std::clamp(excluded.excludedCount, 0, MaxExcluded);
        for (int i = 0; i < count; ++i) {
            const auto& c = excluded.excludedColumns[i];
            if (!std::all_of(c.begin(), c.end(), [](auto n) { return isMainNumber(n); })) {
                continue; // a number outside 1..50 is never in a candidate
            }
            const auto m = maskOf(c);
            (std::popcount(m) == 5 ? exact_ : partial_).push_back(m);
        }
        std::sort(exact_.begin(), exact_.end());
    }

    bool active() const { return active_; }

    bool rejects(NumberMask candidate) const {
        if (std::binary_search(exact_.begin(), exact_.end(), candidate)) {
            return true;
        }
        return std::any_of(partial_.begin(), partial_.end(),
                           [candidate](NumberMask m) { return (m & ~candidate) == 0; });
    }

private:
    bool active_ = false;
    std::vector<NumberMask> exact_;
    std::vector<NumberMask> partial_;
};

// Progress is reported when round(counter / stepSize) changes, about 250 times in all; the
// counter at which that next happens is worked out once per step, not per combination.
class ProgressSteps {
public:
    explicit ProgressSteps(double total)
        : stepSize_(total / 250.0) {}

    bool due(double counter) const { return counter >= nextAt_; }

    // Called when due: the step for `counter`, and the next counter to look at.
    std::int64_t advance(double counter) {
        const auto step = stepOf(counter);
        lastStep_ = step;
        double next = std::floor((static_cast<double>(step) + 0.5) * stepSize_);
        next = std::max(next - 1, counter + 1);
        while (stepOf(next) == step) {
            next += 1;
        }
        nextAt_ = next;
        return step;
    }

    std::int64_t lastStep() const { return lastStep_; }

private:
    std::int64_t stepOf(double counter) const { return roundHalfEven(counter / stepSize_); }

    double stepSize_;
    double nextAt_ = 1;
    std::int64_t lastStep_ = -1;
};

} // namespace

DevelopmentResult develop(const SystemState& state, const ProgressCallback& progress,
                          DevelopmentControl& control) {
    DevelopmentResult result;
    result.developmentStart = secondsSinceEpoch();

    const auto numbers = numbersInPlay(state.header);
    const int n = static_cast<int>(numbers.size());
    const auto& cond = state.conditions;

    NumberMask inPlay = 0;
    bool ascending = true;
    for (int i = 0; i < n; ++i) {
        inPlay |= isMainNumber(numbers[i]) ? bit(numbers[i]) : 0;
        ascending = ascending && (i == 0 || numbers[i] > numbers[i - 1]);
    }
    const bool usable = n >= 5 && std::popcount(inPlay) == n;

    // The test chain, prepared once.
    const bool fixedOn = isOn(cond.fixedActive);
    NumberMask fixedMask = 0;
    for (int v = 1; v <= MainNumberCount; ++v) {
        fixedMask |= cond.fixedNumbers[v - 1] == 1 ? bit(v) : 0;
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
    ExcludedTest excluded(state.excluded);
    FilterChain filters(state, inPlay, n);
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
        report.percent = static_cast<int>(roundHalfEven(static_cast<double>(steps.lastStep()) * 0.4));
        if (progress) {
            progress(report);
        }
    };

    std::vector<Column>& out = result.columns;
    bool stop = false;
    double counter = 0;

    auto handle = [&](const Column& candidate, NumberMask m, int sum) {
        counter += 1;
        stop = stop || !control.proceed();
        if (!stop && static_cast<int>(out.size()) < MaxColumns) {
            bool pass = !(fixedOn && std::popcount(m & fixedMask) != fixedCount) &&
                        !(sumOn && (sum < sumFrom || sum > sumTo)) &&
                        !(evenOn && ((evenAllowed >> std::popcount(m & evenMask)) & 1) == 0) &&
                        !(excluded.active() && excluded.rejects(m)) &&
                        !(filters.active() && !filters.accepts(m)) &&
                        !(consecutiveOn && ((allowedRuns >> longestRun(m)) & 1) == 0);
            if (pass && (reducedOn || distanceOn)) {
                Column sorted = candidate;
                if (!ascending) {
                    std::sort(sorted.begin(), sorted.end());
                }
                pass = !(reducedOn && reduced.conflicts(sorted)) &&
                       !(distanceOn && distance.conflicts(sorted));
                if (pass) {
                    if (reducedOn) {
                        reduced.add(sorted);
                    }
                    if (distanceOn) {
                        distance.add(sorted);
                    }
                }
            }
            if (pass) {
                out.push_back(candidate);
            }
        }
        if (steps.due(counter)) {
            steps.advance(counter);
            emit(counter, static_cast<std::int32_t>(out.size()));
        }
        if (static_cast<int>(out.size()) >= MaxColumns) {
            result.limitReached = true;
            report.limitReached = true;
            emit(counter, static_cast<std::int32_t>(out.size()));
            stop = true;
        }
        return !stop;
    };

    if (usable) {
        out.reserve(static_cast<std::size_t>(std::min<double>(total, MaxColumns)));
        // Combinations in lexicographic order of their positions, the last moving fastest.
        Column c{};
        for (int i1 = 0; i1 <= n - 5; ++i1) {
            c[0] = numbers[i1];
            const NumberMask m1 = bit(c[0]);
            const int s1 = c[0];
            for (int i2 = i1 + 1; i2 <= n - 4; ++i2) {
                c[1] = numbers[i2];
                const NumberMask m2 = m1 | bit(c[1]);
                const int s2 = s1 + c[1];
                for (int i3 = i2 + 1; i3 <= n - 3; ++i3) {
                    c[2] = numbers[i3];
                    const NumberMask m3 = m2 | bit(c[2]);
                    const int s3 = s2 + c[2];
                    for (int i4 = i3 + 1; i4 <= n - 2; ++i4) {
                        c[3] = numbers[i4];
                        const NumberMask m4 = m3 | bit(c[3]);
                        const int s4 = s3 + c[3];
                        for (int i5 = i4 + 1; i5 <= n - 1; ++i5) {
                            c[4] = numbers[i5];
                            if (!handle(c, m4 | bit(c[4]), s4 + c[4])) {
                                goto finished;
                            }
                        }
                    }
                }
            }
        }
    }
finished:
    // The last step can come before the last combination: end on the exact count.
    if (!stop && counter > 0 && report.processed != counter) {
        emit(counter, static_cast<std::int32_t>(out.size()));
    }
    result.stopped = stop;
    result.systemType = developedSystemType(state, stop);
    return result;
}

} // namespace quintora
