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

const Error LockedError{"ATTENZIONE", "Il sistema e' sviluppato: premere Modifiche per cambiarlo"};
const Error BusyError{"ATTENZIONE", "Elaborazione in corso"};

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
    return state_.header.numbersInPlayCount >= NumbersPerColumn &&
           state_.header.euroCount >= EuroNumbersPerSystem;
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

bool SystemDocument::toggleNumber(int n) {
    if (!canEditNumbers() || !isMainNumber(n)) {
        return false;
    }
    auto numbers = state_.header.numbers();
    numbers.contains(n) ? numbers.erase(n) : numbers.insert(n);
    return setNumbers(numbers);
}

bool SystemDocument::toggleEuro(int n) {
    if (!canEditNumbers() || !isEuroNumber(n)) {
        return false;
    }
    auto euros = state_.header.euros();
    if (euros.contains(n)) {
        euros.erase(n);
    } else if (euros.size() < EuroNumbersPerSystem) {
        euros.insert(n);
    } else {
        return false;
    }
    return setEuros(euros);
}

bool SystemDocument::setNumbers(NumberSet numbers) {
    if (!canEditNumbers()) {
        return false;
    }
    state_.header.setNumbers(numbers);
    notify(Change::Numbers);
    return true;
}

bool SystemDocument::setEuros(NumberSet euros) {
    if (!canEditNumbers()) {
        return false;
    }
    state_.header.setEuros(euros);
    notify(Change::Numbers);
    return true;
}

void SystemDocument::clearNumbers() {
    if (developing_) {
        return;
    }
    state_.header.setNumbers({});
    state_.header.setEuros({});
    notify(Change::Numbers);
}

// --- Lifecycle ---

void SystemDocument::clear(bool keepNumbers) {
    if (developing_) {
        return;
    }
    clearSystemData(state_, keepNumbers);
    notify(Change::Numbers | Change::Conditions | Change::Columns | Change::Lock);
    // An empty system holds nothing to lose.
    modified_ = keepNumbers && !state_.header.numbers().empty();
}

void SystemDocument::lock() {
    if (!developing_ && !state_.locked) {
        state_.locked = true;
        notify(Change::Lock);
    }
}

void SystemDocument::unlock() {
    if (!developing_ && state_.locked) {
        state_.locked = false;
        notify(Change::Lock);
    }
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

void SystemDocument::finishDevelopment(DevelopmentResult&& result) {
    developing_ = false;
    adoptDevelopment(state_, std::move(result));
    state_.locked = hasColumns();
    notify(Change::Columns | Change::Lock);
}

void SystemDocument::abandonDevelopment() {
    developing_ = false;
    notify(Change::Lock);
}

// --- Conditions ---

Status SystemDocument::setSumOn(bool on) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.conditions.setSumOn(on);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setSumBounds(std::optional<int> from, std::optional<int> to) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    storeSumFields(state_.conditions, from, to);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setEvenOdd(bool on, CountSet evenCounts) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.conditions.setEvenOddOn(on);
    state_.conditions.setEvenCounts(evenCounts);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setEvenOddOn(bool on) {
    return setEvenOdd(on, state_.conditions.evenCounts());
}

Status SystemDocument::setFixed(bool on, NumberSet fixed) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.conditions.setFixedOn(on);
    state_.conditions.setFixed(fixed);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setFixedOn(bool on) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.conditions.setFixedOn(on);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setConsecutive(bool on, CountSet runLengths) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.consecutive.setOn(on);
    state_.consecutive.setRuns(runLengths);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setConsecutiveOn(bool on) {
    return setConsecutive(on, state_.consecutive.runs());
}

Result<bool> SystemDocument::setMinimumDistance(bool on, int distance) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused.error();
    }
    state_.minimumDistance.setOn(on);
    const bool switchedOther = closeMinimumDistance(state_, distance);
    notify(Change::Conditions);
    return switchedOther;
}

Status SystemDocument::setMinimumDistanceOn(bool on) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.minimumDistance.setOn(on);
    notify(Change::Conditions);
    return success();
}

Result<bool> SystemDocument::setReduced(bool on, int level) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused.error();
    }
    state_.conditions.setReducedOn(on);
    const bool switchedOther = closeReduced(state_, level);
    notify(Change::Conditions);
    return switchedOther;
}

Status SystemDocument::setReducedOn(bool on) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.conditions.setReducedOn(on);
    notify(Change::Conditions);
    return success();
}

// The excluded columns are picked from a developed system, so they change while it is locked.
Status SystemDocument::setExcluded(bool on, std::span<const Column> columns) {
    if (developing_) {
        return BusyError;
    }
    state_.excluded.setOn(on);
    state_.excluded.setColumns(columns);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setExcludedOn(bool on) {
    if (developing_) {
        return BusyError;
    }
    state_.excluded.setOn(on);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setFilters(const std::array<FilterColumn, MaxFilterColumns>& table) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.filters = table;
    state_.filterCount = rearrangeFilters(state_.filters);
    notify(Change::Conditions);
    return success();
}

Status SystemDocument::setFilterColumns(std::span<const FilterColumn> switchedOn) {
    if (auto refused = refuseUnlessEditable(); !refused) {
        return refused;
    }
    state_.filters.fill(FilterColumn{});
    const auto count = std::min<std::size_t>(switchedOn.size(), MaxFilterColumns);
    std::copy_n(switchedOn.begin(), count, state_.filters.begin());
    state_.filterCount = rearrangeFilters(state_.filters);
    notify(Change::Conditions);
    return success();
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

Result<std::vector<std::string>> SystemDocument::open(const std::string& argument) {
    std::string path = argument;
    std::erase(path, '"');
    if (path.empty()) {
        return Error{"", "Nessun file indicato"};
    }
    if (developing_) {
        return BusyError;
    }
    auto loaded = readSystemFile(path);
    if (!loaded) {
        return loaded.error();
    }
    SystemState next = std::move(loaded.value().state);
    next.systemPath = path;
    next.systemFileName = lowerCase(fileNamePart(path));
    next.pricePerColumn = state_.pricePerColumn;
    next.locked = !next.columns.empty();
    // The lists come back ascending, as the grids would rebuild them.
    next.header.setNumbers(next.header.numbers());
    next.header.setEuros(next.header.euros());
    state_ = std::move(next);
    shownFileName_ = state_.systemFileName;
    notify(Changes::all());
    modified_ = false; // as the file holds it
    return std::move(loaded.value().warnings);
}

Status SystemDocument::saveAs(const std::string& path) {
    if (path.empty()) {
        return Error{ErrorTitle, "Nessun file indicato"};
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
