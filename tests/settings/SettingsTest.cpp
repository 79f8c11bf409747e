#include "settings/Settings.h"

#include "ScratchFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quintora;

namespace {

Settings readFrom(const ScratchFolder& folder, const std::string& text) {
    return readConfiguration(IniFile(folder.write(SettingsFileName, text)));
}

TEST(Settings, DefaultsWithoutAFile) {
    ScratchFolder folder;
    const Settings s = readConfiguration(IniFile(folder.file(SettingsFileName)));
    EXPECT_EQ(s.header, ""); // the placeholder of the language in use
    EXPECT_EQ(s.listingPrinter, "NESSUNA");
    EXPECT_EQ(s.pricePerColumn, 200);
    EXPECT_EQ(s.recalcSource, 1);
    EXPECT_FALSE(s.recalcMode);
    EXPECT_EQ(s.language, "");
    EXPECT_EQ(s.server, "http://127.0.0.1:8642/");
}

TEST(Settings, ReadsEveryKey) {
    ScratchFolder folder;
    const Settings s = readFrom(folder, "[impostazioni]\r\n"
                                        "INTESTAZIONE=RICEVITORIA 12\r\n"
                                        "STAMPANTE TABULATO=Laser\r\n"
                                        "SORGENTE RICALCOLO=2\r\n"
                                        "MODALITA' RICALCOLO=TRUE\r\n"
                                        "LINGUA=english\r\n"
                                        "COSTO_COLONNA=250\r\n"
                                        "SERVER=https://example.org/\r\n");
    EXPECT_EQ(s.header, "RICEVITORIA 12");
    EXPECT_EQ(s.listingPrinter, "Laser");
    EXPECT_EQ(s.recalcSource, 2);
    EXPECT_TRUE(s.recalcMode);
    EXPECT_EQ(s.language, "english");
    EXPECT_EQ(s.pricePerColumn, 250);
    EXPECT_EQ(s.server, "https://example.org/");
}

TEST(Settings, ValueRules) {
    const struct {
        const char* line;
        int source;
        bool mode;
        Cents cost;
    } cases[] = {
        {"MODALITA' RICALCOLO=true", 1, false, 200},
        {"MODALITA' RICALCOLO=\"TRUE\"", 1, true, 200},
        {"MODALITA' RICALCOLO=FALSE", 1, false, 200},
        {"SORGENTE RICALCOLO=1", 1, false, 200},
        {"SORGENTE RICALCOLO=x", 2, false, 200},
        {"SORGENTE RICALCOLO=", 2, false, 200},
        {"COSTO_COLONNA=0", 1, false, 0},
        {"COSTO_COLONNA=150", 1, false, 150},
        {"COSTO_COLONNA=abc", 1, false, 200},
        {"COSTO_COLONNA=", 1, false, 200},
        {"COSTO_COLONNA=-100", 1, false, 200},
        {"COSTO_COLONNA=1e5", 1, false, 200},
        {"COSTO_COLONNA=99999999999", 1, false, 200},
    };
    ScratchFolder folder;
    for (const auto& c : cases) {
        const Settings s = readFrom(folder, std::string("[IMPOSTAZIONI]\n") + c.line + "\n");
        EXPECT_EQ(s.recalcSource, c.source) << c.line;
        EXPECT_EQ(s.recalcMode, c.mode) << c.line;
        EXPECT_EQ(s.pricePerColumn, c.cost) << c.line;
    }
}

TEST(Settings, WritesEveryKeyAndKeepsTheRestOfTheFile) {
    ScratchFolder folder;
    folder.write(SettingsFileName, "; mine\r\n[ALTRO]\r\nx=1\r\n[IMPOSTAZIONI]\r\nLINGUA=old\r\n");
    IniFile ini(folder.file(SettingsFileName));
    Settings s;
    s.header = "RICEVITORIA 7";
    s.listingPrinter = "Laser";
    s.recalcSource = 2;
    s.recalcMode = true;
    s.language = "english";
    s.pricePerColumn = 250;
    ASSERT_TRUE(writeConfiguration(ini, s).ok());
    EXPECT_EQ(folder.read(SettingsFileName), "; mine\r\n[ALTRO]\r\nx=1\r\n[IMPOSTAZIONI]\r\n"
                                             "LINGUA=english\r\n"
                                             "INTESTAZIONE=RICEVITORIA 7\r\n"
                                             "STAMPANTE TABULATO=Laser\r\n"
                                             "SORGENTE RICALCOLO=2\r\n"
                                             "MODALITA' RICALCOLO=TRUE\r\n"
                                             "COSTO_COLONNA=250\r\n"
                                             "SERVER=http://127.0.0.1:8642/\r\n");
    const Settings back = readConfiguration(ini);
    EXPECT_EQ(back.header, s.header);
    EXPECT_EQ(back.recalcSource, 2);
    EXPECT_TRUE(back.recalcMode);
    EXPECT_EQ(back.pricePerColumn, 250);
}

// The header placeholder is never stored: the slips print it in the language in use.
TEST(Settings, HeaderPlaceholderIsNeverStored) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE", ""},
        {"RICEVITORIA 7", "RICEVITORIA 7"},
    };
    for (const auto& [header, stored] : cases) {
        ScratchFolder folder;
        IniFile ini(folder.file(SettingsFileName));
        Settings s;
        s.header = header;
        ASSERT_TRUE(writeConfiguration(ini, s).ok());
        EXPECT_TRUE(ini.find(SettingsSection, "INTESTAZIONE")) << header;
        EXPECT_EQ(ini.getProperty(SettingsSection, "INTESTAZIONE"), stored) << header;
        EXPECT_EQ(readConfiguration(ini).header, stored) << header;
    }
}

