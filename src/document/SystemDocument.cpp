#include "document/SystemDocument.h"

#include "core/Conditions.h"
#include "core/Shuffle.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "matrix/MatrixAdaptation.h"

#include <algorithm>

namespace quintora {

namespace {

const Error LockedError{Message{text::WarningTitleCapitals},
                        Message{text::SystemLockedPressEdit}}; // the system is developed
const Error BusyError{Message{text::WarningTitleCapitals},
                      Message{text::Working}}; // a development is running
// A click the rules ignore (a third Euro number): refused without a message to show.
const Error NothingChanged{"", ""};

} // namespace

int SystemDocument::addListener(Listener listener) {
    const int id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void SystemDocument::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void SystemDocument::notify(Changes what) {
    if (what.has(Change::Numbers) || what.has(Change::Conditions) || what.has(Change::Columns)) {
        modified_ = true;
    }
    // A listener may remove itself (a closing dialog): walk a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        listener(what);
    }
}

Status SystemDocument::refuseUnlessEditable() const {
    if (developing_) {
        return BusyError;
    }
    if (locked()) {
        return LockedError;
    }
    return success();
}

bool SystemDocument::hasNumbersToDevelop() const {
    return state_.header.numberCount() >= NumbersPerColumn &&
           state_.header.euroCount() >= EuroNumbersPerSystem;
}

bool SystemDocument::canOpenConditions() const {
    return !developing_ && (locked() || hasNumbersToDevelop());
}

bool SystemDocument::hasWork() const {
    const auto& c = state_.conditions;
    return hasColumns() || c.sumOn() || c.evenOddOn() || c.fixedOn() || c.reducedOn() ||
           state_.excluded.on() || state_.consecutive.on() || state_.minimumDistance.on() ||
           state_.filtersOn();
}

// --- Numbers ---

Status SystemDocument::toggleNumber(int n) {
    if (!isMainNumber(n)) {
        return NothingChanged;
    }
    auto numbers = state_.header.numbers();
    numbers.contains(n) ? numbers.erase(n) : numbers.insert(n);
    return setNumbers(numbers);
}

Status SystemDocument::toggleEuro(int n) {
    if (!rules_.isEuroNumber(n)) {
        return NothingChanged;
    }
    auto euros = state_.header.euros();
    if (euros.contains(n)) {
        euros.erase(n);
    } else if (euros.size() < EuroNumbersPerSystem) {
        euros.insert(n);
    } else {
        return NothingChanged;
    }
    return setEuros(euros);
}

Status SystemDocument::setNumbers(NumberSet numbers) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.header.setNumbers(numbers);
    notify(Change::Numbers);
    return success();
}

Status SystemDocument::setEuros(NumberSet euros) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    for (const int n : euros.ascending()) {
        if (!rules_.isEuroNumber(n)) {
            euros.erase(n);
        }
    }
    state_.header.setEuros(euros);
    notify(Change::Numbers);
    return success();
}

// --- Rules ---

NumberSet SystemDocument::eurosOutside(GameRules rules) const {
    NumberSet outside;
    for (const int n : state_.header.euros().ascending()) {
        if (!rules.isEuroNumber(n)) {
            outside.insert(n);
        }
    }
    return outside;
}

Status SystemDocument::setRules(GameRules rules) {
    if (rules == rules_) {
        return success();
    }
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    rules_ = rules;
    Changes what = Change::Rules;
    if (const NumberSet outside = eurosOutside(rules); !outside.empty()) {
        state_.header.setEuros(NumberSet::fromBits(state_.header.euros().bits() & ~outside.bits()));
        what = what | Change::Numbers;
    }
    notify(what);
    return success();
}

// --- Lifecycle ---

Status SystemDocument::clear(bool keepNumbers) {
    if (developing_) {
        return BusyError;
    }
    clearSystemData(state_, keepNumbers);
    notify(Change::Numbers | Change::Conditions | Change::Columns | Change::Lock);
    // An empty system holds nothing to lose.
    modified_ = keepNumbers && !state_.header.numbers().empty();
    return success();
}

Status SystemDocument::lock() {
    if (developing_) {
        return BusyError;
    }
    if (!state_.locked) {
        state_.locked = true;
        notify(Change::Lock);
    }
    return success();
}

Status SystemDocument::reopenForChanges() {
    if (developing_) {
        return BusyError;
    }
    state_.locked = false;
    state_.columns.clear();
    state_.header.systemType.clear();
    notify(Change::Columns | Change::Lock);
    return success();
}

// --- Development ---

Result<SystemState> SystemDocument::startDevelopment() {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused.error();
    }
    if (const auto problem = developmentInputError(state_.header)) {
        return Error{"", *problem};
    }
    // The lists are kept ascending; fixed numbers no longer in play take no part.
    dropFixedNumbersNotInPlay(state_.conditions, numbersInPlay(state_.header));
    SystemState snapshot = state_;
    snapshot.columns.clear();
    developing_ = true;
    notify(Changes(Change::Conditions) | Change::Lock);
    return snapshot;
}

Status SystemDocument::finishDevelopment(DevelopmentResult&& result) {
    developing_ = false;
    adoptDevelopment(state_, std::move(result));
    state_.locked = hasColumns();
    notify(Change::Columns | Change::Lock);
    return success();
}

Status SystemDocument::abandonDevelopment() {
    developing_ = false;
    notify(Change::Lock);
    return success();
}

// --- Conditions ---

