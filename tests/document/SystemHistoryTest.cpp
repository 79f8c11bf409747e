// Undo and redo in the system document: every kind of edit is one step that undo takes back
// whole and redo makes again, the modified flag follows the saved step, and the history keeps
// one copy of a column list however many steps share it.
#include "document/DocumentFolder.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "matrix/MatrixAdaptation.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using namespace quintora;

namespace {

// Everything a step may change: numbers, conditions, columns, type and lock.
auto editing(const SystemState& s) {
    return std::make_tuple(s.header, s.conditions, s.excluded, s.consecutive, s.minimumDistance,
                           s.filters, s.filterCount, s.columns, s.locked);
}

void mark(SystemDocument& document, int numbers, int euros = 2) {
    for (int n = 1; n <= numbers; ++n) {
        ASSERT_TRUE(document.toggleNumber(n));
    }
    for (const int e : {3, 8}) {
        if (euros-- > 0) {
            ASSERT_TRUE(document.toggleEuro(e));
        }
    }
}

void develop(SystemDocument& document) {
    auto snapshot = document.startDevelopment();
    ASSERT_TRUE(snapshot.ok());
    DevelopmentControl control;
    ASSERT_TRUE(document.finishDevelopment(quintora::develop(snapshot.value(), {}, control)));
}

std::string undoText(const SystemDocument& document) {
    return ownLanguageText(document.undoName());
}

struct EditCase {
    const char* name;
    int numbers;    // marked before the edit
    int euros;      // of the Euro numbers 3 and 8, marked before the edit
    bool developed; // developed before the edit
    std::function<Status(SystemDocument&)> edit;
    const char* step; // the name undo shows
};

FilterColumn filterOf(NumberSet members, CountSet hits) {
    FilterColumn f;
    f.setMembers(members);
    f.setHits(hits);
    f.setOn(true);
    return f;
}

const std::vector<EditCase>& editCases() {
    using D = SystemDocument;
    static const std::vector<EditCase> cases = {
        {"mark", 6, 2, false, [](D& d) { return d.toggleNumber(17); }, "Segna 17"},
        {"unmark", 6, 2, false, [](D& d) { return d.toggleNumber(4); }, "Togli 4"},
        {"mark Euro", 6, 1, false, [](D& d) { return d.toggleEuro(5); }, "Segna Euro 5"},
        {"unmark Euro", 6, 2, false, [](D& d) { return d.toggleEuro(8); }, "Togli Euro 8"},
        {"numbers", 6, 2, false,
         [](D& d) {
             return d.setNumbers(NumberSet{2, 4, 6, 8, 10});
         },
         "Numeri in gioco"},
        {"sum", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::SumEdit{true, 20, 30});
         },
         "Somma"},
        {"even and odd", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::EvenOddEdit{true, CountSet{1, 2}});
         },
         "Pari e Dispari"},
        {"fixed", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::FixedEdit{true, NumberSet{2}});
         },
         "Fisse"},
        {"consecutive", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::ConsecutiveEdit{true, CountSet{1, 2}});
         },
         "Consecutivi"},
        {"minimum distance", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::MinimumDistanceEdit{true, 3});
         },
         "Ridotto a Distanza Minima"},
        {"reduced", 6, 2, false,
         [](D& d) {
             return d.editCondition(D::ReducedEdit{true, 2});
         },
         "Ridotto"},
        {"excluded on a developed system", 6, 2, true,
         [](D& d) {
             return d.editCondition(D::ExcludedEdit{true, std::vector<Column>{{1, 2, 3, 4, 5}}});
         },
         "Escludi Colonne"},
        {"filters", 6, 2, false,
         [](D& d) {
             const FilterColumn table[] = {filterOf({1, 2, 3}, {1})};
             return d.setFilters(table);
         },
         "Colonne Filtro"},
        {"clear", 6, 2, false, [](D& d) { return d.clear(false); }, "Cancella Sistema"},
        {"clear a developed system", 7, 2, true, [](D& d) { return d.clear(false); },
         "Cancella Sistema"},
        {"shuffle", 8, 2, true, [](D& d) { return d.shuffle(7); }, "Mescola Colonne"},
        {"develop", 7, 2, false,
         [](D& d) {
             develop(d);
             return success();
         },
         "Elabora"},
        {"reopen for changes", 7, 2, true, [](D& d) { return d.reopenForChanges(); },
         "Modifica Sistema"},
        {"import", 6, 2, false,
         [](D& d) {
             return d.adoptImportedColumns({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}, {1, 2},
                                           "colonne.txt");
         },
         "Importa Colonne"},
        {"adapt a matrix", 6, 2, false,
         [](D& d) {
             Adaptation adapted;
             adapted.columns = {{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}};
             adapted.systemType = "0017";
             return d.adoptAdaptation(std::move(adapted));
         },
         "Adatta Matrice"},
    };
    return cases;
}

} // namespace

