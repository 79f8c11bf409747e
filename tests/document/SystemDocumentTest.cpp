#include "document/SystemDocument.h"

#include "document/DocumentFolder.h"
#include "files/SystemFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

using namespace quintora;

namespace {

std::vector<int> listed(std::span<const std::uint8_t> list) {
    return {list.begin(), list.end()};
}

// A document with numbers 1..n in play and the Euro numbers 3 and 8.
void markNumbers(SystemDocument& document, int n) {
    for (int k = 1; k <= n; ++k) {
        ASSERT_TRUE(document.toggleNumber(k));
    }
    ASSERT_TRUE(document.toggleEuro(3));
    ASSERT_TRUE(document.toggleEuro(8));
}

void develop(SystemDocument& document) {
    auto snapshot = document.startDevelopment();
    ASSERT_TRUE(snapshot.ok());
    DevelopmentControl control;
    ASSERT_TRUE(document.finishDevelopment(quintora::develop(snapshot.value(), {}, control)));
}

class DocumentFiles : public DocumentFolder {};

} // namespace

TEST(SystemDocument, TheNumberListsNeverGoStale) {
    SystemDocument document;
    for (int n : {6, 2, 4, 1, 3, 5}) {
        ASSERT_TRUE(document.toggleNumber(n));
    }
    EXPECT_EQ(listed(numbersInPlay(document.state().header)), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(document.toggleNumber(4));
    EXPECT_EQ(listed(numbersInPlay(document.state().header)), (std::vector<int>{1, 2, 3, 5, 6}));
    EXPECT_FALSE(document.toggleNumber(0));
    EXPECT_FALSE(document.toggleNumber(51));
}

TEST(SystemDocument, AThirdEuroNumberIsRefused) {
    SystemDocument document;
    EXPECT_TRUE(document.toggleEuro(9));
    EXPECT_TRUE(document.toggleEuro(2));
    EXPECT_FALSE(document.toggleEuro(5));
    EXPECT_EQ(listed(euroNumbers(document.state().header)), (std::vector<int>{2, 9}));
    EXPECT_FALSE(document.toggleEuro(11));
}

TEST(SystemDocument, EnableRulesFollowTheSystem) {
    SystemDocument document;
    EXPECT_FALSE(document.canDevelop());
    EXPECT_FALSE(document.canOpenConditions());
    EXPECT_FALSE(document.canView());
    markNumbers(document, 6);
    EXPECT_TRUE(document.canDevelop());
    EXPECT_TRUE(document.canOpenConditions());
    EXPECT_FALSE(document.canPrint());

    develop(document);
    EXPECT_EQ(document.state().columnCount(), 6);
    EXPECT_TRUE(document.locked());
    EXPECT_FALSE(document.canDevelop());
    EXPECT_FALSE(document.canEditNumbers());
    EXPECT_TRUE(document.canOpenConditions()); // read-only
    for (bool rule : {document.canView(), document.canShuffle(), document.canCheck(),
                      document.canPrint(), document.canReopen()}) {
        EXPECT_TRUE(rule);
    }
}

TEST(SystemDocument, ALockedSystemRefusesChangesButItsExclusions) {
    SystemDocument document;
    markNumbers(document, 6);
    develop(document);
    EXPECT_FALSE(document.toggleNumber(20));
    EXPECT_FALSE(document.editCondition(SystemDocument::SumEdit{true, {}, {}}).ok());
    EXPECT_FALSE(document.editCondition(SystemDocument::FixedEdit{true, NumberSet{1}}).ok());
    EXPECT_FALSE(document.editCondition(SystemDocument::MinimumDistanceEdit{true, 2}).ok());
    const std::vector<Column> excluded{{1, 2, 3, 4, 5}};
    EXPECT_TRUE(document.editCondition(SystemDocument::ExcludedEdit{true, excluded}).ok());

    ASSERT_TRUE(document.reopenForChanges().ok());
    EXPECT_FALSE(document.locked());
    EXPECT_EQ(document.state().columnCount(), 0);
    EXPECT_TRUE(document.state().header.systemType.empty());
    EXPECT_EQ(document.state().header.numberCount(), 6);
    EXPECT_TRUE(document.state().excluded.on());
    develop(document);
    EXPECT_EQ(document.state().columnCount(), 5);
}

TEST(SystemDocument, TheWorkerDevelopsASnapshotWhileTheDocumentWaits) {
    SystemDocument document;
    markNumbers(document, 7);
    ASSERT_TRUE(document.editCondition(SystemDocument::FixedEdit{true, NumberSet{2, 40}})
                    .ok()); // 40 is not in play
    auto snapshot = document.startDevelopment();
    ASSERT_TRUE(snapshot.ok());
    EXPECT_TRUE(document.developing());
    EXPECT_EQ(snapshot.value().conditions.fixed(), (NumberSet{2}));
    EXPECT_EQ(document.state().conditions.fixed(), (NumberSet{2}));

    // Nothing changes the system under the worker.
    EXPECT_FALSE(document.toggleNumber(9));
    EXPECT_FALSE(document.editCondition(SystemDocument::SumEdit{true, {}, {}}).ok());
    EXPECT_FALSE(document.startDevelopment().ok());
    EXPECT_FALSE(document.open("whatever.qsy").ok());
    EXPECT_FALSE(document.clear(false));
    EXPECT_EQ(document.state().header.numberCount(), 7);

    DevelopmentControl control;
    ASSERT_TRUE(document.finishDevelopment(quintora::develop(snapshot.value(), {}, control)));
    EXPECT_FALSE(document.developing());
    EXPECT_EQ(document.state().columnCount(), 15); // C(6, 4): every column holds the 2
    EXPECT_TRUE(document.locked());
}

TEST(SystemDocument, AnAbandonedDevelopmentLeavesTheSystemEditable) {
    SystemDocument document;
    markNumbers(document, 5);
    ASSERT_TRUE(document.startDevelopment().ok());
    document.abandonDevelopment();
    EXPECT_FALSE(document.developing());
    EXPECT_TRUE(document.canDevelop());
}

TEST(SystemDocument, ListenersHearWhatChanged) {
    SystemDocument document;
    std::vector<Changes> heard;
    const int id = document.addListener([&heard](Changes what) { heard.push_back(what); });
    ASSERT_TRUE(document.toggleNumber(4));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_TRUE(heard[0].has(Change::Numbers));
    EXPECT_FALSE(heard[0].has(Change::Columns));

    EXPECT_FALSE(document.toggleEuro(20)); // refused: nothing to hear
    EXPECT_EQ(heard.size(), 1u);
    ASSERT_TRUE(document.editCondition(SystemDocument::SumEdit{true, {}, {}}).ok());
    EXPECT_TRUE(heard.back().has(Change::Conditions));

    document.removeListener(id);
    ASSERT_TRUE(document.clear(false));
    EXPECT_EQ(heard.size(), 2u);
}

TEST(SystemDocument, CostIsExactInCents) {
    SystemDocument document;
    document.setPricePerColumn(210);
    markNumbers(document, 50);
    develop(document); // stops at the column limit
    EXPECT_EQ(document.state().columnCount(), MaxColumns);
    EXPECT_EQ(document.cost(), Cents{42000000});
}

TEST_F(DocumentFiles, OpenAndSaveKeepTheRunTimeFields) {
    SystemState stored;
    stored.header.setNumbers({3, 9, 14, 22, 31, 47});
    stored.header.setEuros({1, 10});
    stored.columns = {{3, 9, 14, 22, 31}};
    stored.header.systemType = "Integrale";
    ASSERT_TRUE(saveSystemFile(path("Uno.QSY"), stored).ok());

    SystemDocument document;
    document.setPricePerColumn(250);
    document.nameNewSystem(path("nuovo.qsy"));
    std::ofstream(path("rotto.qsy")) << "not a system";
    ASSERT_FALSE(document.open(path("rotto.qsy")).ok());
    EXPECT_EQ(document.state().systemFileName, "nuovo.qsy");

    ASSERT_TRUE(document.open('"' + path("Uno.QSY") + '"').ok());
    EXPECT_EQ(document.state().systemPath, path("Uno.QSY"));
    EXPECT_EQ(document.state().systemFileName, "uno.qsy");
    EXPECT_EQ(document.state().pricePerColumn, 250);
    EXPECT_TRUE(document.locked());

    // Saving under another name shows that name; the system keeps its own file name.
    ASSERT_TRUE(document.saveAs(path("Copia.qsy")).ok());
    EXPECT_EQ(document.shownFileName(), "copia.qsy");
    EXPECT_EQ(document.state().systemFileName, "uno.qsy");
    EXPECT_EQ(document.state().systemPath, path("Copia.qsy"));
    EXPECT_FALSE(document.saveAs("").ok());
}

// The document keeps the bytes of the file it opened that it does not use: saved without a
// change the file comes back as it went, through the reader, the document and the writer; a
// cleared system keeps nothing of it, and undoing the clear brings them back with the step.
TEST_F(DocumentFiles, AnUnchangedSystemSavesTheFilesOwnBytes) {
    SystemState stored;
    stored.header.setNumbers({3, 9, 14, 22, 31, 47});
    stored.header.setEuros({1, 10});
    stored.consecutive.setRuns(CountSet{2});
    stored.consecutive.setOn(true);
    auto bytes = encodeSystemFile(stored);
    bytes[19 + 6] = 40;      // a stale entry behind the count of numbers
    bytes[155 + 4 + 4] |= 1; // bit 0 of the consecutive runs, which no run has
    bytes.push_back(0x7F);   // a byte after the section's end
    std::ofstream(path("odd.qsy"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    const auto read = [this](const char* name) {
        std::ifstream in(path(name), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    };

    SystemDocument document;
    ASSERT_TRUE(document.open(path("odd.qsy")).ok());
    ASSERT_TRUE(document.saveAs(path("same.qsy")).ok());
    EXPECT_EQ(read("same.qsy"), bytes);

    ASSERT_TRUE(document.clear(true).ok());
    ASSERT_TRUE(document.saveAs(path("cleared.qsy")).ok());
    SystemState numbersOnly;
    numbersOnly.header.setNumbers(stored.header.numbers());
    numbersOnly.header.setEuros(stored.header.euros());
    EXPECT_EQ(read("cleared.qsy"), encodeSystemFile(numbersOnly));

    ASSERT_TRUE(document.undo().ok());
    ASSERT_TRUE(document.saveAs(path("again.qsy")).ok());
    EXPECT_EQ(read("again.qsy"), bytes);
    ASSERT_TRUE(document.redo().ok());
    ASSERT_TRUE(document.saveAs(path("redone.qsy")).ok());
    EXPECT_EQ(read("redone.qsy"), encodeSystemFile(numbersOnly));
}

TEST(SystemDocument, APlainSaveGoesToTheSystemsFolder) {
    SystemDocument document;
    document.nameNewSystem("/elsewhere/Colonne.txt");
    EXPECT_EQ(document.plainSavePath("/data/sistemi"), "/data/sistemi/Colonne.qsy");
}
