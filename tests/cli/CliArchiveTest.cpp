// quintora-cli archive-import, archive-list, check, archive-check and stats.
#include "archive/ArchiveFile.h"
#include "archive/ArchiveList.h"
#include "archive/StatisticsCsv.h"
#include "cli/CliRunner.h"
#include "files/SystemFile.h"

#include <gtest/gtest.h>

using namespace quintora;
namespace fs = std::filesystem;

namespace {

const fs::path history = fs::path(QUINTORA_SHIPPED_DATA) / "eurojackpot-draws.txt";

class CliArchive : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quintora-cli-archive-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(dir_);
    }
    // A clean data folder for the commands (no settings file); answers the XDG data home.
    fs::path useCleanDataFolder() const {
        const auto data = dir_ / "data";
        fs::create_directories(data / "Quintora");
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        return data;
    }
    fs::path file(const char* name) const { return dir_ / name; }
    fs::path write(const char* name, const std::string& text) const {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }
    // A system of the given columns played with Euro numbers 3 and 8.
    fs::path system(const char* name, std::vector<Column> columns) const {
        SystemState s;
        s.header.setEuros({3, 8});
        s.columns = std::move(columns);
        EXPECT_TRUE(saveSystemFile(file(name).string(), s).ok());
        return file(name);
    }
    fs::path smallArchive() const {
        const auto text = write("small.txt", "1|23/03/2012|5|12|23|34|45|3|8\r\n"
                                             "2|30/03/2012|5|7|12|19|26|1|5\r\n"
                                             "3|06/04/2012|1|2|3|4|5|11|12\r\n");
        const auto r = runCli("archive-import " + quoted(text) + " -o " + quoted(file("s.dat")));
        EXPECT_EQ(r.status, 0) << r.err;
        return file("s.dat");
    }

    fs::path dir_;
};

} // namespace

TEST_F(CliArchive, ImportAndListTheShippedHistory) {
    const auto out = file("quintora.dat");
    const auto r = runCli("archive-import " + quoted(history) + " -o " + quoted(out));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "974 estrazioni | " + out.string() + "\n");
    EXPECT_EQ(fs::file_size(out), 974u * 19u);

    const auto list = runCli("archive-list " + quoted(out));
    ASSERT_EQ(list.status, 0) << list.err;
    const auto archive = readArchiveFile(out.string());
    ASSERT_TRUE(archive.ok());
    std::string expected;
    for (const auto& line : archiveListLines(archive.value())) {
        expected += line + "\n";
    }
    EXPECT_EQ(list.out, expected);
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')),
              " 21/07/2026 | 974 |  04 08 10 17 37  | 05 | 07");
}

TEST_F(CliArchive, ABadTextLeavesTheArchiveFileAsItWas) {
    const auto archive = file("keep.dat");
    ASSERT_EQ(runCli("archive-import " + quoted(history) + " -o " + quoted(archive)).status, 0);
    const auto before = readText(archive);
    const std::pair<const char*, const char*> cases[] = {
        {"", "non contiene alcuna estrazione"},
        {"1|23/03/2012|5|12|23|34|45|3\n", "non contiene alcuna estrazione"},
        {"1|23/03/2012|5|12|23|34|45|3|8|9\n", "non contiene alcuna estrazione"},
        {"1|23/03/2012|5|12|23|34|45|3|8\n2|30/03/2012|5|x|12|19|26|1|5\n", "riga 2"},
        {"70000|23/03/2012|5|12|23|34|45|3|8\n", "concorso"},
        {"1|23/03/2012|5|12|23|34|300|3|8\n", "0 a 255"},
        {"1|23/03/2012|5|12|23|34|45||8\n", "il campo 8"},
        {"1|23/03/2012|5|12|23|34|-45|3|8\n", "il campo 7"},
    };
    for (const auto& [text, reason] : cases) {
        const auto in = write("bad.txt", text);
        const auto r = runCli("archive-import " + quoted(in) + " -o " + quoted(archive));
        EXPECT_EQ(r.status, 1) << text;
        EXPECT_NE(r.err.find(reason), std::string::npos) << text << ": " << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(readText(archive), before) << text;
    }
    const auto missing =
        runCli("archive-import " + quoted(file("none.txt")) + " -o " + quoted(archive));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(readText(archive), before);
}

