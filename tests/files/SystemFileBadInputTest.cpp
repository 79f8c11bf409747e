// Hostile system files: a clear message, no crash, nothing written past a table.
#include "files/SystemFile.h"

#include <gtest/gtest.h>
#include <random>

using namespace quintora;

namespace {

using Bytes = std::vector<std::uint8_t>;

SystemState sample() {
    SystemState s;
    s.header.setNumbers({1, 2, 3, 4, 5, 6, 7, 8});
    s.header.setEuros({1, 2});
    s.header.systemType = "Integrale";
    s.columns.assign(56, Column{1, 2, 3, 4, 5});
    s.consecutive.setRuns(CountSet::fromBits(0b110));
    s.consecutive.setOn(true);
    s.excluded.setOn(true);
    s.excluded.setColumns(std::vector{Column{}});
    s.filters[0].setOn(true);
    s.filterCount = 1;
    return s;
}

void put32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int k = 0; k < 4; ++k) {
        b.at(at + k) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
    }
}

void append32(Bytes& b, std::int32_t v) {
    for (int k = 0; k < 4; ++k) {
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k)));
    }
}

// The conditions section of a file without columns and without a type starts at 155.
Bytes emptyWithSection() {
    Bytes b = encodeSystemFile(SystemState{});
    append32(b, 12345);
    return b;
}

} // namespace

TEST(SystemFileBadInput, RefusedWithAMessage) {
    const Bytes good = encodeSystemFile(sample());
    struct Case {
        const char* name;
        Bytes bytes;
        const char* containing;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "Questo file non puo' essere letto"});
    cases.push_back(
        {"text file", Bytes{'c', 'i', 'a', 'o', '\n'}, "Questo file non puo' essere letto"});
    Bytes older = good;
    older[10] = '1'; // "quintsys001"
    cases.push_back({"other identifier", older, "Questo file non puo' essere letto"});
    cases.push_back({"cut in the head", Bytes(good.begin(), good.begin() + 40), "intestazione"});
    cases.push_back({"cut in the columns", Bytes(good.begin(), good.begin() + 164 + 100),
                     "colonne dichiarate"});
    Bytes huge = good;
    put32(huge, 13, MaxColumns + 1);
    cases.push_back({"too many columns", huge, "200.000"});
    Bytes negative = good;
    put32(negative, 13, -1);
    cases.push_back({"negative columns", negative, "colonne"});
    Bytes numbers = good;
    numbers[11] = 51;
    cases.push_back({"51 numbers in play", numbers, "numeri in gioco"});
    Bytes euro = good;
    euro[12] = 3;
    cases.push_back({"3 Euro numbers", euro, "Euro numeri"});
    Bytes repeated = good;
    repeated[19 + 9 + 1] = 1;
    cases.push_back({"repeated number", repeated, "ripetuto"});
    Bytes outside = good;
    outside[19 + 9] = 51;
    cases.push_back({"number 51", outside, "1..50: 51"});
    Bytes sameEuro = good; // the Euro list follows the 50 entries of the numbers in play
    sameEuro[19 + 9 + 50 + 1] = sameEuro[19 + 9 + 50];
    cases.push_back({"repeated Euro number", sameEuro, "Euro numero ripetuto"});
    Bytes bigEuro = good;
    bigEuro[19 + 9 + 50 + 1] = 13;
    cases.push_back({"Euro number 13", bigEuro, "1..12: 13"});
    Bytes excluded = emptyWithSection();
    append32(excluded, 4);
    append32(excluded, MaxExcluded + 1);
    excluded.resize(excluded.size() + 5 * (MaxExcluded + 1));
    cases.push_back({"1001 excluded columns", excluded, "colonne escluse"});
    Bytes filters = emptyWithSection();
    for (int i = 0; i <= MaxFilterColumns; ++i) {
        append32(filters, 1);
        filters.resize(filters.size() + 54);
        filters.insert(filters.end(), {0xFF, 0xFF}); // switched on
    }
    cases.push_back({"1001 filter columns", filters, "colonne filtro"});

    for (const auto& c : cases) {
        const auto r = decodeSystemFile(c.bytes);
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.error().title, "E R R O R E") << c.name;
        EXPECT_NE(r.error().message.find(c.containing), std::string::npos)
            << c.name << ": " << r.error().message;
    }
}

TEST(SystemFileBadInput, UnknownBlocksAreReportedAndReadingGoesOn) {
    Bytes b = emptyWithSection();
    append32(b, 77);
    append32(b, 2);
    append32(b, 0b100);
    b.push_back(0xFF);
    b.push_back(0xFF);
    append32(b, 100);
    const auto r = decodeSystemFile(b);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.value().warnings.size(), 1u);
    EXPECT_EQ(ownLanguageText(r.value().warnings[0]), "Condizione non riconosciuta\r\nID : 77");
    EXPECT_EQ(r.value().state.consecutive.runs(), CountSet{2});

    Bytes many = emptyWithSection();
    for (int i = 0; i < 100000; ++i) {
        append32(many, 1000 + i);
    }
    const auto flood = decodeSystemFile(many);
    ASSERT_TRUE(flood.ok());
    EXPECT_LE(flood.value().warnings.size(), 6u); // a flood of unknown blocks is summed up
}

TEST(SystemFileBadInput, EveryTruncationIsRefusedOrReadSafely) {
    const Bytes good = encodeSystemFile(sample());
    const std::size_t sectionStart = 155 + 9 + 56 * 5;
    for (std::size_t n = 0; n < good.size(); ++n) {
        const auto r = decodeSystemFile(std::span(good).first(n));
        if (n < sectionStart) {
            EXPECT_FALSE(r.ok()) << n;
        } else {
            ASSERT_TRUE(r.ok()) << n; // cut inside the optional section: what is whole is kept
            EXPECT_EQ(r.value().state.columnCount(), 56);
        }
    }
}

TEST(SystemFileBadInput, RandomBytesNeverCrash) {
    std::mt19937 rng(2024);
    const Bytes good = encodeSystemFile(sample());
    for (int round = 0; round < 3000; ++round) {
        Bytes b = good;
        if (round % 3 == 0) {
            b.resize(std::uniform_int_distribution<std::size_t>(12, 2000)(rng));
        }
        const int flips = std::uniform_int_distribution<int>(1, 20)(rng);
        for (int k = 0; k < flips; ++k) {
            const auto at = std::uniform_int_distribution<std::size_t>(11, b.size() - 1)(rng);
            b[at] = static_cast<std::uint8_t>(rng());
        }
        const auto r = decodeSystemFile(b);
        if (r.ok()) {
            const auto& s = r.value().state;
            EXPECT_LE(s.columnCount(), MaxColumns);
            EXPECT_LE(s.filterCount, MaxFilterColumns);
            EXPECT_LE(s.excluded.columns().size(), std::size_t{MaxExcluded});
            EXPECT_LE(s.header.numberCount(), MainNumberCount);
        } else {
            EXPECT_FALSE(r.error().message.empty());
        }
    }
}
