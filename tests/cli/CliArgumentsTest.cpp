// What every command does with its arguments: help and version everywhere, numbers read whole
// and in range, one reading of dates, print targets and calibration files refused before work.
#include "cli/CliRunner.h"
#include "files/ColumnText.h"
#include "files/SystemFile.h"

#include <gtest/gtest.h>
#include <set>

namespace quintora {
namespace {

namespace fs = std::filesystem;

class CliArguments : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "cliargs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        SystemState s;
        applyImportedColumns(s, {{1, 2, 3, 4, 5}, {6, 17, 28, 39, 50}}, {4, 9});
        ASSERT_TRUE(saveSystemFile(path("in.qsy"), s).ok());
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::string arg(const char* name) const { return ::quoted(dir_ / name); }
    // What the folder holds besides the system every test starts with.
    std::set<std::string> written() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            if (e.path().filename() != "in.qsy") {
                names.insert(e.path().filename().string());
            }
        }
        return names;
    }

    fs::path dir_;
};

// The command names the program's help lists.
std::vector<std::string> listedCommands() {
    std::vector<std::string> names;
    std::istringstream help(runCli("--help").out);
    const std::string prefix = "  quintora-cli ";
    for (std::string line; std::getline(help, line);) {
        if (line.starts_with(prefix)) {
            const auto name = line.substr(prefix.size());
            names.push_back(name.substr(0, name.find(' ')));
        }
    }
    return names;
}

TEST_F(CliArguments, EveryCommandHasItsHelpAndTheVersion) {
    const auto names = listedCommands();
    ASSERT_GE(names.size(), 20u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const auto help = runCli(name + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: quintora-cli " + name + " ", 0), 0u) << help.out;
        const auto version = runCli(name + " --version");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, std::string("quintora-cli ") + QUINTORA_VERSION + "\n");
    }
}

TEST_F(CliArguments, NumbersAreReadWholeAndInRange) {
    const std::string out = " -o " + arg("w.mzor");
    const std::string system = arg("in.qsy");
    // Each budget refused comes with another one, so that a command taking it still ends.
    for (const std::string& args : {
             "matrix-make 9 3 3 --seconds nan --steps 1000" + out,
             "matrix-make 9 3 3 --seconds inf --steps 1000" + out,
             "matrix-make 9 3 3 --seconds 0 --steps 1000" + out,
             "matrix-make 9 3 3 --seconds 2s --steps 1000" + out,
             "matrix-make 9 3 3 --seconds 1e9 --steps 1000" + out,
             "matrix-make 9 3 3 --steps 0 --seconds 0.2" + out,
             "matrix-make 9 3 3 --steps 0x10 --seconds 0.2" + out,
             "matrix-make 9 3 3 --steps 99999999999999999999 --seconds 0.2" + out,
             "matrix-make 9 3 3 --seed -1 --steps 10" + out,
             "matrix-make 9 3 3 --seed ' 1' --steps 10" + out,
             "matrix-make 9x 3 3 --steps 10" + out,
             "matrix-make 9 3 3 --fixed 1.0 --steps 10" + out,
             "matrix-list " + ::quoted(dir_) + " --v 0x5",
             "matrix-list " + ::quoted(dir_) + " --v 5x",
             "listing " + system + " --copies 0x5 --pdf " + arg("l.pdf"),
             "listing " + system + " --copies 2.0 --pdf " + arg("l.pdf"),
             "analyse " + system + " --euro-max 0xa",
             "info " + system + " --price nan",
         }) {
        SCOPED_TRACE(args);
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(written(), std::set<std::string>{});

    // Leading zeros are decimal: ten steps, not eight.
    const auto tens = runCli("matrix-make 9 3 3 --steps 010 --seed 007" + out);
    ASSERT_EQ(tens.status, 0) << tens.err;
    EXPECT_NE(tens.out.find("| 10 passi"), std::string::npos) << tens.out;
}

TEST_F(CliArguments, EveryDateOptionRefusesADayThatDoesNotExist) {
    const std::string system = arg("in.qsy");
    const std::string dateOptions[] = {
        "archive-check " + system + " --archive " + arg("a.dat") + " --from ",
        "archive-check " + system + " --archive " + arg("a.dat") + " --to ",
        "matrix-list " + ::quoted(dir_) + " --today ",
        "adapt " + system + " " + arg("m.mzor") + " -o " + arg("o.qsy") + " --today ",
        "matrix-make 9 3 3 --steps 10 -o " + arg("w.mzor") + " --valid-from ",
        "matrix-make 9 3 3 --steps 10 -o " + arg("w.mzor") + " --valid-to ",
    };
    for (const auto& option : dateOptions) {
        for (const char* day : {"31/02/2020", "29/02/2021", "01/01/0000", "1/13/2020", "x"}) {
            SCOPED_TRACE(option + day);
            const auto r = runCli(option + day);
            EXPECT_EQ(r.status, 2) << r.err;
            EXPECT_NE(r.err.find("DD/MM/YYYY"), std::string::npos) << r.err;
        }
    }
    EXPECT_EQ(written(), std::set<std::string>{});
}

TEST_F(CliArguments, PrintsRefuseAnEmptyTargetAndAMissingCalibrationBeforeAnyWork) {
    const std::string system = arg("in.qsy");
    const std::string missing = path("nessuna.cfg");
    const struct {
        std::string args;
        std::string reason;
    } cases[] = {
        {"print-slips " + system + " --type 1 --pdf ''", "--pdf: manca il nome del file"},
        {"listing " + system + " --pdf ''", "--pdf: manca il nome del file"},
        {"calibration-test --type 5 --printer ''", "--printer: manca il nome della stampante"},
        {"listing " + system + " --printer ''", "--printer: manca il nome della stampante"},
        // Checked before the system is read: a missing one is not what is reported.
        {"print-slips " + arg("none.qsy") + " --type 5 --printer ''",
         "--printer: manca il nome della stampante"},
        {"calibration-test --type 1 --calibration " + ::quoted(missing) + " --pdf " + arg("t.pdf"),
         missing + ": il file di taratura non esiste"},
        {"print-slips " + system + " --type 5 --calibration " + ::quoted(missing) + " --pdf " +
             arg("s.pdf"),
         missing + ": il file di taratura non esiste"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "quintora-cli: " + c.reason + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(written(), std::set<std::string>{});
}

} // namespace
} // namespace quintora
