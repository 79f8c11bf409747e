// --euro-max and the settings file's Euro numbers in the commands that read a typed Euro
// number, and the rules info reports.
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

// A data folder of its own (no settings file until a test writes one) and a system with the
// Euro numbers 11 and 12 that holds the column 1 2 3 4 5.
class CliRules : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "clirules-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
        SystemState s;
        applyImportedColumns(s, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}, {12, 11});
        ASSERT_TRUE(saveSystemFile(path("S.qsy"), s).ok());
        std::ofstream(path("cols.txt"), std::ios::binary) << " 01 02 03 04 05 \r\n";
    }
    void TearDown() override {
        ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(dir_);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::string arg(const char* name) const { return ::quoted(dir_ / name); }
    void chooseInSettings(const char* value) const {
        fs::create_directories(dir_ / "Quintora");
        std::ofstream(dir_ / "Quintora" / "quintora.ini", std::ios::binary)
            << "[IMPOSTAZIONI]\r\nNUMERI EURO=" << value << "\r\n";
    }

    fs::path dir_;
};

TEST_F(CliRules, CheckTakesEuroElevenAndTwelveUnderTheirRulesOnly) {
    const std::string check = "check " + arg("S.qsy") + " --draw 1,2,3,4,5+11,12";
    const auto twelve = runCli(check + " --euro-max 12");
    ASSERT_EQ(twelve.status, 0) << twelve.err;
    EXPECT_EQ(twelve.out.substr(0, twelve.out.find('\n')), "5+2\t1\t1");

    const auto ten = runCli(check); // no option and no settings file: Euro 1-10
    EXPECT_EQ(ten.status, 1);
    EXPECT_NE(ten.err.find("Valore 11 non ammesso"), std::string::npos) << ten.err;
    EXPECT_EQ(ten.out, "");
    EXPECT_EQ(runCli(check + " --euro-max 10").status, 1);
    const auto beyond = runCli("check " + arg("S.qsy") + " --draw 1,2,3,4,5+13,12 --euro-max 12");
    EXPECT_EQ(beyond.status, 1);
    EXPECT_NE(beyond.err.find("Valore 13 non ammesso"), std::string::npos) << beyond.err;

    chooseInSettings("12");
    EXPECT_EQ(runCli(check).status, 0);
    EXPECT_EQ(runCli(check + " --euro-max 10").status, 1); // the option wins
    for (const char* wrong : {"11", "0xc", "", "dodici"}) {
        EXPECT_EQ(runCli(check + " --euro-max '" + wrong + "'").status, 2) << wrong;
    }
    EXPECT_EQ(runCli(check + " --euro-max 012").status, 0);
}

TEST_F(CliRules, ImportTxtTakesEuroElevenAndTwelveUnderTheirRulesOnly) {
    const auto refused =
        runCli("import-txt " + arg("cols.txt") + " --euro 11,12 -o " + arg("o.qsy"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Il numero Euro deve essere compreso tra 1 e 10"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(path("o.qsy")));

    const auto done =
        runCli("import-txt " + arg("cols.txt") + " --euro 11,12 --euro-max 12 -o " + arg("o.qsy"));
    ASSERT_EQ(done.status, 0) << done.err;
    const auto loaded = readSystemFile(path("o.qsy"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(euroNumbers(loaded.value().state.header)[0], 11);
    EXPECT_EQ(euroNumbers(loaded.value().state.header)[1], 12);
    EXPECT_EQ(loaded.value().state.header.euroCount(), 2);
}

// A Euro number out of the rules' range is one answer, whatever number it is: the rules'
// range, exit 1. Only what is not two numbers is wrong usage.
TEST_F(CliRules, ImportTxtGivesEveryEuroNumberOutOfRangeTheSameAnswer) {
    const struct {
        const char* euro;
        const char* euroMax;
        int status;
        const char* saying;
    } cases[] = {
        {"3,13", "10", 1, "Il numero Euro deve essere compreso tra 1 e 10"},
        {"3,11", "10", 1, "Il numero Euro deve essere compreso tra 1 e 10"},
        {"13,3", "10", 1, "Il numero Euro deve essere compreso tra 1 e 10"},
        {"3,999", "10", 1, "Il numero Euro deve essere compreso tra 1 e 10"},
        {"3,13", "12", 1, "Il numero Euro deve essere compreso tra 1 e 12"},
        {"0,3", "12", 1, "Il numero Euro deve essere compreso tra 1 e 12"},
        {"3,3", "10", 1, "gia' stato scelto"},
        {"x,3", "10", 2, "two numbers"},
        {"3", "10", 2, "two numbers"},
        {"3,-1", "10", 2, "two numbers"},
        {"3,4,5", "10", 2, "two numbers"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.euro) + " under " + c.euroMax);
        const auto r = runCli("import-txt " + arg("cols.txt") + " --euro '" + c.euro +
                              "' --euro-max " + c.euroMax + " -o " + arg("p.qsy"));
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.saying), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(path("p.qsy")));
    }
}

TEST_F(CliRules, InfoSaysWhichEuroNumbersASystemNeeds) {
    const auto today = runCli("info " + arg("S.qsy"));
    ASSERT_EQ(today.status, 0) << today.err;
    EXPECT_NE(today.out.find("Euro numeri: 11 12\nEuro: 1-12\n"), std::string::npos) << today.out;
    SystemState s;
    applyImportedColumns(s, {{1, 2, 3, 4, 5}}, {3, 10});
    ASSERT_TRUE(saveSystemFile(path("C.qsy"), s).ok());
    const auto classic = runCli("info " + arg("C.qsy"));
    EXPECT_NE(classic.out.find("Euro numeri: 03 10\nEuro: 1-10\n"), std::string::npos)
        << classic.out;
}

TEST_F(CliRules, AnalyseFollowsTheSettingsFilesRules) {
    SystemState s;
    applyImportedColumns(s, {{1, 2, 3, 4, 5}}, {3, 8});
    ASSERT_TRUE(saveSystemFile(path("C.qsy"), s).ok());
    const auto ten = runCli("analyse " + arg("C.qsy"));
    ASSERT_EQ(ten.status, 0) << ten.err;
    chooseInSettings("12");
    const auto twelve = runCli("analyse " + arg("C.qsy"));
    ASSERT_EQ(twelve.status, 0) << twelve.err;
    EXPECT_EQ(twelve.out, runCli("analyse " + arg("C.qsy") + " --euro-max 12").out);
    EXPECT_NE(twelve.out, ten.out);
}

} // namespace
} // namespace quintora