TEST_F(CliArchive, ABadArchiveFileIsAFailure) {
    const auto folder = file("folder.dat");
    fs::create_directory(folder);
    const std::pair<std::string, const char*> cases[] = {
        {"archive-list " + quoted(folder), "non e' un file normale"},
        {"archive-list " + quoted(file("none.dat")), "non esiste"},
        {"stats --archive " + quoted(folder) + " --csv " + quoted(file("x.csv")),
         "non e' un file normale"},
    };
    for (const auto& [args, reason] : cases) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(file("x.csv")));
}

// A record out of range and a stray byte cost only themselves: the rest is listed, and
// standard error says how many records were skipped.
TEST_F(CliArchive, ADamagedArchiveListsWhatIsWhole) {
    const std::string good("\x01\x00"
                           "23/03/2012"
                           "\x05\x0c\x17\x22\x2d\x03\x08",
                           19);
    const std::string bad("\x02\x00"
                          "30/03/2012"
                          "\x05\x0c\x17\x22\x33\x03\x08",
                          19);
    const auto damaged = write("damaged.dat", good + bad + "x");
    const auto r = runCli("archive-list " + quoted(damaged));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, " 23/03/2012 | 001 |  05 12 23 34 45  | 03 | 08\n");
    EXPECT_NE(r.err.find("Record non validi saltati nell'archivio estrazioni: 2"),
              std::string::npos)
        << r.err;
}

TEST_F(CliArchive, CheckPrintsTheTwelveListsAndTheResult) {
    const auto in = system("s.qsy", {{1, 2, 40, 41, 42},
                                     {1, 30, 40, 41, 42},
                                     {30, 31, 32, 33, 34},
                                     {1, 2, 3, 4, 5},
                                     {2, 1, 44, 45, 46}});
    const auto r = runCli("check " + quoted(in) + " --draw 5,4,3,2,1+8,3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "5+2\t1\t4\n"
                     "5+1\t0\t\n"
                     "5\t0\t\n"
                     "4+2\t0\t\n"
                     "4+1\t0\t\n"
                     "4\t0\t\n"
                     "3+2\t0\t\n"
                     "3+1\t0\t\n"
                     "2+2\t2\t1 5\n"
                     "3\t0\t\n"
                     "1+2\t1\t2\n"
                     "2+1\t0\t\n"
                     "Massimo punteggio raggiunto 5+2\n");

    const auto none = runCli("check " + quoted(in) + " --draw 10,20,36,37,38+1,2");
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out.substr(none.out.rfind('\t') + 2), "Nessuna Vincita\n");
}

TEST_F(CliArchive, CheckRefusesWhatTheDialogRefuses) {
    const auto in = system("s.qsy", {{1, 2, 3, 4, 5}});
    const std::pair<const char*, const char*> refused[] = {
        {"1,2,2,4,5+6,7", "Duplicazione di numeri"}, {"1,2,,,5+6,7", "Duplicazione di numeri"},
        {"1,2,3,4,5+6,6", "Combinazione errata"},    {"1,2,,4,5+6,7", "Valore 0 non ammesso"},
        {"1,2,3,4,51+6,7", "Valore 51 non ammesso"}, {"1,2,3,4,5+11,7", "Valore 11 non ammesso"},
        {"1,2,3,4,5+6,0", "Valore 0 non ammesso"},
    };
    for (const auto& [draw, message] : refused) {
        const auto r = runCli("check " + quoted(in) + " --draw " + draw);
        EXPECT_EQ(r.status, 1) << draw;
        EXPECT_EQ(r.err, std::string("quintora-cli: ") + message + "\n") << draw;
        EXPECT_TRUE(r.out.empty());
    }
    for (const char* usage : {"1,2,3,4,5", "1,2,3,4+6,7", "1,2,3,4,5+6", "1,2,3,4,5+6,7,8",
                              "1,2,3,4,5+6+7", "1,2,3,4,123+6,7", "1,a,3,4,5+6,7"}) {
        const auto r = runCli("check " + quoted(in) + " --draw " + usage);
        EXPECT_EQ(r.status, 2) << usage;
    }
    EXPECT_EQ(runCli("check " + quoted(in)).status, 2);
    const auto empty = system("empty.qsy", {});
    const auto r = runCli("check " + quoted(empty) + " --draw 1,2,3,4,5+6,7");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("non contiene colonne"), std::string::npos);
}