TEST(Settings, EuroNumbersAreTenUnlessTheFileSaysTwelve) {
    ScratchFolder folder;
    const std::pair<const char*, int> cases[] = {
        {"", 10},
        {"[IMPOSTAZIONI]\r\nNUMERI EURO=12\r\n", 12},
        {"[IMPOSTAZIONI]\r\nnumeri euro=\"12\"\r\n", 12},
        {"[IMPOSTAZIONI]\r\nNUMERI EURO=10\r\n", 10},
        {"[IMPOSTAZIONI]\r\nNUMERI EURO=11\r\n", 10},
        {"[IMPOSTAZIONI]\r\nNUMERI EURO=dodici\r\n", 10},
        {"[IMPOSTAZIONI]\r\nNUMERI EURO=\r\n", 10},
    };
    for (const auto& [text, euroMax] : cases) {
        EXPECT_EQ(readFrom(folder, text).rules.euroMax(), euroMax) << text;
    }
}

TEST(Settings, EuroNumbersAreWrittenOnceChosen) {
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    Settings s;
    ASSERT_TRUE(writeConfiguration(ini, s).ok());
    EXPECT_FALSE(ini.find(SettingsSection, "NUMERI EURO")); // a file as before the choice
    s.rules = GameRules::current();
    ASSERT_TRUE(writeConfiguration(ini, s).ok());
    EXPECT_EQ(ini.getProperty(SettingsSection, "NUMERI EURO"), "12");
    EXPECT_EQ(readConfiguration(ini).rules, GameRules::current());
    s.rules = GameRules::classic();
    ASSERT_TRUE(writeConfiguration(ini, s).ok());
    EXPECT_EQ(ini.getProperty(SettingsSection, "NUMERI EURO"), "10");
    ASSERT_TRUE(rememberRules(ini, GameRules::current()).ok());
    EXPECT_EQ(readConfiguration(ini).rules, GameRules::current());
    EXPECT_EQ(readConfiguration(ini).header, s.header); // the other keys stay
}

TEST(Settings, PriceIsStoredInWholeCents) {
    const std::pair<Cents, const char*> cases[] = {
        {250, "250"}, {230, "230"}, {0, "0"}, {1999, "1999"}, {MaxPricePerColumn, "2147483647"}};
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    for (const auto& [cents, stored] : cases) {
        Settings s;
        s.pricePerColumn = cents;
        ASSERT_TRUE(writeConfiguration(ini, s).ok());
        EXPECT_EQ(ini.getProperty(SettingsSection, "COSTO_COLONNA"), stored) << cents;
        EXPECT_EQ(readConfiguration(ini).pricePerColumn, cents);
    }
}

