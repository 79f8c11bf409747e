#include "cli/CliRunner.h"
#include "files/SystemFile.h"
#include "print/CalibrationFile.h"
#include "render/PdfProbe.h"
#include "settings/ScratchFolder.h"
#include "support/SystemBuilders.h"

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quintora {
namespace {

using testing::HasSubstr;

std::string arg(const std::string& path) {
    return "'" + path + "'";
}

// A data folder of its own and a system of twelve columns k..k+4 with the Euro numbers 3, 7.
class CliPrint : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
        std::filesystem::create_directories(folder.path() + "/Quintora");
        SystemState s = builders::firstNumbers(16);
        for (std::uint8_t k = 1; k <= 12; ++k) {
            s.columns.push_back(
                Column{k, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                       static_cast<std::uint8_t>(k + 3), static_cast<std::uint8_t>(k + 4)});
        }
        ASSERT_TRUE(saveSystemFile(system(), s));
    }
    std::string system() const { return folder.file("dodici.qsy"); }
    std::string out(const std::string& name) const { return folder.file(name); }

    ScratchFolder folder;
};

bool hasSquareAt(const std::vector<probe::Square>& found, double x, double y) {
    return std::any_of(found.begin(), found.end(), [&](const probe::Square& s) {
        return std::abs(s.x - x) <= 0.25 && std::abs(s.y - y) <= 0.25;
    });
}