TEST_F(CliArchive, ArchiveCheckPrintsTheGridRows) {
    const auto archive = smallArchive();
    const auto in = system("s.qsy", {{5, 12, 23, 34, 45}, {1, 2, 3, 40, 41}});
    const std::string header = "Data \tColonna \tMax\tPt.5+2\tPt.5+1\tPt.5\tPt.4+2\tPt.4+1\tPt.4\t"
                               "Pt.3+2\tPt.3+1\tPt.2+2\tPt.3\tPt.1+2\tPt.2+1\n";
    const std::string rows[] = {
        "23/03/2012\t05-12-23-34-45 J 03-08\t5+2\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n",
        "30/03/2012\t05-07-12-19-26 J 01-05\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n",
        "06/04/2012\t01-02-03-04-05 J 11-12\t3\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t0\t0\n",
    };
    const auto base = "archive-check " + quoted(in) + " --archive " + quoted(archive);
    const auto all = runCli(base);
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, header + rows[0] + rows[1] + rows[2]);

    const std::pair<std::string, std::string> ranges[] = {
        {" --from 30/03/2012 --to 30/03/2012", header + rows[1]},
        {" --from 24/03/2012", header + rows[1] + rows[2]},
        {" --to 05/04/2012", header + rows[0] + rows[1]},
        {" --from 06/04/2012 --to 23/03/2012", header},
        {" --from 01/01/2030", header},
    };
    for (const auto& [range, expected] : ranges) {
        const auto r = runCli(base + range);
        ASSERT_EQ(r.status, 0) << range << r.err;
        EXPECT_EQ(r.out, expected) << range;
    }
    EXPECT_EQ(runCli(base + " --from 2012-03-23").status, 2);
    EXPECT_EQ(runCli(base + " --to 32/01/2012").status, 2);
    EXPECT_EQ(runCli("archive-check " + quoted(in)).status, 2);
    EXPECT_EQ(runCli("archive-check " + quoted(in) + " --archive " + quoted(file("no.dat"))).status,
              1);
}

TEST_F(CliArchive, ArchiveCheckSaysWhenNoDrawLiesInTheDates) {
    const auto archive = smallArchive();
    const auto in = system("s.qsy", {{5, 12, 23, 34, 45}});
    const auto base = "archive-check " + quoted(in) + " --archive " + quoted(archive);
    const std::pair<const char*, const char*> cases[] = {
        {" --from 06/04/2012 --to 23/03/2012",
         "quintora-cli: --from 06/04/2012 lies after --to 23/03/2012: no draw is checked\n"},
        {" --from 01/01/2030", "quintora-cli: no draw of the archive lies in the dates given\n"},
        {" --from 24/03/2012 --to 29/03/2012",
         "quintora-cli: no draw of the archive lies in the dates given\n"},
        {" --from 23/03/2012 --to 23/03/2012", ""},
    };
    for (const auto& [range, note] : cases) {
        const auto r = runCli(base + range);
        EXPECT_EQ(r.status, 0) << range;
        EXPECT_EQ(r.out.rfind("Data \tColonna \tMax\t", 0), 0u) << range << r.out;
        EXPECT_EQ(r.err, note) << range;
    }
}

TEST_F(CliArchive, StatsWritesTheCsvAndPrintsTheSixTables) {
    const auto archive = smallArchive();
    const auto csv = file("stat.csv");
    const auto r = runCli("stats --archive " + quoted(archive) + " --csv " + quoted(csv));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto read = readArchiveFile(archive.string());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(readText(csv), statisticsCsvText(read.value()));
    EXPECT_EQ(readText(csv).substr(0, 82),
              "Data;Concorso;P1;P2;P3;P4;P5;jck1;jck2;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n"
              "06");

    std::vector<std::string> lines;
    std::istringstream out(r.out);
    for (std::string line; std::getline(out, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 6u + 5 + 6 + 6 + 6 + 5 + 50);
    EXPECT_EQ(lines[0], "Consecutivi");
    EXPECT_EQ(lines[1], "01 -->      2");
    EXPECT_EQ(lines[5], "05 -->      1");
    EXPECT_EQ(lines[6], "Ripetuti");
    EXPECT_EQ(lines[7], "00 -->      0");
    EXPECT_EQ(lines[8], "01 -->      1");
    EXPECT_EQ(lines[9], "02 -->      1");
    EXPECT_EQ(lines[13], "Pari");
    EXPECT_EQ(lines[20], "Dispari");
    EXPECT_EQ(lines[27], "Somma");
    EXPECT_EQ(lines[28], "0015-0060 -->      1");
    EXPECT_EQ(lines[29], "0061-0106 -->      1");
    EXPECT_EQ(lines[30], "0107-0152 -->      1");
    EXPECT_EQ(lines[33], "Frequenza Numeri");
    EXPECT_EQ(lines[38], "05 -->      3");

    EXPECT_EQ(runCli("stats --archive " + quoted(archive)).status, 2);
}

TEST_F(CliArchive, StatsSaysWhyTheCsvCouldNotBeWritten) {
    const auto archive = smallArchive();
    fs::create_directory(file("folder"));
    write("read-only.csv", "kept");
    fs::permissions(file("read-only.csv"), fs::perms::owner_read);
    struct Case {
        fs::path csv;
        const char* reason;
    };
    std::vector<Case> cases = {
        {file("no-folder/x.csv"), "Impossibile scrivere nella cartella di "},
        {file("folder"), "e' una cartella, non un file"},
    };
    // Only a file that may not be written asks for it to be closed (root may write any).
    if (::geteuid() != 0) {
        cases.push_back({file("read-only.csv"), "Chiudere il file delle statistiche"});
    }
    for (const auto& c : cases) {
        const auto r = runCli("stats --archive " + quoted(archive) + " --csv " + quoted(c.csv));
        EXPECT_EQ(r.status, 1) << c.csv;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.csv.string()), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(readText(file("read-only.csv")), "kept");
}

TEST_F(CliArchive, HelpOnEveryNewCommand) {
    for (const char* command : {"archive-import", "archive-list", "check", "archive-check", "stats",
                                "analyse", "delays"}) {
        const auto r = runCli(std::string(command) + " --help");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind(std::string("Usage: quintora-cli ") + command, 0), 0u) << r.out;
        EXPECT_NE(runCli("--help").out.find(std::string("quintora-cli ") + command + " "),
                  std::string::npos);
    }
}