TEST(Settings, RefusesABadPriceAndWritesNothing) {
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    for (const Cents bad : {Cents{-1}, MaxPricePerColumn + 1}) {
        Settings s;
        s.pricePerColumn = bad;
        const Status status = writeConfiguration(ini, s);
        ASSERT_FALSE(status.ok()) << bad;
        EXPECT_FALSE(status.error().message.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(ini.path()));
}

TEST(Settings, ASavedFileStaysSavableWhateverItsValuesHold) {
    // A header with a stray CR and the bytes Windows-1252 leaves undefined, read and saved.
    const std::string before = "[IMPOSTAZIONI]\r\n"
                               "INTESTAZIONE=RICEVITORIA\r12 \x81\x8D\x8F\x90\x9D\r\n";
    ScratchFolder folder;
    IniFile ini(folder.write(SettingsFileName, before));
    const Settings read = readConfiguration(ini);
    EXPECT_EQ(read.header, "RICEVITORIA\r12 \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    ASSERT_TRUE(writeConfiguration(ini, read).ok());
    const std::string after = folder.read(SettingsFileName);
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(readConfiguration(ini).header, read.header);
    ASSERT_TRUE(writeConfiguration(ini, read).ok());
    EXPECT_EQ(folder.read(SettingsFileName), after);
}

TEST(Settings, RecentFilesPutTheLatestFirstOnceAndKeepEight) {
    const struct {
        const char* what;
        std::vector<std::string> before;
        std::string path;
        std::vector<std::string> after;
    } cases[] = {
        {"first", {}, "/s/a.qsy", {"/s/a.qsy"}},
        {"in front", {"/s/a.qsy"}, "/s/b.qsy", {"/s/b.qsy", "/s/a.qsy"}},
        {"moved up, not twice",
         {"/s/a.qsy", "/s/b.qsy", "/s/c.qsy"},
         "/s/c.qsy",
         {"/s/c.qsy", "/s/a.qsy", "/s/b.qsy"}},
        {"the oldest goes",
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         "9",
         {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {"a line break cannot be kept", {"/s/a.qsy"}, "/s/a\nb.qsy", {"/s/a.qsy"}},
        {"outside the code page", {"/s/a.qsy"}, "/s/\xE2\x88\x9E.qsy", {"/s/a.qsy"}},
        {"blanks at the end would be trimmed", {}, "/s/a.qsy ", {}},
        {"accents are kept", {}, "/s/citt\xC3\xA0.qsy", {"/s/citt\xC3\xA0.qsy"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withRecentFile(c.before, c.path), c.after) << c.what;
    }
}

TEST(Settings, RecentFilesComeBackFromTheFile) {
    ScratchFolder folder;
    IniFile ini(folder.write(SettingsFileName, "[IMPOSTAZIONI]\r\nLINGUA=english\r\n"));
    const std::string longPath = "/" + std::string(600, 'x') + "/lungo.qsy";
    const std::vector<std::string> list = {"/home/u/sistemi/citt\xC3\xA0.qsy", longPath,
                                           "/home/u/\"quoted\".qsy", "/home/u/a=b;c.qsy"};
    ASSERT_TRUE(rememberRecentFiles(ini, list).ok());
    EXPECT_EQ(readConfiguration(ini).recentFiles, list);
    EXPECT_EQ(readConfiguration(ini).language, "english");

    // A shorter list empties the keys it no longer uses.
    ASSERT_TRUE(rememberRecentFiles(ini, {"/home/u/uno.qsy"}).ok());
    EXPECT_EQ(readConfiguration(ini).recentFiles, std::vector<std::string>{"/home/u/uno.qsy"});
    EXPECT_EQ(ini.getProperty(SettingsSection, "FILE RECENTE 2"), "");

    // The settings dialog's save leaves the list alone.
    ASSERT_TRUE(writeConfiguration(ini, readConfiguration(ini)).ok());
    EXPECT_EQ(readConfiguration(ini).recentFiles, std::vector<std::string>{"/home/u/uno.qsy"});
}

TEST(Settings, AnEmptyRecentListLeavesTheFileAsItWas) {
    const std::string before = "; mine\n[IMPOSTAZIONI]\nLINGUA=english\n";
    ScratchFolder folder;
    IniFile ini(folder.write(SettingsFileName, before));
    ASSERT_TRUE(rememberRecentFiles(ini, {}).ok());
    EXPECT_EQ(folder.read(SettingsFileName), before);
    Settings s = readConfiguration(ini);
    EXPECT_TRUE(s.recentFiles.empty());
    // Holes and blank entries of a hand-edited file are skipped.
    folder.write(SettingsFileName,
                 "[IMPOSTAZIONI]\nFILE RECENTE 2=/a.qsy\nFILE RECENTE 3=\nFILE RECENTE 8=/b.qsy\n"
                 "FILE RECENTE 9=/c.qsy\n");
    EXPECT_EQ(readConfiguration(ini).recentFiles, (std::vector<std::string>{"/a.qsy", "/b.qsy"}));
}

TEST(Settings, TheListingWindowRemembersItsOutput) {
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    ASSERT_TRUE(rememberSlipOutput(ini, "PDF", "/home/u/slips").ok());
    ASSERT_TRUE(rememberListingOutput(ini, "ANTEPRIMA", "/home/u/listings").ok());
    const Settings s = readConfiguration(ini);
    EXPECT_EQ(s.slipOutput, "PDF");
    EXPECT_EQ(s.slipPdfFolder, "/home/u/slips");
    EXPECT_EQ(s.listingOutput, "ANTEPRIMA");
    EXPECT_EQ(s.listingPdfFolder, "/home/u/listings");
}

} // namespace

namespace {

// Files holding every key the settings dialog writes, as people and other programs leave
// them: read and written back with the same settings, each keeps its bytes.
TEST(Settings, AFileSavedWithTheSameSettingsKeepsItsBytes) {
    const std::string keys = "INTESTAZIONE=RICEVITORIA 7\n"
                             "STAMPANTE TABULATO=Laser\n"
                             "SORGENTE RICALCOLO=2\n"
                             "MODALITA' RICALCOLO=TRUE\n"
                             "LINGUA=english\n"
                             "COSTO_COLONNA=250\n"
                             "SERVER=http://127.0.0.1:8642/\n";
    const auto crlf = [](std::string text) {
        for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
            text.insert(at, "\r");
        }
        return text;
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"line ends LF", "[IMPOSTAZIONI]\n" + keys},
        {"line ends CR LF", crlf("[IMPOSTAZIONI]\n" + keys)},
        {"no line end at the end", "[IMPOSTAZIONI]\n" + keys + "NUMERI EURO=12"},
        {"comments, other sections and unknown keys",
         "; mine\n[ALTRO]\nx=1\n\n[IMPOSTAZIONI]\nTEMA=scuro\n" + keys + "; end\n"},
        {"names in other cases, blanks around",
         "[impostazioni]\n  lingua = english \nIntestazione= RICEVITORIA 7\n" + keys},
        {"quoted values", "[IMPOSTAZIONI]\nLINGUA=\"english\"\nCOSTO_COLONNA='250'\n" + keys},
        {"a key twice: the first counts", "[IMPOSTAZIONI]\n" + keys + "LINGUA=deutsch\n"},
        {"a section twice", "[IMPOSTAZIONI]\n" + keys + "[IMPOSTAZIONI]\nLINGUA=deutsch\n"},
        {"values that read as the same", "[IMPOSTAZIONI]\nMODALITA' RICALCOLO=TRUE\t\n"
                                         "NUMERI EURO= 10\n" +
                                             keys},
        {"a value cut at a NUL",
         "[IMPOSTAZIONI]\nSERVER=http://127.0.0.1:8642/" + std::string(1, '\0') + "old\n" + keys},
        {"a header past the length read",
         "[IMPOSTAZIONI]\nINTESTAZIONE=" + std::string(300, 'R') + "\n" + keys},
    };
    for (const auto& c : cases) {
        const IniDocument file(c.bytes);
        const auto written = writeConfiguration(file, readConfiguration(file));
        ASSERT_TRUE(written.ok()) << c.name;
        EXPECT_EQ(written.value(), c.bytes) << c.name;
    }
}

// A real change writes the file in the program's own form (CR LF), keeping every other line.
TEST(Settings, AChangedFileKeepsItsOtherLines) {
    const IniDocument file("; mine\n[IMPOSTAZIONI]\nTEMA=scuro\nLINGUA=\"english\"\n");
    Settings changed = readConfiguration(file);
    changed.language = "italiano";
    const auto written = writeConfiguration(file, changed);
    ASSERT_TRUE(written.ok());
    // No header of the user's: the placeholder is never stored.
    EXPECT_EQ(written.value(),
              "; mine\r\n[IMPOSTAZIONI]\r\nTEMA=scuro\r\nLINGUA=italiano\r\n"
              "INTESTAZIONE=\r\nSTAMPANTE TABULATO=NESSUNA\r\nSORGENTE RICALCOLO=1\r\n"
              "MODALITA' RICALCOLO=FALSE\r\nCOSTO_COLONNA=200\r\n"
              "SERVER=http://127.0.0.1:8642/\r\n");
}

} // namespace
