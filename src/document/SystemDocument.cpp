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

// The names of the steps of the history.
constexpr TextId MarkStep = text::StepMark;
constexpr TextId UnmarkStep = text::StepUnmark;
constexpr TextId MarkEuroStep = text::StepMarkEuro;
constexpr TextId UnmarkEuroStep = text::StepUnmarkEuro;
constexpr TextId NumbersStep = text::StepNumbers;
constexpr TextId EurosStep = text::StepEuros;
constexpr TextId SumStep = text::StepSum;
constexpr TextId EvenOddStep = text::StepEvenOdd;
constexpr TextId FixedStep = text::StepFixed;
constexpr TextId ConsecutiveStep = text::StepConsecutive;
constexpr TextId ReducedStep = text::StepReduced;
constexpr TextId MinimumDistanceStep = text::StepMinimumDistance;
constexpr TextId ExcludedStep = text::StepExcluded;
constexpr TextId FiltersStep = text::StepFilters;
constexpr TextId ClearStep = text::StepClear;
constexpr TextId ShuffleStep = text::StepShuffle;
constexpr TextId DevelopStep = text::StepDevelop;
constexpr TextId ReopenStep = text::StepReopen;
constexpr TextId ImportStep = text::StepImport;
constexpr TextId AdaptStep = text::StepAdapt;
constexpr TextId RulesStep = text::StepRules;

Message numbered(TextId step, int n) {
    return Message{step, {Message{std::to_string(n)}}};
}

constexpr Changes Editing = Change::Numbers | Change::Conditions | Change::Columns | Change::Lock;

bool touchesEditing(Changes what) {
    return what.has(Change::Numbers) || what.has(Change::Conditions) || what.has(Change::Columns) ||
           what.has(Change::Lock);
}

} // namespace

int SystemDocument::addListener(Listener listener) {
    const int id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void SystemDocument::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void SystemDocument::changed(Changes what, Message step) {
    if (touchesEditing(what)) {
        if (openSteps_ > 0) {
            if (openStepName_.empty()) {
                openStepName_ = std::move(step);
            }
            openStepColumns_ = openStepColumns_ || what.has(Change::Columns);
        } else {
            history_.record(std::move(step), state_, what.has(Change::Columns), kept_);
            what = what | Change::History;
        }
    }
    notify(what);
}

void SystemDocument::notify(Changes what) {
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

// --- History ---

bool SystemDocument::canUndo() const {
    return !developing_ && openSteps_ == 0 && history_.canUndo();
}

bool SystemDocument::canRedo() const {
    return !developing_ && openSteps_ == 0 && history_.canRedo();
}

Status SystemDocument::undo() {
    if (developing_) {
        return BusyError;
    }
    if (!canUndo() || !history_.undo(state_, kept_)) {
        return Unchanged{};
    }
    restored();
    return success();
}

Status SystemDocument::redo() {
    if (developing_) {
        return BusyError;
    }
    if (!canRedo() || !history_.redo(state_, kept_)) {
        return Unchanged{};
    }
    restored();
    return success();
}

void SystemDocument::restored() {
    // A step from before a switch of the rules may hold a Euro number they no longer allow.
    if (const NumberSet outside = eurosOutside(rules_); !outside.empty()) {
        state_.header.setEuros(state_.header.euros().without(outside));
    }
    notify(Editing | Change::History);
}

SystemDocument::EditStep::EditStep(SystemDocument& document)
    : document_(document) {
    if (document_.openSteps_++ == 0) {
        document_.openStepName_ = Message{};
        document_.openStepColumns_ = false;
    }
}

SystemDocument::EditStep::~EditStep() {
    if (--document_.openSteps_ == 0) {
        document_.closeStep();
    }
}

void SystemDocument::closeStep() {
    if (openStepName_.empty()) {
        notify(Change::History);
        return;
    }
    history_.record(std::move(openStepName_), state_, openStepColumns_, kept_);
    openStepName_ = Message{};
    notify(Change::History);
}

// --- Numbers ---

Status SystemDocument::toggleNumber(int n) {
    if (!isMainNumber(n)) {
        return Unchanged{};
    }
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    auto numbers = state_.header.numbers();
    const bool marking = !numbers.contains(n);
    marking ? numbers.insert(n) : numbers.erase(n);
    state_.header.setNumbers(numbers);
    changed(Change::Numbers, numbered(marking ? MarkStep : UnmarkStep, n));
    return success();
}

Status SystemDocument::toggleEuro(int n) {
    if (!rules_.isEuroNumber(n)) {
        return Unchanged{};
    }
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    auto euros = state_.header.euros();
    const bool marking = !euros.contains(n);
    if (!marking) {
        euros.erase(n);
    } else if (euros.size() < EuroNumbersPerSystem) {
        euros.insert(n);
    } else {
        return Unchanged{}; // a third Euro number: the rules ignore the click
    }
    state_.header.setEuros(euros);
    changed(Change::Numbers, numbered(marking ? MarkEuroStep : UnmarkEuroStep, n));
    return success();
}

Status SystemDocument::setNumbers(NumberSet numbers) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.header.setNumbers(numbers);
    changed(Change::Numbers, Message{NumbersStep});
    return success();
}

Status SystemDocument::setEuros(NumberSet euros) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    for (const int n : euros) {
        if (!rules_.isEuroNumber(n)) {
            euros.erase(n);
        }
    }
    state_.header.setEuros(euros);
    changed(Change::Numbers, Message{EurosStep});
    return success();
}