TEST_F(CliArchive, AnalysePrintsTheOddsTheOutcomesAndTheGuarantee) {
    // A clean data folder: the odds are written in Italian unless its settings say otherwise.
    const auto data = useCleanDataFolder();
    const auto in = system("one.qsy", {{1, 2, 3, 4, 5}});
    const auto r = runCli("analyse " + quoted(in));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string head = "5+2\t1\t1 su 95.344.200\n5+1\t16\t1 su 5.959.013\n";
    EXPECT_EQ(r.out.substr(0, head.size()), head);
    EXPECT_NE(r.out.find("\nNessuna Vincita\t91731255\t1 su 1,04\nEsiti\t95344200\n"
                         "Garanzia\t1\t1\t5 0\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\nGaranzia\t5\t5\t1 0 0 0 0 0\n"), std::string::npos);

    // English settings: the odds in English; --euro-max 12 widens the Euro draws.
    fs::copy_file(fs::path(QUINTORA_SHIPPED_DATA) / "english.lng",
                  data / "Quintora" / "english.lng");
    std::ofstream(data / "Quintora" / "quintora.ini") << "[IMPOSTAZIONI]\r\nLINGUA=english\r\n";
    const auto e12 = runCli("analyse " + quoted(in) + " --euro-max 12");
    ASSERT_EQ(e12.status, 0) << e12.err;
    EXPECT_EQ(e12.out.substr(0, e12.out.find('\n')), "5+2\t1\t1 in 139,838,160");
    EXPECT_NE(e12.out.find("\nEsiti\t139838160\n"), std::string::npos);

    EXPECT_EQ(runCli("analyse " + quoted(in) + " --euro-max 11").status, 2);
    const auto empty = runCli("analyse " + quoted(system("none.qsy", {})));
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("il sistema non contiene colonne"), std::string::npos) << empty.err;
}

