#include "cli/CliRunner.h"
#include "core/Development.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quintora;
namespace fs = std::filesystem;

namespace {

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quintora-cli-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path file(const char* name) const { return dir_ / name; }

    fs::path save(const char* name, const SystemState& s) const {
        const auto p = file(name);
        EXPECT_TRUE(saveSystemFile(p.string(), s).ok());
        return p;
    }

    fs::path dir_;
};

SystemState conditioned() {
    SystemState s;
    NumberSet numbers;
    for (int i = 0; i < 14; ++i) {
        numbers.insert(2 * i + 3);
    }
    s.header.setNumbers(numbers);
    s.header.setEuros({3, 8});
    s.conditions.setSumOn(true);
    s.conditions.sumFrom = 60;
    s.conditions.sumTo = 120;
    s.conditions.setFixedOn(true);
    s.conditions.setFixed({5, 50}); // 50 is not in play: dropped before developing
    s.minimumDistance.minDistance = 2;
    s.minimumDistance.setOn(true);
    s.consecutive.setRuns(CountSet::fromBits(0b111110));
    s.consecutive.setOn(true);
    s.filters[0].setMembers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    s.filters[0].setHits({0, 1, 2});
    s.filters[0].setOn(true);
    s.filterCount = 1;
    s.columns.assign(3, Column{1, 2, 3, 4, 5}); // old columns are ignored
    return s;
}

} // namespace

TEST_F(Cli, DevelopWritesExactlyTheDevelopedSystem) {
    const auto in = save("in.qsy", conditioned());
    const auto out = file("out.qsy");
    const auto r = runCli("develop " + quoted(in) + " -o " + quoted(out));
    ASSERT_EQ(r.status, 0) << r.err;

    SystemState expected = conditioned();
    dropFixedNumbersNotInPlay(expected.conditions, numbersInPlay(expected.header));
    DevelopmentControl control;
    adoptDevelopment(expected, develop(expected, {}, control));
    const auto bytes = readWholeFile(out.string(), 1 << 24);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes.value(), encodeSystemFile(expected));
    EXPECT_NE(r.out.find(std::to_string(expected.columnCount()) +
                         " colonne | Distanza Minima [2] - Condizionato | 0 Days 00:00:0"),
              std::string::npos)
        << r.out;
}

TEST_F(Cli, DevelopAtTheLimitMarksTheSystemAndWarns) {
    SystemState s;
    NumberSet numbers;
    for (int n = 1; n <= 50; ++n) {
        numbers.insert(n);
    }
    s.header.setNumbers(numbers);
    s.header.setEuros({1, 2});
    const auto in = save("all.qsy", s);
    const auto r = runCli("develop " + quoted(in) + " -o " + quoted(file("all-out.qsy")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Capienza memoria 200.000 colonne"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("200.000 colonne | Integrale - ***"), std::string::npos) << r.out;
}

TEST_F(Cli, DevelopRefusesWhatTheWindowRefuses) {
    struct Case {
        const char* name;
        void (*change)(SystemState&);
        const char* containing;
        bool repeatFirstEuro = false; // a file made by hand: the program never writes one
    };
    const Case cases[] = {
        {"four numbers",
         [](SystemState& s) {
             s.header.setNumbers({3, 5, 7, 9});
         },
         "almeno 5"},
        {"one Euro number", [](SystemState& s) { s.header.setEuros({3}); }, "esattamente 2"},
        {"same Euro numbers", [](SystemState&) {}, "ripetuto", true},
    };
    for (const auto& c : cases) {
        SystemState s = conditioned();
        c.change(s);
        const auto in = save("bad.qsy", s);
        if (c.repeatFirstEuro) {
            // The Euro list {3, 8} of `conditioned` becomes {3, 3}.
            auto bytes = readWholeFile(in.string(), 1 << 20).value();
            const std::vector<std::uint8_t> euros{3, 8, 0, 0, 0, 0, 0, 0, 0, 0};
            const auto at = std::search(bytes.begin(), bytes.end(), euros.begin(), euros.end());
            ASSERT_NE(at, bytes.end());
            at[1] = 3;
            ASSERT_TRUE(writeFileAtomically(in.string(), bytes).ok());
        }
        const auto r = runCli("develop " + quoted(in) + " -o " + quoted(file("never.qsy")));
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_NE(r.err.find(c.containing), std::string::npos) << c.name << ": " << r.err;
        EXPECT_FALSE(fs::exists(file("never.qsy"))) << c.name;
    }
    const auto missing =
        runCli("develop " + quoted(file("nope.qsy")) + " -o " + quoted(file("x.qsy")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nope.qsy"), std::string::npos);
}

TEST_F(Cli, InfoDescribesTheSystem) {
    const auto in = save("info.qsy", conditioned());
    const auto r = runCli("info " + quoted(in));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* line : {"Numeri in gioco [14]: 03 05 07", "Euro numeri: 03 08",
                             "Somma: ON (60..120)", "Distanza Minima: ON (2)", "Colonne: 3",
                             "Colonne Integrali: 2.002", "Colonne Filtro: 1"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    }
}

TEST_F(Cli, UsageHelpAndVersion) {
    EXPECT_EQ(runCli("").status, 2);
    EXPECT_EQ(runCli("frobnicate").status, 2);
    EXPECT_EQ(runCli("develop only-input.qsy").status, 2);
    EXPECT_EQ(runCli("info").status, 2);
    const auto help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("develop IN.qsy -o OUT.qsy"), std::string::npos);
    EXPECT_EQ(runCli("develop --help").status, 0);
    const auto version = runCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quintora-cli ") + QUINTORA_VERSION + "\n");
}
