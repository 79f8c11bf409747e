// The commands that write a system refuse an output they could not write: exit 1, the reason on
// standard error, no summary, nothing written. A FIFO given as input is refused, not waited on.
#include "cli/CliRunner.h"
#include "files/ColumnText.h"
#include "files/SystemFile.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace quintora {
namespace {

namespace fs = std::filesystem;

class CliOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "clioutput-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        SystemState s;
        applyImportedColumns(s, {{1, 2, 3, 4, 5}, {6, 17, 28, 39, 50}}, {4, 9});
        ASSERT_TRUE(saveSystemFile(path("in.qsy"), s).ok());
        std::ofstream(path("in.txt"), std::ios::binary) << " 01 02 03 04 05 \r\n";
        std::ofstream(path("f.txt"), std::ios::binary) << "1-2-3\r\n";
        fs::create_directory(dir_ / "folder");
        ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& e : fs::recursive_directory_iterator(dir_)) {
            found.insert(fs::relative(e.path(), dir_).string());
        }
        return found;
    }

    static CliRun cli(const std::vector<std::string>& args) {
        std::string arguments;
        for (const auto& a : args) {
            arguments += " " + ::quoted(fs::path(a));
        }
        return runCli(arguments);
    }

    fs::path dir_;
};

TEST_F(CliOutput, AnOutputThatCannotBeWrittenIsAFailureWithNoSummary) {
    const struct {
        const char* name;
        std::vector<std::string> args; // the output follows
    } commands[] = {
        {"develop", {"develop", path("in.qsy"), "-o"}},
        {"import-txt", {"import-txt", path("in.txt"), "--euro", "3,8", "-o"}},
        {"filters", {"filters", path("in.qsy"), "--import", path("f.txt"), "--hits", "1", "-o"}},
    };
    const struct {
        std::string output;
        std::string reason;
    } outputs[] = {
        {"", "manca il nome del file"},
        {path("folder"), "e' una cartella, non un file"},
        {path("fifo"), "e' una FIFO, non un file"},
        {path("assente/out.qsy"), "Impossibile scrivere nella cartella di"},
    };
    const auto before = names();
    for (const auto& c : commands) {
        for (const auto& o : outputs) {
            SCOPED_TRACE(std::string(c.name) + " -o '" + o.output + "'");
            auto args = c.args;
            args.push_back(o.output);
            const auto run = cli(args);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(o.reason), std::string::npos) << run.err;
            EXPECT_EQ(names(), before);
            EXPECT_TRUE(fs::is_fifo(path("fifo")));
        }
    }
}

TEST_F(CliOutput, AFifoAsInputIsRefusedAtOnce) {
    ::alarm(60); // waiting on the FIFO would hang the test: fail it instead
    const auto run = cli({"info", path("fifo")});
    ::alarm(0);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("e' una FIFO, non un file"), std::string::npos) << run.err;
}

} // namespace
} // namespace quintora
