// quintora-cli matrix-list, adapt and matrix-make: their output, files and exit status.
#include "cli/CliRunner.h"
#include "files/SystemFile.h"
#include "matrix/MatrixAdaptation.h"
#include "matrix/MatrixSamples.h"

#include <gtest/gtest.h>

using namespace quintora;
namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> inPlay7{3, 8, 15, 22, 30, 41, 49};

SystemState sevenNumbers(int euroCount = 2) {
    SystemState s;
    s.header.setNumbers(NumberSet::of(inPlay7));
    s.header.setEuros(euroCount == 2 ? NumberSet{4, 9} : NumberSet{4});
    s.conditions.setSumOn(true);
    s.conditions.sumFrom = 10;
    s.conditions.sumTo = 200;
    return s;
}

Matrix expiring(Matrix m, CalendarDate to) {
    m.header.validTo = oleFromDate(to);
    return m;
}

class CliMatrix : public ::testing::Test {
protected:
    std::string dir() const { return ::quoted(fs::path(folder_.path())); }
    std::string arg(const std::string& name) const {
        return ::quoted(fs::path(folder_.file(name)));
    }
    std::string saveSystem(const std::string& name, const SystemState& s) const {
        EXPECT_TRUE(saveSystemFile(folder_.file(name), s).ok());
        return arg(name);
    }
    bool exists(const std::string& name) const { return fs::exists(folder_.file(name)); }

    MatrixFolder folder_;
};

} // namespace

TEST_F(CliMatrix, ListPrintsEachMatrixInCatalogueOrder) {
    folder_.write("b.mzor", sevenMatrix());
    Matrix ten = sampleMatrix(10, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}, 2);
    ten.header.author = "  Rossi ";
    folder_.write("a.mzor", expiring(ten, {2025, 6, 14}));
    auto damaged = encodeMatrixFile(sevenMatrix());
    damaged[150] ^= 1;
    folder_.write("c.mzor", damaged);

    const auto r = runCli("matrix-list " + dir() + " --today 15/06/2025");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "b.mzor\t7\t5\t3\t3\t0\t5\t100%\tProva\tMatrice di prova\t01/01/2020\t31/12/2099\t"
              "yes\tyes\tno\tyes\tyes\n"
              "c.mzor\t7\t5\t3\t3\t0\t5\t100%\tProva\tMatrice di prova\t01/01/2020\t31/12/2099\t"
              "yes\tno\tno\tyes\tno\n"
              "a.mzor\t10\t5\t2\t2\t0\t2\t100%\tRossi\tMatrice di prova\t01/01/2020\t14/06/2025\t"
              "yes\tyes\tyes\tyes\tno\n");

    const auto filtered = runCli("matrix-list " + dir() + " --v 10 --today 14/06/2025");
    ASSERT_EQ(filtered.status, 0);
    EXPECT_EQ(filtered.out.rfind("a.mzor\t10\t", 0), 0u);
    EXPECT_NE(filtered.out.find("\tyes\tyes\tno\tyes\tyes\n"), std::string::npos) << filtered.out;
    EXPECT_EQ(std::count(filtered.out.begin(), filtered.out.end(), '\n'), 1);
}

TEST_F(CliMatrix, ListUsageAndFailures) {
    struct Case {
        std::string args;
        int status;
    };
    const Case cases[] = {
        {"matrix-list", 2},
        {"matrix-list " + dir() + " --v x", 2},
        {"matrix-list " + dir() + " --v 51", 2},
        {"matrix-list " + dir() + " --today 31/02/2025", 2},
        {"matrix-list " + dir() + " --bogus 1", 2},
        {"matrix-list " + arg("missing"), 1},
        {"matrix-list " + dir(), 0},
        {"matrix-list --help", 0},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    }
}