// --- Rules ---

NumberSet SystemDocument::eurosOutside(GameRules rules) const {
    NumberSet outside;
    for (const int n : state_.header.euros()) {
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
        state_.header.setEuros(state_.header.euros().without(outside));
        what = what | Change::Numbers;
    }
    changed(what, Message{RulesStep});
    return success();
}

// --- Lifecycle ---

Status SystemDocument::clear(bool keepNumbers) {
    if (developing_) {
        return BusyError;
    }
    if (openSteps_ > 0) {
        return BusyError; // a dialog is changing the system
    }
    clearSystemData(state_, keepNumbers);
    kept_ = nullptr; // a new system: no file's bytes to keep
    changed(Editing, Message{ClearStep});
    if (!keepNumbers) {
        history_.markSaved(); // a new system, with nothing to lose
    }
    return success();
}

Status SystemDocument::lock() {
    if (developing_) {
        return BusyError;
    }
    if (!state_.locked) {
        state_.locked = true;
        changed(Change::Lock, Message{DevelopStep});
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
    changed(Change::Columns | Change::Lock, Message{ReopenStep});
    return success();
}

// --- Development ---

Result<SystemState> SystemDocument::startDevelopment() {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused.error();
    }
    if (openSteps_ > 0) {
        return BusyError;
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
    // The step takes back the development and the fixed numbers it dropped.
    changed(Editing, Message{DevelopStep});
    return success();
}

void SystemDocument::abandonDevelopment() {
    developing_ = false;
    notify(Change::Lock);
}

// --- Conditions ---

Status SystemDocument::changeConditions(Message step,
                                        const std::function<void(SystemState&)>& change) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    change(state_);
    changed(Change::Conditions, std::move(step));
    return success();
}

Status SystemDocument::editCondition(const SumEdit& edit) {
    return changeConditions(Message{SumStep}, [&edit](SystemState& s) {
        s.conditions.setSumOn(edit.on);
        storeSumFields(s.conditions, edit.from, edit.to);
    });
}

Status SystemDocument::editCondition(const EvenOddEdit& edit) {
    return changeConditions(Message{EvenOddStep}, [&edit](SystemState& s) {
        s.conditions.setEvenOddOn(edit.on);
        if (edit.evenCounts) {
            s.conditions.setEvenCounts(*edit.evenCounts);
        }
    });
}