TEST(SystemHistory, EveryEditIsOneStepThatUndoTakesBackWhole) {
    for (const auto& c : editCases()) {
        SCOPED_TRACE(c.name);
        SystemDocument document;
        mark(document, c.numbers, c.euros);
        if (c.developed) {
            develop(document);
        }
        const auto before = editing(document.state());
        ASSERT_TRUE(c.edit(document).ok());
        const auto after = editing(document.state());
        ASSERT_NE(before, after);
        EXPECT_EQ(undoText(document), c.step);
        EXPECT_FALSE(document.canRedo());

        std::vector<Changes> heard;
        document.addListener([&heard](Changes what) { heard.push_back(what); });
        ASSERT_TRUE(document.undo());
        EXPECT_EQ(editing(document.state()), before);
        EXPECT_EQ(ownLanguageText(document.redoName()), c.step);
        ASSERT_EQ(heard.size(), 1U);
        EXPECT_TRUE(heard[0].has(Change::Numbers) && heard[0].has(Change::Columns) &&
                    heard[0].has(Change::Conditions) && heard[0].has(Change::Lock));

        ASSERT_TRUE(document.redo());
        EXPECT_EQ(editing(document.state()), after);
        EXPECT_TRUE(document.redo().unchanged());
    }
}

TEST(SystemHistory, RefusedAndEmptyEditsLeaveNoStep) {
    SystemDocument document;
    mark(document, 6);
    const std::string last = undoText(document);
    EXPECT_TRUE(document.toggleEuro(5).unchanged()); // a third Euro number
    ASSERT_TRUE(document.editCondition(SystemDocument::SumEdit{false, {}, {}}));
    EXPECT_EQ(undoText(document), last); // the switch was off already
    develop(document);
    EXPECT_FALSE(document.toggleNumber(9).ok());
    EXPECT_EQ(undoText(document), "Elabora");
}

TEST(SystemHistory, ADialogsClicksAreOneStep) {
    SystemDocument document;
    mark(document, 6);
    {
        SystemDocument::EditStep step(document);
        ASSERT_TRUE(document.editCondition(SystemDocument::SumEdit{true, {}, {}}));
        ASSERT_TRUE(document.editCondition(SystemDocument::SumEdit{false, {}, {}}));
        ASSERT_TRUE(document.editCondition(SystemDocument::SumEdit{true, 25, 40}));
        EXPECT_FALSE(document.canUndo()); // not while the dialog is open
    }
    EXPECT_EQ(undoText(document), "Somma");
    ASSERT_TRUE(document.undo());
    EXPECT_FALSE(document.state().conditions.sumOn());
    EXPECT_EQ(document.state().conditions.sumTo, 0);
    EXPECT_EQ(undoText(document), "Segna Euro 8");

    // A dialog that changed nothing in the end leaves no step.
    ASSERT_TRUE(document.redo());
    {
        SystemDocument::EditStep step(document);
        ASSERT_TRUE(document.editCondition(SystemDocument::FixedEdit{true, {}}));
        ASSERT_TRUE(document.editCondition(SystemDocument::FixedEdit{false, {}}));
    }
    EXPECT_EQ(undoText(document), "Somma");
}

TEST(SystemHistory, ANewEditDropsTheStepsThatCouldBeRedone) {
    SystemDocument document;
    mark(document, 6);
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.toggleNumber(30));
    EXPECT_FALSE(document.canRedo());
    EXPECT_EQ(undoText(document), "Segna 30");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(undoText(document), "Segna 6");
}