TEST_F(CliMatrix, AdaptWritesWhatTheAdaptationGives) {
    const auto in = saveSystem("in.qsy", sevenNumbers());
    folder_.write("m.mzor", sevenMatrix());
    const auto r =
        runCli("adapt " + in + " " + arg("m.mzor") + " --today 15/06/2025 -o " + arg("out.qsy"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "5 colonne | Matrice Ridotta N-3\n");

    SystemState expected = sevenNumbers();
    auto adapted = adaptMatrix(sevenMatrix(), inPlay7, {}, MatrixMessages{});
    ASSERT_TRUE(adapted.ok());
    applyAdaptation(expected, std::move(adapted.value()));
    EXPECT_EQ(folder_.read("out.qsy"), encodeSystemFile(expected));
}

TEST_F(CliMatrix, AdaptWithFixedNumbers) {
    const auto in = saveSystem("in.qsy", sevenNumbers());
    folder_.write("f.mzor", sampleMatrix(7, {{1, 2, 3, 4, 5}, {1, 2, 5, 6, 7}}, 3, 2));
    const auto base =
        "adapt " + in + " " + arg("f.mzor") + " --today 15/06/2025 -o " + arg("out.qsy");
    for (const char* bad : {"", " --fixed 8", " --fixed 8,9", " --fixed 8,8", " --fixed 8,41,3"}) {
        const auto r = runCli(base + bad);
        EXPECT_EQ(r.status, 2) << bad << "\n" << r.err;
        EXPECT_FALSE(exists("out.qsy")) << bad;
    }
    const auto r = runCli(base + " --fixed 41,8");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2 colonne | Matrice Ridotta N-3 | Numeri fissi scelti: 41 08\n");
    const auto read = readSystemFile(folder_.file("out.qsy"));
    ASSERT_TRUE(read.ok());
    const auto& c = read.value().state.conditions;
    EXPECT_TRUE(c.fixedOn());
    EXPECT_EQ(c.fixedCount(), 2);
    EXPECT_TRUE(c.fixed().contains(8));
    EXPECT_TRUE(c.fixed().contains(41));
}

TEST_F(CliMatrix, AdaptRefusedWhereTheWindowWouldRefuse) {
    folder_.write("good.mzor", sevenMatrix());
    folder_.write("expired.mzor", expiring(sevenMatrix(), {2025, 6, 14}));
    auto damaged = encodeMatrixFile(sevenMatrix());
    damaged[150] ^= 1;
    folder_.write("damaged.mzor", damaged);
    folder_.write("ten.mzor", sampleMatrix(10, {{1, 2, 3, 4, 5}}));
    Matrix huge = sevenMatrix();
    auto hugeBytes = encodeMatrixFile(huge);
    hugeBytes[5] = 0x41; // C = 200,001 + ...: beyond the column limit
    hugeBytes[6] = 0x0D;
    hugeBytes[7] = 0x03;
    reseal(hugeBytes);
    folder_.write("huge.mzor", hugeBytes);
    const auto in = saveSystem("in.qsy", sevenNumbers());
    const auto oneEuro = saveSystem("one.qsy", sevenNumbers(1));
    SystemState developed = sevenNumbers();
    developed.columns = {{1, 2, 3, 4, 5}};
    const auto locked = saveSystem("developed.qsy", developed);
    struct Case {
        std::string system;
        const char* matrix;
        const char* today;
        const char* containing;
    };
    const Case cases[] = {
        {in, "expired.mzor", "15/06/2025", "Matrice scaduta"},
        {in, "good.mzor", "31/12/2019", "Matrice non ancora attiva"},
        {in, "damaged.mzor", "15/06/2025", "Errore CRC"},
        {in, "ten.mzor", "15/06/2025", "costruita per 10"},
        {in, "huge.mzor", "15/06/2025", "troppe colonne"},
        {in, "missing.mzor", "15/06/2025", "missing.mzor"},
        {oneEuro, "good.mzor", "15/06/2025", "one.qsy"},
        {locked, "good.mzor", "15/06/2025", "sviluppato"},
    };
    for (const auto& c : cases) {
        const auto r = runCli("adapt " + c.system + " " + arg(c.matrix) + " --today " + c.today +
                              " -o " + arg("out.qsy"));
        EXPECT_EQ(r.status, 1) << c.matrix;
        EXPECT_NE(r.err.find(c.containing), std::string::npos) << c.matrix << ": " << r.err;
        EXPECT_FALSE(exists("out.qsy")) << c.matrix;
    }
    EXPECT_EQ(runCli("adapt " + in + " " + arg("good.mzor")).status, 2);
    EXPECT_EQ(runCli("adapt " + in + " -o " + arg("out.qsy")).status, 2);
}

TEST_F(CliMatrix, MakeWritesAMatrixThatKeepsItsGuarantee) {
    const auto r = runCli("matrix-make 9 3 4 --fixed 1 --author 'Mario Rossi' --description "
                          "'Prova 9' --valid-from 01/02/2025 --valid-to 31/12/2030 --steps 20000 "
                          "--seed 3 -o " +
                          arg("w.mzor"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" colonne | 9 numeri, garanzia 3 se 4, 1 fisso | limite inferiore "),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("migliore nota"), std::string::npos) << r.out; // none known for 3 se 4
    const auto read = readMatrixFile(folder_.file("w.mzor"));
    ASSERT_TRUE(read.ok()) << read.error().message;
    const auto& m = read.value();
    EXPECT_EQ(m.header.author, "Mario Rossi");
    EXPECT_EQ(m.header.description, "Prova 9");
    EXPECT_EQ(dateFromOle(m.header.validFrom), (CalendarDate{2025, 2, 1}));
    EXPECT_EQ(dateFromOle(m.header.validTo), (CalendarDate{2030, 12, 31}));
    std::vector<WheelColumn> columns;
    for (int c = 1; c <= m.header.columnCount; ++c) {
        WheelColumn column{};
        for (int k = 1; k <= 5; ++k) {
            column[static_cast<std::size_t>(k - 1)] = m.position(k, c);
        }
        columns.push_back(column);
    }
    EXPECT_EQ(drawsWithoutGuarantee({9, 3, 4, 1}, columns), 0u);

    // The same seed and step budget give the same file.
    ASSERT_EQ(runCli("matrix-make 9 3 4 --fixed 1 --author 'Mario Rossi' --description 'Prova 9' "
                     "--valid-from 01/02/2025 --valid-to 31/12/2030 --steps 20000 --seed 3 -o " +
                     arg("again.mzor"))
                  .status,
              0);
    EXPECT_EQ(folder_.read("again.mzor"), folder_.read("w.mzor"));
}

TEST_F(CliMatrix, MakeShowsTheBestKnownSizeBesideTheBound) {
    const auto r = runCli("matrix-make 17 3 3 --steps 1000 -o " + arg("w.mzor"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("68 colonne | 17 numeri, garanzia 3 se 3 | limite inferiore 68 | "
                          "migliore nota 68 | ",
                          0),
              0u)
        << r.out;
}

TEST_F(CliMatrix, MakeUsage) {
    const std::string out = " -o " + arg("w.mzor");
    for (const std::string& args :
         {std::string("matrix-make 9 3 4"), "matrix-make 9 3" + out, "matrix-make 4 2 2" + out,
          "matrix-make 9 4 3" + out, "matrix-make 9 3 3 --fixed 3" + out, "matrix-make x 3 3" + out,
          "matrix-make 9 3 3 --valid-from 32/01/2025" + out,
          "matrix-make 9 3 3 --valid-from 02/01/2025 --valid-to 01/01/2025" + out,
          "matrix-make 9 3 3 --seconds -1" + out, "matrix-make 9 3 3 --steps many" + out}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 2) << args << "\n" << r.err;
        EXPECT_FALSE(exists("w.mzor")) << args;
    }
    EXPECT_EQ(runCli("matrix-make --help").status, 0);
    EXPECT_EQ(runCli("matrix-make 9 3 3 --steps 100 -o " + arg("no/such/folder/w.mzor")).status, 1);
}
