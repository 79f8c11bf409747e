#include "settings/Settings.h"

#include "ScratchFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

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

} // namespace