TEST(SystemHistory, TheHistoryKeepsTheLastHundredSteps) {
    SystemDocument document;
    for (int k = 0; k < 130; ++k) {
        ASSERT_TRUE(document.toggleNumber(k % 50 + 1));
    }
    int undone = 0;
    while (document.undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    // The 30 oldest marks are kept: 1..30 marked.
    EXPECT_EQ(document.state().header.numbers().size(), 30);
    EXPECT_TRUE(document.modified()); // the new system's step is gone
}

TEST(SystemHistory, UndoAfterDevelopingTwoHundredThousandColumns) {
    SystemDocument document;
    mark(document, 32); // C(32, 5) = 201,376 columns: the development stops at the limit
    develop(document);
    ASSERT_EQ(document.state().columnCount(), MaxColumns);
    const auto developed = editing(document.state());
    for (int k = 0; k < 99; ++k) {
        ASSERT_TRUE(document.editCondition(SystemDocument::ExcludedEdit{k % 2 == 0, {}}));
    }
    ASSERT_TRUE(document.undo()); // the last exclusion switch
    while (document.undoName().id() != text::StepDevelop) {
        ASSERT_TRUE(document.undo());
    }
    EXPECT_EQ(editing(document.state()), developed);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.state().columnCount(), 0);
    EXPECT_FALSE(document.locked());
    EXPECT_EQ(document.state().header.numberCount(), 32);
    ASSERT_TRUE(document.redo());
    EXPECT_EQ(editing(document.state()), developed);
}

TEST(SystemHistory, StepsShareTheColumnsTheyDidNotChange) {
    SystemState developed;
    developed.columns.assign(200000, Column{1, 2, 3, 4, 5});
    developed.locked = true;
    SystemHistory history;
    history.reset(SystemState{});
    history.record("Elabora", developed, true);
    for (int k = 0; k < 150; ++k) {
        developed.excluded.setOn(k % 2 == 0);
        history.record("Escludi", developed, false);
        history.record("Escludi", developed, true); // said changed, but the same columns
    }
    EXPECT_EQ(history.steps(), 100U);
    EXPECT_EQ(history.columnsHeld(), 200000U); // one list for every step
    developed.columns.pop_back();
    history.record("Mescola", developed, true);
    EXPECT_EQ(history.columnsHeld(), 200000U + 199999U);
}

namespace {

class SavedStep : public DocumentFolder {};

} // namespace

TEST_F(SavedStep, ModifiedExactlyAwayFromTheSavedStep) {
    SystemDocument document;
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.toggleNumber(12));
    EXPECT_TRUE(document.modified()); // a mark is a change
    ASSERT_TRUE(document.undo());
    EXPECT_FALSE(document.modified()); // back at the new system
    ASSERT_TRUE(document.redo());
    mark(document, 6);
    ASSERT_TRUE(document.saveAs(path("uno.qsy")));
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.toggleNumber(20));
    EXPECT_TRUE(document.modified());
    ASSERT_TRUE(document.undo());
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified()); // before the save
    ASSERT_TRUE(document.redo());
    EXPECT_FALSE(document.modified());

    // The saved step undone and replaced: no step is the saved one any more.
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.toggleNumber(44));
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified());
}

TEST_F(SavedStep, OpeningStartsANewHistoryAndClearingMakesANewSystem) {
    SystemState stored;
    stored.header.setNumbers({3, 9, 14, 22, 31, 47});
    stored.header.setEuros({1, 10});
    ASSERT_TRUE(saveSystemFile(path("due.qsy"), stored));

    SystemDocument document;
    mark(document, 6);
    ASSERT_TRUE(document.open(path("due.qsy")));
    EXPECT_FALSE(document.canUndo());
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.toggleNumber(1));
    ASSERT_TRUE(document.clear(false));
    EXPECT_FALSE(document.modified()); // a new, empty system
    EXPECT_EQ(undoText(document), "Cancella Sistema");
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.state().header.numberCount(), 7);
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.modified()); // the new system is the step last made new
    EXPECT_FALSE(document.canUndo());
}

TEST(SystemHistory, UndoNeverBringsBackAEuroNumberTheRulesNoLongerAllow) {
    SystemDocument document;
    ASSERT_TRUE(document.setRules(*GameRules::withEuroMax(12)));
    ASSERT_TRUE(document.toggleEuro(12));
    ASSERT_TRUE(document.toggleNumber(5));
    ASSERT_TRUE(document.setRules(GameRules::classic())); // unmarks the 12
    EXPECT_EQ(undoText(document), "Regole dei numeri Euro");
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.state().header.euros().empty());
    EXPECT_TRUE(document.state().header.numbers().contains(5));
}

TEST(SystemHistory, NothingIsUndoneWhileADevelopmentRuns) {
    SystemDocument document;
    mark(document, 6);
    ASSERT_TRUE(document.startDevelopment());
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(document.undo().failed());
    document.abandonDevelopment();
    EXPECT_TRUE(document.canUndo());
}
