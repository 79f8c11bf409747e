#include "core/Development.h"

#include "core/ColumnAcceptance.h"
#include "core/ConditionChain.h"
#include "core/Format.h"

#include <array>
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

Message limitWarningText(double limit) {
    // Two lines parted by a lone CR, as the box has always shown them.
    return Message::lines({Message{text::OverMemoryCapacityBanner},
                           Message{text::MemoryCapacityColumns,
                                   {Message::count(static_cast<long long>(roundHalfEven(limit)))}}},
                          "\r");
}

std::optional<Message> developmentInputError(const SystemHeader& header) {
    if (header.numberCount() < NumbersPerColumn) {
        return Message{text::TooFewNumbersInPlay, {std::to_string(header.numberCount())}};
    }
    if (header.numberCount() > MainNumberCount) {
        return Message{text::TooManyNumbersInPlay, {std::to_string(header.numberCount())}};
    }
    if (header.euroCount() != EuroNumbersPerSystem) {
        return Message{text::NeedTwoEuroNumbers, {std::to_string(header.euroCount())}};
    }
    return std::nullopt;
}

std::string developedSystemType(const SystemState& state, bool stopped) {
    const auto& c = state.conditions;
    const bool other =
        state.filterCount > 0 || state.consecutive.on() || c.fixedOn() || c.evenOddOn();
    const bool any = other || c.sumOn();
    std::string name;
    if (c.reducedOn()) {
        name = "Ridotto N-" + std::to_string(c.reducedN) + (any ? " Condizionato" : "");
    } else if (state.minimumDistance.on()) {
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
    state.developmentStart = result.developmentStart;
}

namespace {

// Enumerates the combinations of the numbers in play in lexicographic order of their
// positions in the ascending list, the last moving fastest, and lets the condition chain decide
// as early as it can: a prefix that no column can pass is skipped with its completions counted
// as processed, and of a 4-number prefix only the fifth numbers that pass the fifth-number stage
// are built and offered to the acceptance, each numbered by its place in the enumeration.
// Every level walks the set of the numbers still possible, lowest first.
class Developer {
public:
    Developer(const SystemState& state, const ProgressCallback& progress,
              DevelopmentControl& control);

    void run(DevelopmentResult& result);

private:
    // Chooses the level-th number (1..3) of the candidate among `after`, the numbers above
    // the one before it; `chosen` and `tally` are those of the numbers before it. `processed`
    // counts the combinations enumerated so far (kept by the caller, so that it stays in a
    // register). False once the development ends.
    template <int Level>
    bool choose(NumberSet after, NumberSet chosen, ConditionChain::Tally tally, double& processed);
    // As choose<4>. Where nearly all the time goes: the count after each prefix of four is
    // worked out from the fourth number's position rather than added up, so that no prefix
    // waits for the one before it.
    bool chooseFourth(NumberSet after, NumberSet chosen, ConditionChain::Tally tally,
                      double& processed);
    // Offers the completions of the first four numbers: the fifth number at position p is
    // candidate number first + p; `done` is the count once they are all processed. False once
    // the development ends.
    bool offerFifthNumbers(NumberSet after, NumberSet chosen, ConditionChain::Tally tally,
                           double first, double done);

    int count_;
    NumberSet inPlay_;
    bool usable_; // repeated numbers or numbers outside 1..50 develop nothing
    std::array<int, MainNumberCount + 1> position_{}; // of each number in the ascending list
    std::array<double, MainNumberCount + 1> positionCount_{}; // the same, ready to count with
    // completedBefore_[p]: the combinations that a fourth number at a position below p
    // completes, counted from the first position (count_ - 1 - q of them for position q).
    std::array<double, MainNumberCount + 1> completedBefore_{};
    // roomFor_[k]: the numbers that can be the k-th of a column, leaving room for the
    // 5 - k larger ones after them.
    std::array<NumberSet, NumbersPerColumn> roomFor_{};
    Column candidate_{}; // filled level by level, in place
    ConditionChain chain_;
    ColumnAcceptance acceptance_;
};

Developer::Developer(const SystemState& state, const ProgressCallback& progress,
                     DevelopmentControl& control)
    : count_(static_cast<int>(numbersInPlay(state.header).size()))
    , inPlay_(state.header.numbers())
    , usable_(count_ >= NumbersPerColumn && inPlay_.size() == count_)
    , chain_(state, inPlay_, count_)
    , acceptance_(chain_, integralSize(count_), progress, control) {
    int i = 0;
    for (const int number : inPlay_) {
        position_[number] = i;
        positionCount_[number] = i;
        for (int level = 1; level < NumbersPerColumn; ++level) {
            if (i <= count_ - 1 - (NumbersPerColumn - level)) {
                roomFor_[level].insert(number);
            }
        }
        ++i;
    }
    for (int p = 0; p < count_ && p < MainNumberCount; ++p) {
        completedBefore_[p + 1] = completedBefore_[p] + (count_ - 1 - p);
    }
}

void Developer::run(DevelopmentResult& result) {
    if (usable_) {
        double processed = 0;
        (void)choose<1>(inPlay_, NumberSet{}, ConditionChain::Tally{0}, processed);
    }
    acceptance_.finish(result);
}

template <int Level>
bool Developer::choose(NumberSet after, NumberSet chosen, ConditionChain::Tally tally,
                       double& processed) {
    bool going = true;
    for (NumberSet rest = after & roomFor_[Level]; !rest.empty() && going;
         rest = rest.withoutLowest()) {
        const int number = rest.lowest();
        if (!chain_.admitsPrefix(Level, number)) {
            const int later = count_ - 1 - position_[number];
            processed += static_cast<double>(binomial(later, NumbersPerColumn - Level));
            going = acceptance_.skipTo(processed);
            continue;
        }
        candidate_[Level - 1] = static_cast<std::uint8_t>(number);
        const NumberSet above = inPlay_.above(number);
        const NumberSet with = chosen | NumberSet::single(number);
        if constexpr (Level + 1 < NumbersPerColumn - 1) {
            going = choose<Level + 1>(above, with, tally + chain_.tallyOf(number), processed);
        } else {
            going = chooseFourth(above, with, tally + chain_.tallyOf(number), processed);
        }
    }
    return going;
}

bool Developer::chooseFourth(NumberSet after, NumberSet chosen, ConditionChain::Tally tally,
                             double& processed) {
    constexpr int Level = NumbersPerColumn - 1;
    // The count before the fourth number at position p is origin + completedBefore_[p].
    const double origin = processed - completedBefore_[position_[after.lowest()]];
    bool going = true;
    for (NumberSet rest = after & roomFor_[Level]; !rest.empty() && going;
         rest = rest.withoutLowest()) {
        const int number = rest.lowest();
        const int position = position_[number];
        processed = origin + completedBefore_[position + 1];
        if (!chain_.admitsPrefix(Level, number)) {
            going = acceptance_.skipTo(processed);
            continue;
        }
        candidate_[Level - 1] = static_cast<std::uint8_t>(number);
        going = offerFifthNumbers(inPlay_.above(number), chosen | NumberSet::single(number),
                                  tally + chain_.tallyOf(number),
                                  origin + completedBefore_[position] - position, processed);
    }
    return going;
}

bool Developer::offerFifthNumbers(NumberSet after, NumberSet chosen, ConditionChain::Tally tally,
                                  double first, double done) {
    NumberSet todo = chain_.allowedFifth(tally) & after;
    bool going = true;
    while (!todo.empty() && going) {
        const int fifth = todo.lowest();
        todo = todo.withoutLowest();
        candidate_[4] = static_cast<std::uint8_t>(fifth);
        going = acceptance_.offer(candidate_, chosen | NumberSet::single(fifth),
                                  first + positionCount_[fifth]);
    }
    return going && acceptance_.skipTo(done);
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
    Developer(state, progress, control).run(result);
    result.systemType = developedSystemType(state, result.stopped);
    return result;
}

} // namespace quintora
