// export-txt, import-txt and filters, run through the built quintora-cli.
#include "cli/CliRunner.h"
#include "files/ColumnText.h"
#include "files/SystemFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace quintora {
namespace {

namespace fs = std::filesystem;

class CliTextFilters : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "clitext-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    static std::string contents(const std::string& p) { return readText(p); }
    void write(const std::string& p, const std::string& text) const {
        std::ofstream(p, std::ios::binary) << text;
    }

    static CliRun cli(const std::vector<std::string>& args) {
        std::string arguments;
        for (const auto& a : args) {
            arguments += " " + ::quoted(fs::path(a));
        }
        return runCli(arguments);
    }

    // A stored system with two columns, some numbers in play and a filter column.
    std::string storedSystem() const {
        SystemState s;
        applyImportedColumns(s, {{1, 2, 3, 4, 5}, {6, 17, 28, 39, 50}}, {4, 9});
        s.filters[0].setMembers({1});
        s.filters[0].setHits({0});
        s.filters[0].setOn(true);
        s.filterCount = 1;
        const auto file = path("in.qsy");
        EXPECT_TRUE(saveSystemFile(file, s).ok());
        return file;
    }

    fs::path dir_;
};

TEST_F(CliTextFilters, ExportWritesOneLinePerColumn) {
    const auto run = cli({"export-txt", storedSystem(), path("out.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(contents(path("out.txt")), " 01 02 03 04 05 \r\n 06 17 28 39 50 \r\n");
    EXPECT_EQ(run.out, "2 colonne | " + path("out.txt") + "\n");

    EXPECT_EQ(cli({"export-txt", path("in.qsy")}).status, 2);
    SystemState empty;
    ASSERT_TRUE(saveSystemFile(path("empty.qsy"), empty).ok());
    EXPECT_EQ(cli({"export-txt", path("empty.qsy"), path("e.txt")}).status, 1);
    EXPECT_FALSE(fs::exists(path("e.txt")));
}

TEST_F(CliTextFilters, ImportMakesASystemWithTheEuroNumbers) {
    write(path("in.txt"), " 03 08 15 22 30 \r\n\r\n 01 02 03 04 05 \r\n");
    const auto run = cli({"import-txt", path("in.txt"), "--euro", "7,2", "-o", path("s.qsy")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 colonne | FILE TXT | numeri in gioco 9\n");

    const auto loaded = readSystemFile(path("s.qsy"));
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    const auto& s = loaded.value().state;
    EXPECT_EQ(s.columns, (std::vector<Column>{{3, 8, 15, 22, 30}, {1, 2, 3, 4, 5}}));
    EXPECT_EQ(s.header.systemType, "FILE TXT");
    EXPECT_EQ(s.header.euroCount(), 2);
    EXPECT_EQ(euroNumbers(s.header)[0], 2);
    EXPECT_EQ(euroNumbers(s.header)[1], 7);
}

TEST_F(CliTextFilters, ImportRefusesBadTextAndBadEuroNumbers) {
    write(path("bad.txt"), "1 2 3 4 5\n1 2 3 4 77\n");
    const auto bad = cli({"import-txt", path("bad.txt"), "--euro", "1,2", "-o", path("s.qsy")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Riga 2: il numero \"77\""), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(path("s.qsy")));

    const auto euro = cli({"import-txt", path("bad.txt"), "--euro", "3,3", "-o", path("s.qsy")});
    EXPECT_EQ(euro.status, 1); // two numbers, refused by the rules when the command runs
    EXPECT_NE(euro.err.find("gia' stato scelto"), std::string::npos) << euro.err;

    const auto missing = cli({"import-txt", path("bad.txt"), "-o", path("s.qsy")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Usage: quintora-cli import-txt"), std::string::npos);
}

TEST_F(CliTextFilters, FiltersReplaceTheFilterColumns) {
    write(path("f.txt"), "1-2-3\r\n\r\n10;20;x;99\r\n");
    const auto run = cli({"filters", storedSystem(), "--import", path("f.txt"), "--hits", "0,1",
                          "-o", path("out.qsy")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 colonne filtro\n");
    EXPECT_NE(run.err.find("2 pezzi ignorati"), std::string::npos) << run.err;

    const auto loaded = readSystemFile(path("out.qsy"));
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    const auto& s = loaded.value().state;
    ASSERT_EQ(s.filterCount, 2);
    EXPECT_TRUE(s.filters[1].memberSet().contains(10));
    EXPECT_TRUE(s.filters[1].memberSet().contains(20));
    EXPECT_EQ(s.filters[1].hits(), (CountSet{0, 1}));
    EXPECT_TRUE(s.filters[1].on());
    // Columns developed under the old filters do not survive the change.
    EXPECT_TRUE(s.columns.empty());
    EXPECT_EQ(s.header.numberCount(), 10);
}

TEST_F(CliTextFilters, FiltersWarnAtTheLimitAndRefuseUsageErrors) {
    std::string many;
    for (int i = 0; i < 1200; ++i) {
        many += "1 2 3\n";
    }
    write(path("many.txt"), many);
    const auto in = storedSystem();
    const auto run =
        cli({"filters", in, "--import", path("many.txt"), "--hits", "", "-o", path("o.qsy")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.000 colonne filtro\n");
    EXPECT_NE(run.err.find("Colonne superiori alla capienza della memoria"), std::string::npos);

    EXPECT_EQ(cli({"filters", in, "--import", path("many.txt"), "-o", path("o.qsy")}).status, 2);
    EXPECT_EQ(cli({"filters", in, "--import", path("many.txt"), "--hits", "6", "-o", path("o.qsy")})
                  .status,
              2);
    const auto missing =
        cli({"filters", in, "--import", path("none.txt"), "--hits", "1", "-o", path("o2.qsy")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(path("o2.qsy")));
}

} // namespace
} // namespace quintora
