#include "files/ColumnText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace quintora {
namespace {

namespace fs = std::filesystem;

class ColumnTextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "coltext-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

TEST(ColumnText, ExportLineForm) {
    const Column c1{1, 2, 3, 4, 5};
    const Column c2{3, 8, 15, 22, 30};
    const Column columns[] = {c1, c2};
    EXPECT_EQ(columnTextLines(columns), " 01 02 03 04 05 \r\n 03 08 15 22 30 \r\n");
}

TEST(ColumnText, ExportLeavesOutZeros) {
    const Column columns[] = {Column{7, 0, 9, 0, 50}};
    EXPECT_EQ(columnTextLines(columns), " 07 09 50 \r\n");
}

TEST(ColumnText, ParseAcceptsLfCrLfBlankRunsAndEmptyLines) {
    const auto parsed = parseColumnsText("\xEF\xBB\xBF 01 02 03 04 05 \r\n"
                                         "\r\n"
                                         "  \t \n"
                                         "10   20\t30 40      50\n"
                                         "5 4 3 2 1");
    ASSERT_TRUE(parsed.ok()) << parsed.error().message;
    const std::vector<Column> expected{{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, {5, 4, 3, 2, 1}};
    EXPECT_EQ(parsed.value(), expected);
}

struct BadText {
    const char* text;
    const char* message;
};

class ColumnTextBadLines : public ::testing::TestWithParam<BadText> {};

TEST_P(ColumnTextBadLines, RefusesWholeImportNamingTheLine) {
    const auto parsed = parseColumnsText(GetParam().text);
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error().message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ColumnTextBadLines,
    ::testing::Values(
        BadText{" 01 02 03 04 05 \r\n 01 02 03 04 \r\n",
                "Riga 2: servono cinque numeri, trovati 4"},
        BadText{"1 2 3 4 5\n\n1 2 x 4 5\n", "Riga 3: \"x\" non e' un numero"},
        BadText{"hello world\n", "Riga 1: \"hello\" non e' un numero"},
        BadText{"1 2 x\n", "Riga 1: \"x\" non e' un numero"},
        BadText{"1 2 3 4 -5\n", "Riga 1: il numero \"-5\" e' fuori dall'intervallo 1..50"},
        BadText{"-1 2 3 4 5\n", "Riga 1: il numero \"-1\" e' fuori dall'intervallo 1..50"},
        BadText{"1 2 3 4 -\n", "Riga 1: \"-\" non e' un numero"},
        BadText{"1 2 3 4 --5\n", "Riga 1: \"--5\" non e' un numero"},
        BadText{"1 2 3 4 5.0\n", "Riga 1: \"5.0\" non e' un numero"},
        BadText{"1 2 3 4 51\n", "Riga 1: il numero \"51\" e' fuori dall'intervallo 1..50"},
        BadText{"1 2 3 4 51 6\n", "Riga 1: il numero \"51\" e' fuori dall'intervallo 1..50"},
        BadText{"0 2 3 4 5\n", "Riga 1: il numero \"0\" e' fuori dall'intervallo 1..50"},
        BadText{"1 2 3 4 99999999999999999999\n",
                "Riga 1: il numero \"99999999999999999999\" e' fuori dall'intervallo 1..50"},
        BadText{"1 2 3 4 5\n1 2 3 4 5\n1 7 7 4 5\n", "Riga 3: il numero 7 e' ripetuto"},
        BadText{"1 1 2 3 4 5\n", "Riga 1: il numero 1 e' ripetuto"},
        BadText{"1 2 3 4 \x01\xE8\n", "Riga 1: \"?\xC3\xA8\" non e' un numero"},
        BadText{"1 2 3 4 5\r6 7 8\n", "Riga 2: servono cinque numeri, trovati 3"},
        BadText{"", "Il file non contiene colonne"},
        BadText{"\r\n  \r\n\t\n", "Il file non contiene colonne"}));

struct ExtraPiecesCase {
    const char* text;
    std::vector<Column> columns;
    std::int32_t linesWithExtraPieces;
};

class ColumnTextExtraPieces : public ::testing::TestWithParam<ExtraPiecesCase> {};

TEST_P(ColumnTextExtraPieces, ReadsTheFirstFivePiecesAndCountsTheLines) {
    const auto imported = importColumnsText(GetParam().text);
    ASSERT_TRUE(imported.ok()) << imported.error().message;
    EXPECT_EQ(imported.value().columns, GetParam().columns);
    EXPECT_EQ(imported.value().linesWithExtraPieces, GetParam().linesWithExtraPieces);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ColumnTextExtraPieces,
    ::testing::Values(ExtraPiecesCase{"1 2 3 4 5 \t \r\n", {{1, 2, 3, 4, 5}}, 0},
                      ExtraPiecesCase{"1 2 3 4 5 6\n", {{1, 2, 3, 4, 5}}, 1},
                      ExtraPiecesCase{"1 2 3 4 5 x -1 99\n7 8 9 10 11\n10 20 30 40 50 5 5\r\n",
                                      {{1, 2, 3, 4, 5}, {7, 8, 9, 10, 11}, {10, 20, 30, 40, 50}},
                                      2}));

TEST(ColumnText, ExtraPiecesNotice) {
    ColumnTextImport imported;
    EXPECT_EQ(extraPiecesNotice(imported), std::nullopt);
    imported.linesWithExtraPieces = 1;
    EXPECT_EQ(extraPiecesNotice(imported),
              "Una riga conteneva piu' di cinque valori: sono stati letti solo i primi cinque");
    imported.linesWithExtraPieces = 1234;
    EXPECT_EQ(extraPiecesNotice(imported), "1.234 righe contenevano piu' di cinque valori: sono "
                                           "stati letti solo i primi cinque di ogni riga");
}

TEST(ColumnText, RefusesMoreColumnsThanTheTable) {
    std::string text;
    for (int i = 0; i < MaxColumns; ++i) {
        text += " 01 02 03 04 05 \r\n";
    }
    EXPECT_TRUE(parseColumnsText(text).ok());
    text += " 06 07 08 09 10 \r\n";
    const auto parsed = parseColumnsText(text);
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error().message,
              "Il file contiene piu' di 200.000 colonne, la capienza massima");
}

struct EuroCase {
    const char* answer;
    std::vector<std::uint8_t> chosen;
    int expected; // 0: refused
};

class EuroAnswer : public ::testing::TestWithParam<EuroCase> {};

TEST_P(EuroAnswer, AcceptsOnlyANewNumberOneToTen) {
    const auto& c = GetParam();
    const auto parsed = parseEuroAnswer(c.answer, c.chosen);
    EXPECT_EQ(parsed.ok(), c.expected != 0);
    EXPECT_EQ(euroAnswerError(c.answer, c.chosen).has_value(), c.expected == 0);
    if (parsed.ok()) {
        EXPECT_EQ(parsed.value(), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, EuroAnswer,
                         ::testing::Values(EuroCase{"1", {}, 1}, EuroCase{" 10 ", {}, 10},
                                           EuroCase{"07", {3}, 7}, EuroCase{"", {}, 0},
                                           EuroCase{"   ", {}, 0}, EuroCase{"abc", {}, 0},
                                           EuroCase{"0", {}, 0}, EuroCase{"11", {}, 0},
                                           EuroCase{"-3", {}, 0}, EuroCase{"4", {4}, 0}));

TEST(ColumnText, EuroPair) {
    const auto pair = parseEuroAnswers("9", "2");
    ASSERT_TRUE(pair.ok());
    EXPECT_EQ(pair.value()[0], 9);
    EXPECT_EQ(pair.value()[1], 2);
    const auto same = parseEuroAnswers("5", "5");
    ASSERT_FALSE(same.ok());
    EXPECT_EQ(same.error().message, "Il numero Euro 5 e' gia' stato scelto");
}

TEST(ColumnText, TheEuroPromptFollowsTheRules) {
    struct Case {
        const char* answer;
        int euroMax;
        const char* refused; // nullptr: accepted
    };
    const Case cases[] = {
        {"10", 10, nullptr},
        {"11", 10, "Il numero Euro deve essere compreso tra 1 e 10"},
        {"11", 12, nullptr},
        {"12", 12, nullptr},
        {"13", 12, "Il numero Euro deve essere compreso tra 1 e 12"},
        {"", 10, "Inserire un numero Euro da 1 a 10"},
        {"", 12, "Inserire un numero Euro da 1 a 12"},
    };
    for (const auto& c : cases) {
        const auto parsed = parseEuroAnswer(c.answer, {}, *GameRules::withEuroMax(c.euroMax));
        EXPECT_EQ(parsed.ok(), c.refused == nullptr) << c.answer << " " << c.euroMax;
        if (c.refused != nullptr && !parsed.ok()) {
            EXPECT_EQ(parsed.error().message, c.refused);
        }
    }
    const auto pair = parseEuroAnswers("12", "11", GameRules::current());
    ASSERT_TRUE(pair.ok());
    SystemState s;
    applyImportedColumns(s, {{1, 2, 3, 4, 5}}, pair.value());
    EXPECT_EQ(s.header.euros(), (NumberSet{11, 12}));
}

TEST(ColumnText, ApplyImportReplacesTheSystem) {
    SystemState state;
    state.conditions.setSumOn(true);
    state.filterCount = 3;
    state.filters[0].setOn(true);
    state.columns = {Column{1, 2, 3, 4, 5}};
    state.locked = true;
    state.header.systemType = "Integrale";

    applyImportedColumns(state, {{12, 3, 40, 7, 9}, {3, 7, 9, 12, 41}}, {8, 2});

    EXPECT_EQ(state.columnCount(), 2);
    EXPECT_EQ(state.columns[0], (Column{12, 3, 40, 7, 9}));
    EXPECT_EQ(state.header.systemType, "FILE TXT");
    const std::vector<std::uint8_t> inPlay = numbersInPlay(state.header);
    EXPECT_EQ(inPlay, (std::vector<std::uint8_t>{3, 7, 9, 12, 40, 41}));
    EXPECT_EQ(state.header.euroCount(), 2);
    EXPECT_EQ(euroNumbers(state.header)[0], 2);
    EXPECT_EQ(euroNumbers(state.header)[1], 8);
    EXPECT_FALSE(state.conditions.sumOn());
    EXPECT_EQ(state.filterCount, 0);
    EXPECT_EQ(state.filters[0], FilterColumn{});
}

TEST_F(ColumnTextFileTest, ExportImportRoundTrip) {
    // 252 columns: every combination of ten numbers, in a mixed order.
    const std::uint8_t ten[] = {2, 5, 11, 17, 23, 29, 31, 38, 44, 50};
    std::vector<Column> columns;
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            for (int c = b + 1; c < 10; ++c)
                for (int d = c + 1; d < 10; ++d)
                    for (int e = d + 1; e < 10; ++e)
                        columns.push_back({ten[a], ten[b], ten[c], ten[d], ten[e]});
    std::swap(columns.front(), columns.back());
    ASSERT_EQ(columns.size(), 252u);

    const auto file = path("sistema.txt");
    ASSERT_TRUE(saveColumnsText(file, columns).ok());
    const std::string text = contents(file);
    EXPECT_EQ(text.size(), 252u * 18u);
    EXPECT_EQ(text.substr(0, 18), " 29 31 38 44 50 \r\n");

    auto read = readColumnsText(file);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value(), columns);

    SystemState state;
    applyImportedColumns(state, std::move(read.value()), {1, 10});
    EXPECT_EQ(state.columns, columns);
    EXPECT_EQ(state.header.systemType, "FILE TXT");
    const std::vector<std::uint8_t> inPlay = numbersInPlay(state.header);
    EXPECT_EQ(inPlay, std::vector<std::uint8_t>(std::begin(ten), std::end(ten)));
}

TEST_F(ColumnTextFileTest, ReadRefusesMissingAndOversizedFiles) {
    EXPECT_FALSE(readColumnsText(path("manca.txt")).ok());

    const auto big = path("grande.txt");
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(MaxColumnTextBytes));
        out.put(' ');
    }
    const auto read = readColumnsText(big);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().message.find("troppo grande"), std::string::npos);
}

} // namespace
} // namespace quintora
