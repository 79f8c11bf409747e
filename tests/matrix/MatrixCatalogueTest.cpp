// The catalogue: which files, in which order, with which flags and status texts.
#include "matrix/MatrixCatalogue.h"

#include "matrix/MatrixSamples.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

const CalendarDate today{2025, 6, 15};

Matrix withValidity(Matrix m, CalendarDate from, CalendarDate to) {
    m.header.validFrom = oleFromDate(from);
    m.header.validTo = oleFromDate(to);
    return m;
}

Matrix withV(std::uint8_t v) {
    return sampleMatrix(v, {{1, 2, 3, 4, 5}});
}

std::vector<std::string> names(const Catalogue& c) {
    std::vector<std::string> out;
    for (const auto& e : c.entries) {
        out.push_back(e.fileName);
    }
    return out;
}

} // namespace

TEST(MatrixCatalogue, EmptyOrMissingFolderGivesNoEntries) {
    MatrixFolder folder;
    EXPECT_TRUE(loadCatalogue(folder.path(), 0, today).entries.empty());
    EXPECT_TRUE(loadCatalogue(folder.file("missing"), 0, today).entries.empty());
}

TEST(MatrixCatalogue, FilterByVAndOrderByVThenName) {
    MatrixFolder folder;
    folder.write("c.mzor", withV(10));
    folder.write("a.mzor", withV(12));
    folder.write("b.mzor", withV(10));
    folder.write("d.mzor", withV(7));
    folder.write("other.txt", withV(10));  // not a matrix file name
    folder.write("upper.MZOR", withV(10)); // the extension is matched as written
    EXPECT_EQ(names(loadCatalogue(folder.path(), 0, today)),
              (std::vector<std::string>{"d.mzor", "b.mzor", "c.mzor", "a.mzor"}));
    EXPECT_EQ(names(loadCatalogue(folder.path(), 10, today)),
              (std::vector<std::string>{"b.mzor", "c.mzor"}));
    EXPECT_TRUE(loadCatalogue(folder.path(), 20, today).entries.empty());
}

TEST(MatrixCatalogue, DateFlagsOnTheDayBoundaries) {
    struct Case {
        const char* name;
        CalendarDate from;
        CalendarDate to;
        bool expired;
        bool active;
    };
    const Case cases[] = {
        {"valid to today", {2025, 1, 1}, {2025, 6, 15}, false, true},
        {"valid to yesterday", {2025, 1, 1}, {2025, 6, 14}, true, true},
        {"valid from today", {2025, 6, 15}, {2025, 12, 31}, false, true},
        {"valid from tomorrow", {2025, 6, 16}, {2025, 12, 31}, false, false},
        {"one day only, today", {2025, 6, 15}, {2025, 6, 15}, false, true},
    };
    for (const auto& c : cases) {
        MatrixFolder folder;
        folder.write("m.mzor", withValidity(sevenMatrix(), c.from, c.to));
        const auto catalogue = loadCatalogue(folder.path(), 0, today);
        ASSERT_EQ(catalogue.entries.size(), 1u) << c.name;
        const auto& e = catalogue.entries[0];
        EXPECT_EQ(e.expired, c.expired) << c.name;
        EXPECT_EQ(e.active, c.active) << c.name;
        EXPECT_EQ(e.canAdapt(), c.active && !c.expired) << c.name;
    }
}

TEST(MatrixCatalogue, DamagedFilesAreListedWithTheirFlags) {
    MatrixFolder folder;
    auto changed = encodeMatrixFile(sevenMatrix());
    changed[150] ^= 1;
    folder.write("changed.mzor", changed);
    auto wrongId = encodeMatrixFile(sevenMatrix());
    wrongId[127] = 'M';
    reseal(wrongId);
    folder.write("wrongid.mzor", wrongId);
    auto cut = encodeMatrixFile(sevenMatrix());
    cut.resize(20);
    folder.write("short.mzor", cut);
    Matrix badDates = sevenMatrix();
    badDates.header.validFrom = std::numeric_limits<double>::quiet_NaN();
    badDates.header.validTo = 1e300;
    folder.write("baddates.mzor", badDates);
    folder.write("good.mzor", sevenMatrix());
    std::filesystem::create_directory(folder.file("folder.mzor"));

    const auto catalogue = loadCatalogue(folder.path(), 0, today);
    ASSERT_EQ(catalogue.entries.size(), 5u);
    ASSERT_EQ(catalogue.skipped.size(), 1u);
    EXPECT_EQ(catalogue.skipped[0].rfind("folder.mzor: ", 0), 0u);
    for (const auto& e : catalogue.entries) {
        const bool good = e.fileName == "good.mzor";
        EXPECT_EQ(e.canAdapt(), good) << e.fileName;
        if (e.fileName == "changed.mzor") {
            EXPECT_TRUE(e.identifierValid);
            EXPECT_FALSE(e.checksumValid);
        } else if (e.fileName == "wrongid.mzor") {
            EXPECT_FALSE(e.identifierValid);
            EXPECT_TRUE(e.checksumValid);
        } else if (e.fileName == "short.mzor") {
            EXPECT_FALSE(e.identifierValid);
            EXPECT_FALSE(e.checksumValid);
        } else if (e.fileName == "baddates.mzor") {
            EXPECT_TRUE(e.checksumValid);
            EXPECT_TRUE(e.expired);
            EXPECT_FALSE(e.active);
        }
    }
}

TEST(MatrixCatalogue, StatusTextsShowOnlyWhatHolds) {
    const MatrixMessages messages;
    CatalogueEntry e;
    e.identifierValid = true;
    e.checksumValid = true;
    e.active = true;
    auto texts = statusTexts(e, messages);
    EXPECT_TRUE(texts.identifier.empty() && texts.checksum.empty() && texts.expired.empty() &&
                texts.notActive.empty());
    e = CatalogueEntry{};
    e.expired = true;
    texts = statusTexts(e, messages);
    EXPECT_EQ(texts.identifier, "Formato del file non valido");
    EXPECT_EQ(texts.checksum, "Errore CRC: file danneggiato");
    EXPECT_EQ(texts.expired, "Matrice scaduta");
    EXPECT_EQ(texts.notActive, "Matrice non ancora attiva");
}
