#pragma once

#include "core/Development.h"
#include "core/Money.h"
#include "core/NumberSet.h"
#include "core/Result.h"
#include "core/SystemState.h"
#include "document/DocumentChanges.h"
#include "document/SystemHistory.h"
#include "files/KeptPieces.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintora {

struct Adaptation;

// The one system of the run and every command that changes it. The window, the dialogs and
// quintora-cli change the system only through here, so the number lists, the lock and the
// enable rules can never disagree. Commands that can fail return the program's message;
// listeners hear what changed after each command. Every change returns a Status: refused
// with the reason, unchanged, or done. Every change of what the system holds is a step of
// its history, which undo and redo walk. Not thread-safe: a development works on a
// snapshot and its result comes back through finishDevelopment.
class SystemDocument {
public:
    using Listener = std::function<void(Changes)>;

    SystemDocument() = default;
    SystemDocument(const SystemDocument&) = delete;
    SystemDocument& operator=(const SystemDocument&) = delete;

    const SystemState& state() const { return state_; }

    // Returns an id for removeListener.
    int addListener(Listener listener);
    void removeListener(int id);

    // --- What may be done now ---
    bool locked() const { return state_.locked; }
    bool developing() const { return developing_; }
    bool hasNumbersToDevelop() const; // 5+ numbers in play and both Euro numbers
    bool canEditNumbers() const { return !locked() && !developing_; }
    bool canEditConditions() const { return canEditNumbers(); }
    bool canOpenConditions() const; // read-only on a locked system
    bool canDevelop() const { return canEditNumbers() && hasNumbersToDevelop(); }
    bool canAdaptMatrix() const { return canDevelop(); }
    bool hasColumns() const { return !state_.columns.empty(); }
    bool canView() const { return locked() && hasColumns() && !developing_; }
    bool canShuffle() const { return canView(); }
    bool canCheck() const { return canView(); }
    bool canPrint() const { return canView(); }
    bool canReopen() const { return locked() && !developing_; }
    // Worth a question before it is replaced: columns or conditions the user would lose.
    bool hasWork() const;
    // Not at the step that was last opened, imported, saved or cleared: numbers, conditions or
    // columns that no file holds yet. Undoing back to that step makes it unmodified again.
    bool modified() const { return !history_.atSaved(); }

    // --- History ---
    bool canUndo() const;
    bool canRedo() const;
    // The step undo would take back, or redo would make again: e.g. "Segna 17". Empty when
    // there is none.
    Message undoName() const { return canUndo() ? history_.undoName() : Message{}; }
    Message redoName() const { return canRedo() ? history_.redoName() : Message{}; }
    // Restores the whole system of the step before (after): numbers, conditions, columns,
    // type and lock. Unchanged when there is no such step.
    Status undo();
    Status redo();
    // Every change made while an EditStep lives is one step of the history (a dialog's
    // changes, however many clicks it took), named after the first of them. No step when
    // nothing changed in the end.
    class EditStep {
    public:
        explicit EditStep(SystemDocument& document);
        ~EditStep();
        EditStep(const EditStep&) = delete;
        EditStep& operator=(const EditStep&) = delete;

    private:
        SystemDocument& document_;
    };

    // --- Numbers ---
    // A click on number n (1..50): marks or unmarks it. Refused when nothing may change.
    Status toggleNumber(int n);
    // Euro number n (1..the rules' highest): at most two are marked; a third click is refused.
    Status toggleEuro(int n);
    Status setNumbers(NumberSet numbers);
    Status setEuros(NumberSet euros);

    // Empties the system: columns, type, conditions, filters, exclusions and the lock; the
    // numbers too unless keepNumbers. Path and file name stay. One step that undo takes
    // back; emptied whole, what remains is a new, unmodified system.
    Status clear(bool keepNumbers);
    Status lock();
    // Drops the columns and the type and unlocks, keeping numbers and conditions.
    Status reopenForChanges();

    // --- Development ---
    // Prepares the development (lists ascending, fixed numbers not in play dropped) and
    // returns what the worker develops. Until finish/abandon the document refuses changes.
    Result<SystemState> startDevelopment();
    Status finishDevelopment(DevelopmentResult&& result);
    // Cannot be refused: the system stays as it was before the start.
    void abandonDevelopment();