Status SystemDocument::changeConditions(const std::function<void(SystemState&)>& change) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    change(state_);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::editCondition(const SumEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.conditions.setSumOn(edit.on);
        storeSumFields(s.conditions, edit.from, edit.to);
    });
}

Status SystemDocument::editCondition(const EvenOddEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.conditions.setEvenOddOn(edit.on);
        if (edit.evenCounts) {
            s.conditions.setEvenCounts(*edit.evenCounts);
        }
    });
}

Status SystemDocument::editCondition(const FixedEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.conditions.setFixedOn(edit.on);
        if (edit.numbers) {
            s.conditions.setFixed(*edit.numbers);
        }
    });
}

Status SystemDocument::editCondition(const ConsecutiveEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.consecutive.setOn(edit.on);
        if (edit.runLengths) {
            s.consecutive.setRuns(*edit.runLengths);
        }
    });
}

Status SystemDocument::editCondition(const MinimumDistanceEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.minimumDistance.setOn(edit.on);
        if (edit.distance) {
            closeMinimumDistance(s, *edit.distance);
        }
    });
}

Status SystemDocument::editCondition(const ReducedEdit& edit) {
    return changeConditions([&edit](SystemState& s) {
        s.conditions.setReducedOn(edit.on);
        if (edit.level) {
            closeReduced(s, *edit.level);
        }
    });
}

Status SystemDocument::editCondition(const ExcludedEdit& edit) {
    // The excluded columns may be changed on a locked system too, but not while it develops.
    if (developing_) {
        return BusyError;
    }
    state_.excluded.setOn(edit.on);
    if (edit.columns) {
        state_.excluded.setColumns(*edit.columns);
    }
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setFilters(std::span<const FilterColumn> table) {
    return changeConditions([table](SystemState& s) {
        s.filters.fill(FilterColumn{});
        const auto count = std::min<std::size_t>(table.size(), MaxFilterColumns);
        std::copy_n(table.begin(), count, s.filters.begin());
        s.filterCount = rearrangeFilters(s.filters);
    });
}

// --- Columns ---

Status SystemDocument::shuffle(std::uint64_t seed) {
    if (!canShuffle()) {
        return BusyError;
    }
    shuffleColumns(state_.columns, seed);
    notify(Change::Columns);
    return success();
}

Status SystemDocument::adoptImportedColumns(std::vector<Column> columns,
                                            std::array<std::uint8_t, EuroNumbersPerSystem> euro,
                                            const std::string& path) {
    if (developing_) {
        return BusyError;
    }
    applyImportedColumns(state_, std::move(columns), euro);
    state_.systemPath = path;
    state_.systemFileName = path;
    shownFileName_ = path;
    state_.locked = true;
    notify(Changes::all());
    modified_ = false; // the text file holds the columns, as a system file would
    return success();
}

Status SystemDocument::adoptAdaptation(Adaptation&& adaptation) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    applyAdaptation(state_, std::move(adaptation));
    state_.locked = true;
    notify(Changes::all());
    return success();
}

// --- Files ---

Result<std::vector<Message>> SystemDocument::open(const std::string& argument,
                                                  const RulesQuestion& askRules) {
    std::string path = argument;
    std::erase(path, '"');
    if (path.empty()) {
        return Error{"", Message{text::NoFileGiven}};
    }
    if (developing_) {
        return BusyError;
    }
    auto loaded = readSystemFile(path);
    if (!loaded) {
        return loaded.error();
    }
    SystemState next = std::move(loaded.value().state);
    const GameRules needed = GameRules::neededFor(euroNumbers(next.header));
    const bool switchRules = !rules_.covers(needed);
    if (switchRules && askRules && !askRules(needed)) {
        return NothingChanged;
    }
    next.systemPath = path;
    next.systemFileName = lowerCase(fileNamePart(path));
    next.pricePerColumn = state_.pricePerColumn;
    next.locked = !next.columns.empty();
    // The lists come back ascending, as the grids would rebuild them.
    next.header.setNumbers(next.header.numbers());
    next.header.setEuros(next.header.euros());
    state_ = std::move(next);
    if (switchRules) {
        rules_ = needed;
    }
    shownFileName_ = state_.systemFileName;
    notify(Changes::all());
    modified_ = false; // as the file holds it
    return std::move(loaded.value().warnings);
}

Status SystemDocument::saveAs(const std::string& path) {
    if (path.empty()) {
        return Error{ErrorTitle, Message{text::NoFileGiven}};
    }
    state_.systemPath = path;
    const Status saved = saveSystemFile(path, state_);
    if (saved) {
        shownFileName_ = lowerCase(fileNamePart(path));
        modified_ = false;
    }
    notify(Change::File);
    return saved;
}

std::string SystemDocument::plainSavePath(const std::string& systemsFolder) const {
    std::string name = fileNamePart(state_.systemPath);
    if (const auto dot = name.rfind(".txt"); dot != std::string::npos) {
        name.replace(dot, 4, ".qsy");
    }
    return systemsFolder + "/" + name;
}

Status SystemDocument::exportColumns(const std::string& path) const {
    return saveColumnsText(path, state_.columns);
}

Status SystemDocument::nameNewSystem(const std::string& path) {
    state_.systemPath = path;
    state_.systemFileName = lowerCase(fileNamePart(path));
    shownFileName_ = state_.systemFileName;
    notify(Change::File);
    return success();
}

// --- Money ---

Status SystemDocument::setPricePerColumn(Cents price) {
    state_.pricePerColumn = price;
    notify(Change::Price);
    return success();
}

} // namespace quintora