TEST_F(CliPrint, PrintSlipsUsesTheSlipTypesCalibrationOfTheDataFolder) {
    SlipLayout layout = defaultSlipLayout(SlipType::FiveColumns);
    layout.gridLeft = 30.0F;
    ASSERT_TRUE(saveSlipLayout(folder.path() + "/Quintora/scheda5col.cfg", layout));
    const auto run =
        runCli("print-slips " + arg(system()) + " --type 5 --pdf " + arg(out("cinque.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(probe::pdfPageCount(out("cinque.pdf")), 3);
    // The third slip: columns 11 and 12 in the two bottom panels with both Euro numbers.
    const auto found = probe::findSquares(probe::renderPdfPage(out("cinque.pdf"), 3), 2.0);
    EXPECT_EQ(found.size(), 14U);
    EXPECT_TRUE(hasSquareAt(found, 30.0 + 2 * 5.0, 33.5 + (24 + 4) * 4.5));  // 11: row 5, col 3
    EXPECT_TRUE(hasSquareAt(found, 30.0 + 11 * 5.0, 33.5 + (18 + 2) * 4.5)); // Euro 3, panel 3
}

// A fresh install has no calibration file: the slips land where the calibration dialog shows
// its defaults, not in the page's corner.
TEST_F(CliPrint, PrintSlipsWithoutACalibrationFileUsesTheDialogsDefaults) {
    const auto run =
        runCli("print-slips " + arg(system()) + " --type 5 --pdf " + arg(out("nuovo.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto found = probe::findSquares(probe::renderPdfPage(out("nuovo.pdf"), 3), 2.0);
    EXPECT_EQ(found.size(), 14U);
    EXPECT_TRUE(hasSquareAt(found, 12.0 + 2 * 5.0, 33.5 + (24 + 4) * 4.5));  // 11: row 5, col 3
    EXPECT_TRUE(hasSquareAt(found, 12.0 + 11 * 5.0, 33.5 + (18 + 2) * 4.5)); // Euro 3, panel 3
}

TEST_F(CliPrint, PrintSlipsRangeErrorsWriteNothing) {
    struct Case {
        const char* range;
        const char* message;
    };
    for (const Case c : {Case{"--from 3 --to 2", "'DA' \xC3\xA8 maggiore di 'A'"},
                         Case{"--from 0 --to 2", "'DA' \xC3\xA8 minore del minimo"},
                         Case{"--to 13", "'A' \xC3\xA8 maggiore del massimo"}}) {
        SCOPED_TRACE(c.range);
        const auto run = runCli("print-slips " + arg(system()) + " --type 1 " + c.range +
                                " --pdf " + arg(out("no.pdf")));
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_FALSE(std::filesystem::exists(out("no.pdf")));
    }
    const auto some = runCli("print-slips " + arg(system()) + " --type 1 --from 2 --to 4 " +
                             "--pdf " + arg(out("tre.pdf")));
    ASSERT_EQ(some.status, 0) << some.err;
    EXPECT_EQ(probe::pdfPageCount(out("tre.pdf")), 3);
}

// Whether page `page` of `pdf` shows the word `text`.
bool pageShows(const std::string& pdf, int page, const std::string& text) {
    const auto words = probe::pdfWords(pdf, page);
    return std::any_of(words.begin(), words.end(),
                       [&](const probe::Word& w) { return w.text == text; });
}

TEST_F(CliPrint, SeveralSystemsPrintOneAfterTheOtherInTheOrderGiven) {
    SystemState three = builders::firstNumbers(20);
    builders::setEuroNumbers(three, 1, 2);
    three.columns = {Column{16, 17, 18, 19, 20}, Column{15, 17, 18, 19, 20},
                     Column{14, 17, 18, 19, 20}};
    ASSERT_TRUE(saveSystemFile(out("tre.qsy"), three));
    const struct {
        const char* what;
        std::string systems;
        std::string range;
        std::vector<std::string> names; // per page
        const char* summary;
    } cases[] = {
        {"both",
         arg(system()) + " " + arg(out("tre.qsy")),
         "",
         {"dodici.qsy", "dodici.qsy", "dodici.qsy", "tre.qsy"},
         "Totale schedine 4, importo \xE2\x82\xAC 30,00\n"},
        {"the other order",
         arg(out("tre.qsy")) + " " + arg(system()),
         "",
         {"tre.qsy", "dodici.qsy", "dodici.qsy", "dodici.qsy"},
         "Totale schedine 4, importo \xE2\x82\xAC 30,00\n"},
        {"a range across the two",
         arg(system()) + " " + arg(out("tre.qsy")),
         " --from 3 --to 4",
         {"dodici.qsy", "tre.qsy"},
         // Slip 3 holds columns 11 and 12.
         "Totale schedine 2, importo \xE2\x82\xAC 10,00\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string pdf = out("insieme.pdf");
        const auto run =
            runCli("print-slips " + c.systems + " --type 5" + c.range + " --pdf " + arg(pdf));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.summary);
        ASSERT_EQ(probe::pdfPageCount(pdf), static_cast<int>(c.names.size()));
        for (std::size_t page = 0; page < c.names.size(); ++page) {
            const int number = static_cast<int>(page) + 1;
            EXPECT_TRUE(pageShows(pdf, number, c.names[page])) << number;
        }
    }
    // The last page is the small system's only slip: its three columns with its own Euro
    // numbers, numbered 1 within it.
    const auto found = probe::findSquares(probe::renderPdfPage(out("insieme.pdf"), 2), 2.0);
    EXPECT_EQ(found.size(), 3U * 7U);

    // One system that cannot be read prints nothing.
    const auto refused = runCli("print-slips " + arg(system()) + " " + arg(out("manca.qsy")) +
                                " --type 1 --pdf " + arg(out("no.pdf")));
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("manca.qsy"));
    EXPECT_FALSE(std::filesystem::exists(out("no.pdf")));
}

TEST_F(CliPrint, CalibrationTestShowsTheDefaultsOfMeasuresStoredAsZero) {
    const std::string cfg = out("taratura.cfg");
    SlipLayout layout; // every measure 0
    layout.nameX = 7.0F;
    ASSERT_TRUE(saveSlipLayout(cfg, layout));
    const auto run = runCli("calibration-test --type 5 --calibration " + arg(cfg) + " --pdf " +
                            arg(out("test.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto found = probe::findSquares(probe::renderPdfPage(out("test.pdf"), 1), 2.0);
    EXPECT_EQ(found.size(), 325U);
    EXPECT_TRUE(hasSquareAt(found, 12.0, 33.5));
    const auto words = probe::pdfWords(out("test.pdf"), 1);
    const auto label = std::find_if(words.begin(), words.end(),
                                    [](const probe::Word& w) { return w.text == "labelSistema"; });
    ASSERT_NE(label, words.end());
    EXPECT_NEAR(label->x, 7.0, 0.5);
}

TEST_F(CliPrint, EuroElevenAndTwelvePrintWhereTheSlipsEuroGridContinues) {
    SystemState s = builders::firstNumbers(6);
    builders::setEuroNumbers(s, 11, 12);
    s.columns = {Column{1, 2, 3, 4, 5}};
    ASSERT_TRUE(saveSystemFile(out("oggi.qsy"), s));
    // No rules are asked: the file says which numbers are played.
    const auto run =
        runCli("print-slips " + arg(out("oggi.qsy")) + " --type 5 --pdf " + arg(out("oggi.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto found = probe::findSquares(probe::renderPdfPage(out("oggi.pdf"), 1), 2.0);
    EXPECT_EQ(found.size(), 7U);
    // Euro 11 and 12 in the panel of the column: rows 5 and 4 of a third Euro column (14).
    std::vector<double> euroColumn;
    for (const auto& square : found) {
        if (std::abs(square.x - (12.0 + 13 * 5.0)) <= 0.25) {
            euroColumn.push_back(square.y);
        }
    }
    ASSERT_EQ(euroColumn.size(), 2U);
    EXPECT_NEAR(std::abs(euroColumn[0] - euroColumn[1]), 4.5, 0.25);
    EXPECT_NEAR(std::fmod(std::max(euroColumn[0], euroColumn[1]) - 33.5, 27.0), 4 * 4.5, 0.25);

    // The test page marks them too once the rules are Euro 1-12, from the option or the file.
    const auto twelve =
        runCli("calibration-test --type 1 --euro-max 12 --pdf " + arg(out("t12.pdf")));
    ASSERT_EQ(twelve.status, 0) << twelve.err;
    EXPECT_EQ(probe::findSquares(probe::renderPdfPage(out("t12.pdf"), 1), 2.0).size(), 72U);
    std::ofstream(folder.path() + "/Quintora/quintora.ini")
        << "[IMPOSTAZIONI]\r\nNUMERI EURO=12\r\n";
    const auto chosen = runCli("calibration-test --type 5 --pdf " + arg(out("t5.pdf")));
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_EQ(probe::findSquares(probe::renderPdfPage(out("t5.pdf"), 1), 2.0).size(), 335U);
}

TEST_F(CliPrint, ListingCopiesAndItsRefusal) {
    const auto none = runCli("listing " + arg(system()) + " --no-forecast --no-columns --pdf " +
                             arg(out("l.pdf")));
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.err, HasSubstr("Nessuna scelta selezionata"));
    EXPECT_FALSE(std::filesystem::exists(out("l.pdf")));
    const auto three =
        runCli("listing " + arg(system()) + " --copies 3 --pdf " + arg(out("l.pdf")));
    ASSERT_EQ(three.status, 0) << three.err;
    EXPECT_EQ(probe::pdfPageCount(out("l.pdf")), 3);
    EXPECT_TRUE(three.err.empty()) << three.err;
}

TEST_F(CliPrint, WrongUsage) {
    for (const std::string& args :
         {"print-slips " + arg(system()) + " --type 3 --pdf x.pdf",
          "print-slips " + arg(system()) + " --type 1",
          "print-slips " + arg(system()) + " --type 1 --pdf x.pdf --printer P",
          "print-slips " + arg(system()) + " --type 1 --from -1 --pdf x.pdf",
          std::string("calibration-test --pdf x.pdf"),
          "listing " + arg(system()) + " --copies 21 --pdf x.pdf",
          std::string("listing --pdf x.pdf")}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(runCli(args).status, 2);
    }
    const auto missing = runCli("calibration-test --type 1 --printer no-such-printer-here");
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("Stampante non installata"));
}

// Names in a folder that start with `prefix`.
std::vector<std::string> namesStarting(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (e.path().filename().string().starts_with(prefix)) {
            found.push_back(e.path().filename().string());
        }
    }
    return found;
}

// Waits, at most 30 s, for a name starting with `prefix` to be made in the folder `watch`
// watches (an inotify descriptor).
void awaitNameStarting(int watch, const std::string& prefix) {
    alignas(inotify_event) char buffer[4096];
    for (int turns = 0; turns < 1000; ++turns) {
        pollfd ready{watch, POLLIN, 0};
        if (::poll(&ready, 1, 30000) <= 0) {
            return;
        }
        const auto n = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && std::string(event->name).starts_with(prefix)) {
                return;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

// A print killed while it writes its PDF leaves its temporary beside the target; the next save
// into that folder removes it at once, since its owner is gone.
TEST_F(CliPrint, WhatAKilledPrintLeftIsRemovedByTheNextSave) {
    SystemState many = builders::firstNumbers(20);
    for (int k = 0; k < 3000; ++k) {
        many.columns.push_back(Column{static_cast<std::uint8_t>(1 + k % 16),
                                      static_cast<std::uint8_t>(17), static_cast<std::uint8_t>(18),
                                      static_cast<std::uint8_t>(19),
                                      static_cast<std::uint8_t>(20)});
    }
    ASSERT_TRUE(saveSystemFile(folder.file("molte.qsy"), many));
    const std::string pdfs = folder.file("stampe");
    std::filesystem::create_directories(pdfs);
    const std::string target = pdfs + "/s.pdf";
    const std::vector<std::vector<std::string>> commands = {
        {"print-slips", system(), "--type", "5", "--pdf", target},
        {"listing", system(), "--pdf", target},
    };
    for (int run = 0; run < 4; ++run) {
        std::vector<std::string> words = commands[run % 2];
        words[1] = folder.file("molte.qsy");
        std::vector<char*> argv{const_cast<char*>(QUINTORA_CLI)};
        for (auto& w : words) {
            argv.push_back(w.data());
        }
        argv.push_back(nullptr);
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(::inotify_add_watch(watch, pdfs.c_str(), IN_CREATE), 0);
        pid_t pid = 0;
        ASSERT_EQ(::posix_spawn(&pid, QUINTORA_CLI, nullptr, nullptr, argv.data(), environ), 0);
        // Killed once its temporary is made, i.e. while it prints.
        awaitNameStarting(watch, ".quintora-");
        ::close(watch);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    const int leftBehind = static_cast<int>(namesStarting(pdfs, ".quintora-").size());
    EXPECT_GT(leftBehind, 0); // else no print was caught in the middle
    const auto saved = runCli("export-txt " + arg(system()) + " " + arg(pdfs + "/colonne.txt"));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(namesStarting(pdfs, ".quintora-").empty());
}

} // namespace
} // namespace quintora
