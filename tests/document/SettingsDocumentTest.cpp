#include "document/SettingsDocument.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

using namespace quintora;

namespace {

// A whole settings file as the settings dialog writes it, Euro rule included.
const std::string SavedFile = "[IMPOSTAZIONI]\r\n"
                              "INTESTAZIONE=RICEVITORIA 7\r\n"
                              "STAMPANTE TABULATO=Laser\r\n"
                              "SORGENTE RICALCOLO=1\r\n"
                              "MODALITA' RICALCOLO=FALSE\r\n"
                              "LINGUA=italiano\r\n"
                              "COSTO_COLONNA=200\r\n"
                              "SERVER=http://127.0.0.1:8642/\r\n"
                              "NUMERI EURO=10\r\n";

// One settings file on disk, a document that read it, and what its listener heard.
class SettingsDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quintora-settings-document-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path() const { return (dir_ / "quintora.ini").string(); }
    void write(const std::string& bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }
    std::string bytes() const {
        std::ifstream in(path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void listen(SettingsDocument& document) {
        document.addListener([this](SettingChanges what) { heard_.push_back(what); });
    }

    std::filesystem::path dir_;
    std::vector<SettingChanges> heard_;
};

using Edit = std::function<Status(SettingsDocument&)>;

Edit saving(const std::function<void(Settings&)>& change) {
    return [change](SettingsDocument& document) {
        Settings edited = document.settings();
        change(edited);
        return document.save(edited);
    };
}

TEST_F(SettingsDocumentTest, EveryChangeIsHeardByWhatItTouched) {
    const struct {
        const char* name;
        Edit edit;
        SettingChanges heard;
    } cases[] = {
        {"language", saving([](Settings& s) { s.language = "english"; }), SettingChange::Language},
        {"price", saving([](Settings& s) { s.pricePerColumn = 250; }), SettingChange::Price},
        {"server", saving([](Settings& s) { s.server = "https://example.org/"; }),
         SettingChange::Server},
        {"header", saving([](Settings& s) { s.header = "RICEVITORIA 8"; }), SettingChange::Header},
        {"listing printer", saving([](Settings& s) { s.listingPrinter = "Ink"; }),
         SettingChange::ListingPrinter},
        {"recalculation", saving([](Settings& s) { s.recalcSource = 2; }),
         SettingChange::Recalculation},
        {"rules in the dialog", saving([](Settings& s) { s.rules = GameRules::current(); }),
         SettingChange::Rules},
        {"price and language at once", saving([](Settings& s) {
             s.pricePerColumn = 300;
             s.language = "english";
         }),
         SettingChange::Price | SettingChange::Language},
        {"rules from the main window",
         [](SettingsDocument& d) { return d.setRules(GameRules::current()); },
         SettingChange::Rules},
        {"slip output", [](SettingsDocument& d) { return d.setSlipOutput("PDF", "/home/pdf"); },
         SettingChange::SlipOutput},
        // The dialog's own keys leave the slip printing window's as they are.
        {"slip output kept by the dialog", saving([](Settings& s) { s.slipOutput = "ANTEPRIMA"; }),
         SettingChanges{}},
        {"nothing changed", saving([](Settings&) {}), SettingChanges{}},
        {"rules as they are", [](SettingsDocument& d) { return d.setRules(GameRules::classic()); },
         SettingChanges{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write(SavedFile);
        heard_.clear();
        SettingsDocument document(path());
        listen(document);
        ASSERT_TRUE(c.edit(document).ok());
        if (c.heard.empty()) {
            EXPECT_TRUE(heard_.empty());
            EXPECT_EQ(bytes(), SavedFile); // nothing to write: the file keeps its bytes
        } else {
            ASSERT_EQ(heard_.size(), 1u);
            EXPECT_EQ(heard_[0], c.heard);
        }
        // What the document holds is what the file now says.
        const Settings onDisk = readConfiguration(IniDocument(bytes()));
        EXPECT_TRUE(settingChanges(onDisk, document.settings()).empty());
    }
}

TEST_F(SettingsDocumentTest, ReadsOnceAndHoldsTheDefaultsWithoutAFile) {
    SettingsDocument document(path());
    EXPECT_FALSE(document.readProblem());
    EXPECT_EQ(document.settings().pricePerColumn, 200);
    EXPECT_FALSE(document.holdsHeader());
    write(SavedFile); // written behind the document's back: not read again
    EXPECT_EQ(document.settings().language, "");
    // The first save writes every key into a new file; the settings stay what they were.
    listen(document);
    ASSERT_TRUE(document.save(document.settings()).ok());
    EXPECT_TRUE(document.holdsHeader());
    EXPECT_TRUE(heard_.empty());
    EXPECT_NE(bytes().find("COSTO_COLONNA=200\r\n"), std::string::npos);
}

// A placeholder in the file (an earlier version stored it) is no header of the user's: it reads
// as none, and saving writes none; a header of the user's stays as written.
TEST_F(SettingsDocumentTest, AStoredPlaceholderReadsAsNoHeader) {
    write("[IMPOSTAZIONI]\r\nINTESTAZIONE=OUTLET XXXX\r\n");
    SettingsDocument document(path());
    EXPECT_EQ(document.settings().header, "OUTLET XXXX");
    listen(document);
    document.setHeaderPlaceholders({"RICEVITORIA XXXX", "OUTLET XXXX"});
    EXPECT_EQ(document.settings().header, "");
    ASSERT_EQ(heard_.size(), 1u);
    EXPECT_EQ(heard_[0], SettingChanges(SettingChange::Header));
    Settings mine = document.settings();
    mine.header = "RICEVITORIA 7";
    ASSERT_TRUE(document.save(mine).ok());
    document.setHeaderPlaceholders({"PUNTO XXXX"});
    EXPECT_EQ(document.settings().header, "RICEVITORIA 7");
    EXPECT_EQ(heard_.size(), 2u);
}

TEST_F(SettingsDocumentTest, OpeningAnotherFileTellsWhatDiffers) {
    SettingsDocument document(path());
    listen(document);
    write(SavedFile);
    ASSERT_TRUE(document.open(path()).ok());
    ASSERT_EQ(heard_.size(), 1u);
    EXPECT_EQ(heard_[0],
              SettingChange::Language | SettingChange::Header | SettingChange::ListingPrinter);
}

TEST_F(SettingsDocumentTest, ARefusedChangeLeavesSettingsAndFileAsTheyWere) {
    write(SavedFile);
    SettingsDocument document(path());
    listen(document);
    Settings bad = document.settings();
    bad.pricePerColumn = -1;
    bad.language = "english";
    EXPECT_FALSE(document.save(bad).ok());
    EXPECT_EQ(document.settings().language, "italiano");
    EXPECT_TRUE(heard_.empty());
    EXPECT_EQ(bytes(), SavedFile);

    // A file that cannot be replaced (its folder is gone) keeps the settings as they were.
    std::filesystem::remove_all(dir_);
    EXPECT_FALSE(document.setRules(GameRules::current()).ok());
    EXPECT_EQ(document.settings().rules, GameRules::classic());
    EXPECT_TRUE(heard_.empty());
}

TEST_F(SettingsDocumentTest, NeverOverwritesAFileItCouldNotRead) {
    std::filesystem::create_directory(path()); // not a file that can be read
    SettingsDocument document(path());
    ASSERT_TRUE(document.readProblem());
    EXPECT_EQ(document.settings().pricePerColumn, 200);
    EXPECT_FALSE(document.save(document.settings()).ok());
    EXPECT_FALSE(document.setSlipOutput("PDF", "").ok());
    EXPECT_TRUE(std::filesystem::is_directory(path()));
}

TEST_F(SettingsDocumentTest, ListenersComeAndGo) {
    write(SavedFile);
    SettingsDocument document(path());
    int first = 0;
    int second = 0;
    const int id = document.addListener([&](SettingChanges) { ++first; });
    document.addListener([&](SettingChanges) { ++second; });
    ASSERT_TRUE(document.setRules(GameRules::current()).ok());
    document.removeListener(id);
    ASSERT_TRUE(document.setRules(GameRules::classic()).ok());
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

} // namespace