    // --- Conditions (refused on a locked system, the exclusions excepted) ---
    // One value per condition, handed back in one call: the switch and, where given, the
    // dialog's fields. A field left empty keeps what is stored, so a switch alone changes only
    // the switch.
    struct SumEdit {
        bool on = false;
        std::optional<int> from; // an empty field keeps the stored bound
        std::optional<int> to;
    };
    struct EvenOddEdit {
        bool on = false;
        std::optional<CountSet> evenCounts;
    };
    struct FixedEdit {
        bool on = false;
        std::optional<NumberSet> numbers;
    };
    struct ConsecutiveEdit {
        bool on = false;
        std::optional<CountSet> runLengths;
    };
    // With a value (the dialog closing), the value is stored and, with both reductions on,
    // the other one is switched off.
    struct MinimumDistanceEdit {
        bool on = false;
        std::optional<int> distance;
    };
    struct ReducedEdit {
        bool on = false;
        std::optional<int> level;
    };
    // The excluded columns are picked from a developed system, so they change while it is
    // locked.
    struct ExcludedEdit {
        bool on = false;
        std::optional<std::vector<Column>> columns;
    };
    Status editCondition(const SumEdit& edit);
    Status editCondition(const EvenOddEdit& edit);
    Status editCondition(const FixedEdit& edit);
    Status editCondition(const ConsecutiveEdit& edit);
    Status editCondition(const MinimumDistanceEdit& edit);
    Status editCondition(const ReducedEdit& edit);
    Status editCondition(const ExcludedEdit& edit);
    // The filter table (the dialog's whole table, or an import's switched-on columns); the
    // switched-on columns move to the front in their order, at most MaxFilterColumns are kept.
    Status setFilters(std::span<const FilterColumn> table);

    // --- Columns ---
    Status shuffle(std::uint64_t seed);
    // Replaces the system by imported columns with the two Euro numbers, locked.
    Status adoptImportedColumns(std::vector<Column> columns,
                                std::array<std::uint8_t, EuroNumbersPerSystem> euro,
                                const std::string& path);

    // Replaces the columns by those of an adapted matrix, keeping the numbers in play, and
    // locks the system (refused unless a matrix may be adapted now).
    Status adoptAdaptation(Adaptation&& adaptation);

    // --- Files ---
    // Asked when a file plays Euro numbers the current rules do not allow: true switches to
    // `needed` and opens the file, false leaves everything as it was.
    using RulesQuestion = std::function<bool(GameRules needed)>;
    // Opens a system file; a refused file leaves everything as it was. The warnings of
    // blocks that could not be read come back for the caller to show. Without a question a
    // file that needs wider rules switches to them (a file is data, not input).
    Result<std::vector<Message>> open(const std::string& path, const RulesQuestion& askRules = {});
    // Writes the system to `path` and sets the system's path; the file name the status bar
    // shows becomes that of `path` while the system keeps its own file name.
    Status saveAs(const std::string& path);
    // The path a plain save writes: the file name of the system's path (an imported ".txt"
    // becomes ".qsy") inside `systemsFolder`.
    std::string plainSavePath(const std::string& systemsFolder) const;
    Status exportColumns(const std::string& path) const;
    // Names a new, unsaved system: path and file name.
    void nameNewSystem(const std::string& path);
    // The name the status bar shows.
    const std::string& shownFileName() const { return shownFileName_; }

    // --- Rules ---
    GameRules rules() const { return rules_; }
    // The marked Euro numbers that `rules` does not allow (those a switch would unmark).
    NumberSet eurosOutside(GameRules rules) const;
    // Switches the rules; a marked Euro number they do not allow is unmarked. Refused on a
    // locked or developing system unless the rules stay the same.
    Status setRules(GameRules rules);

    // --- Money ---
    void setPricePerColumn(Cents price);
    Cents cost() const { return systemCost(state_); }

private:
    Status refuseUnlessEditable() const;
    // Refused unless editable; otherwise applies `change` and tells the listeners.
    Status changeConditions(Message step, const std::function<void(SystemState&)>& change);
    // After a change of what the system holds: a step named `step` (or part of the open
    // EditStep), then the listeners hear it.
    void changed(Changes what, Message step);
    void notify(Changes what);
    void closeStep();
    // After undo or redo put back a step.
    void restored();

    SystemState state_;
    // The bytes of the file the system came from that the program does not use, written back
    // where the system did not change them.
    SystemHistory::Kept kept_; // the opened file's own bytes; null for a new system
    SystemHistory history_;
    int openSteps_ = 0;
    Message openStepName_;
    bool openStepColumns_ = false;
    GameRules rules_ = GameRules::classic();
    std::string shownFileName_;
    bool developing_ = false;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace quintora