Status SystemDocument::editCondition(const FixedEdit& edit) {
    return changeConditions(Message{FixedStep}, [&edit](SystemState& s) {
        s.conditions.setFixedOn(edit.on);
        if (edit.numbers) {
            s.conditions.setFixed(*edit.numbers);
        }
    });
}

Status SystemDocument::editCondition(const ConsecutiveEdit& edit) {
    return changeConditions(Message{ConsecutiveStep}, [&edit](SystemState& s) {
        s.consecutive.setOn(edit.on);
        if (edit.runLengths) {
            s.consecutive.setRuns(*edit.runLengths);
        }
    });
}

Status SystemDocument::editCondition(const MinimumDistanceEdit& edit) {
    return changeConditions(Message{MinimumDistanceStep}, [&edit](SystemState& s) {
        s.minimumDistance.setOn(edit.on);
        if (edit.distance) {
            closeMinimumDistance(s, *edit.distance);
        }
    });
}

Status SystemDocument::editCondition(const ReducedEdit& edit) {
    return changeConditions(Message{ReducedStep}, [&edit](SystemState& s) {
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
    changed(Change::Conditions, Message{ExcludedStep});
    return success();
}

Status SystemDocument::setFilters(std::span<const FilterColumn> table) {
    return changeConditions(Message{FiltersStep}, [table](SystemState& s) {
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
    changed(Change::Columns, Message{ShuffleStep});
    return success();
}

Status SystemDocument::adoptImportedColumns(std::vector<Column> columns,
                                            std::array<std::uint8_t, EuroNumbersPerSystem> euro,
                                            const std::string& path) {
    if (developing_ || openSteps_ > 0) {
        return BusyError;
    }
    applyImportedColumns(state_, std::move(columns), euro);
    kept_ = nullptr;
    state_.systemPath = path;
    state_.systemFileName = path;
    shownFileName_ = path;
    state_.locked = true;
    changed(Changes::all(), Message{ImportStep});
    history_.markSaved(); // the text file holds the columns, as a system file would
    notify(Change::History);
    return success();
}

Status SystemDocument::adoptAdaptation(Adaptation&& adaptation) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    applyAdaptation(state_, std::move(adaptation));
    state_.locked = true;
    changed(Changes::all(), Message{AdaptStep});
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
    if (developing_ || openSteps_ > 0) {
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
        return Cancelled{};
    }
    next.systemPath = path;
    next.systemFileName = lowerCase(fileNamePart(path));
    next.pricePerColumn = state_.pricePerColumn;
    next.locked = !next.columns.empty();
    // The lists come back ascending, as the grids would rebuild them.
    next.header.setNumbers(next.header.numbers());
    next.header.setEuros(next.header.euros());
    state_ = std::move(next);
    kept_ = std::make_shared<const KeptPieces>(std::move(loaded.value().kept));
    if (switchRules) {
        rules_ = needed;
    }
    shownFileName_ = state_.systemFileName;
    history_.reset(state_, kept_); // a new history, unmodified: as the file holds it
    notify(Changes::all());
    return std::move(loaded.value().warnings);
}

Status SystemDocument::saveAs(const std::string& path) {
    if (path.empty()) {
        return Error{ErrorTitle, Message{text::NoFileGiven}};
    }
    state_.systemPath = path;
    const Status saved =
        kept_ ? saveSystemFile(path, state_, *kept_) : saveSystemFile(path, state_);
    if (saved) {
        shownFileName_ = lowerCase(fileNamePart(path));
        history_.markSaved();
    }
    notify(Change::File | Change::History);
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

void SystemDocument::nameNewSystem(const std::string& path) {
    state_.systemPath = path;
    state_.systemFileName = lowerCase(fileNamePart(path));
    shownFileName_ = state_.systemFileName;
    notify(Change::File);
}

// --- Money ---

void SystemDocument::setPricePerColumn(Cents price) {
    state_.pricePerColumn = price;
    notify(Change::Price);
}

} // namespace quintora