TEST_F(CliArchive, DelaysPrintsEveryNumberThenTheEuroNumbersOfTheLatestEra) {
    // Draws of 2012: Euro numbers 1..8; the latest holds 1..5, 11 and 12 (refused as Euro
    // numbers of that era, so counted nowhere).
    const auto r = runCli("delays --archive " + quoted(smallArchive()));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("06\t")), "01\t0\t2\t1\n02\t0\t2\t1\n03\t0\t2\t1\n"
                                                   "04\t0\t2\t1\n05\t0\t0\t3\n");
    EXPECT_NE(r.out.find("\n50\t3\t3\t0\nE 01\t1\t1\t1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nE 08\t2\t2\t1\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("E 09"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 50 + 8);
    EXPECT_EQ(runCli("delays").status, 2);
}

TEST_F(CliArchive, FailuresAreSaidInTheSettingsLanguage) {
    const auto data = useCleanDataFolder();
    const auto garbage = file("garbage.qsy");
    std::ofstream(garbage) << std::string(40, 'A');
    const auto italian = runCli("info " + quoted(garbage));
    EXPECT_EQ(italian.status, 1);
    EXPECT_NE(italian.err.find("Questo file non puo' essere letto"), std::string::npos)
        << italian.err;

    fs::copy_file(fs::path(QUINTORA_SHIPPED_DATA) / "english.lng",
                  data / "Quintora" / "english.lng");
    std::ofstream(data / "Quintora" / "quintora.ini") << "[IMPOSTAZIONI]\r\nLINGUA=english\r\n";
    const auto english = runCli("info " + quoted(garbage));
    EXPECT_EQ(english.status, 1);
    EXPECT_NE(english.err.find("This file cannot be read"), std::string::npos) << english.err;
}

namespace {

// One archive record: contest 1, the date's ten bytes as given, then seven numbers.
std::string archiveRecord(const std::string& date, const std::string& numbers) {
    return std::string("\x01\x00", 2) + (date + std::string(10, ' ')).substr(0, 10) + numbers;
}

const std::string FirstDraw = archiveRecord("23/03/2012", "\x05\x08\x15\x25\x2e\x06\x08");

// Records that are not draws: a date that is no day, raw control bytes in the date, a number
// drawn twice.
const std::string NoDraws = archiveRecord("31/04/2012", "\x01\x02\x03\x04\x05\x01\x02") +
                            archiveRecord("30/0\n/20\x1b"
                                          "2",
                                          "\x01\x02\x03\x04\x05\x01\x02") +
                            archiveRecord("29/02/2013", "\x01\x02\x03\x04\x05\x01\x02") +
                            archiveRecord("06/04/2012", "\x07\x07\x22\x24\x26\x04\x05") +
                            archiveRecord("13/04/2012", "\x01\x02\x03\x04\x05\x09\x09");

} // namespace

// An archive that holds no draw has no delays, list or statistics: each is refused.
TEST_F(CliArchive, AnArchiveWithoutADrawIsRefused) {
    std::string noise(1 << 16, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    const auto qsy = system("a.qsy", {{1, 2, 3, 4, 5}});
    const std::pair<const char*, std::string> archives[] = {
        {"zero.dat", ""}, {"noise.dat", noise}, {"a.qsy", readText(qsy)}, {"bad.dat", NoDraws}};
    for (const auto& [name, bytes] : archives) {
        const auto archive = write(name, bytes);
        for (const std::string& command :
             {"delays --archive " + quoted(archive), "archive-list " + quoted(archive),
              "stats --archive " + quoted(archive) + " --csv " + quoted(file("x.csv"))}) {
            SCOPED_TRACE(command);
            const auto r = runCli(command);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find("non contiene alcuna estrazione valida"), std::string::npos)
                << r.err;
        }
    }
    EXPECT_FALSE(fs::exists(file("x.csv")));
}

// A record whose date is no day, or whose numbers repeat, is skipped and counted like any
// other bad record; nothing of it reaches the output.
TEST_F(CliArchive, RecordsThatAreNoDrawsAreSkippedAndCounted) {
    const auto archive = write("mixed.dat", FirstDraw + NoDraws);
    const auto list = runCli("archive-list " + quoted(archive));
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, " 23/03/2012 | 001 |  05 08 21 37 46  | 06 | 08\n");
    EXPECT_NE(list.err.find("Record non validi saltati nell'archivio estrazioni: 5"),
              std::string::npos)
        << list.err;

    const auto delays = runCli("delays --archive " + quoted(archive));
    EXPECT_EQ(delays.status, 0) << delays.err;
    EXPECT_EQ(delays.out.substr(0, delays.out.find('\n')), "01\t1\t1\t0"); // one draw counted
    for (const auto& r : {list, delays}) {
        EXPECT_TRUE(std::none_of(r.out.begin(), r.out.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t';
        }));
    }
}

// A column byte outside 1..50 is refused, as the readers of column files refuse it.
TEST_F(CliArchive, AnalyseRefusesColumnNumbersOutsideTheGame) {
    const std::pair<Column, const char*> cases[] = {
        {{1, 2, 3, 4, 51}, "colonna 2: il numero 51 e' fuori da 1..50"},
        {{0, 2, 3, 4, 5}, "colonna 2: il numero 0 e' fuori da 1..50"},
        {{255, 2, 3, 4, 5}, "colonna 2: il numero 255 e' fuori da 1..50"},
    };
    for (const auto& [column, saying] : cases) {
        const auto r = runCli("analyse " + quoted(system("bad.qsy", {{1, 2, 3, 4, 5}, column})));
        EXPECT_EQ(r.status, 1) << saying;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(saying), std::string::npos) << r.err;
    }
}
