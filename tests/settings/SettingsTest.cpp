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
    EXPECT_EQ(s.header, "RICEVITORIA XXXX - CAMBIA LE IMPOSTAZIONI DAL MENU FILE");
    EXPECT_EQ(s.listingPrinter, "NESSUNA");
    EXPECT_FLOAT_EQ(s.costPerColumn, 2.0f);
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
    EXPECT_FLOAT_EQ(s.costPerColumn, 2.5f);
    EXPECT_EQ(s.server, "https://example.org/");
}

TEST(Settings, ValueRules) {
    const struct {
        const char* line;
        int source;
        bool mode;
        float cost;
    } cases[] = {
        {"MODALITA' RICALCOLO=true", 1, false, 2.0f},
        {"MODALITA' RICALCOLO=\"TRUE\"", 1, true, 2.0f},
        {"MODALITA' RICALCOLO=FALSE", 1, false, 2.0f},
        {"SORGENTE RICALCOLO=1", 1, false, 2.0f},
        {"SORGENTE RICALCOLO=x", 2, false, 2.0f},
        {"SORGENTE RICALCOLO=", 2, false, 2.0f},
        {"COSTO_COLONNA=0", 1, false, 0.0f},
        {"COSTO_COLONNA=150", 1, false, 1.5f},
        {"COSTO_COLONNA=abc", 1, false, 2.0f},
        {"COSTO_COLONNA=", 1, false, 2.0f},
        {"COSTO_COLONNA=-100", 1, false, 2.0f},
        {"COSTO_COLONNA=1e5", 1, false, 2.0f},
        {"COSTO_COLONNA=99999999999", 1, false, 2.0f},
    };
    ScratchFolder folder;
    for (const auto& c : cases) {
        const Settings s = readFrom(folder, std::string("[IMPOSTAZIONI]\n") + c.line + "\n");
        EXPECT_EQ(s.recalcSource, c.source) << c.line;
        EXPECT_EQ(s.recalcMode, c.mode) << c.line;
        EXPECT_FLOAT_EQ(s.costPerColumn, c.cost) << c.line;
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
    s.costPerColumn = parsePrice("2.5");
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
    EXPECT_FLOAT_EQ(back.costPerColumn, 2.5f);
}

TEST(Settings, PriceIsStoredInWholeCents) {
    const std::pair<float, const char*> cases[] = {
        {2.5f, "250"}, {2.3f, "230"}, {0.0f, "0"}, {1.005f, "100"}, {19.99f, "1999"}};
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    for (const auto& [euros, stored] : cases) {
        Settings s;
        s.costPerColumn = euros;
        ASSERT_TRUE(writeConfiguration(ini, s).ok());
        EXPECT_EQ(ini.getProperty(SettingsSection, "COSTO_COLONNA"), stored) << euros;
    }
}

TEST(Settings, RefusesABadPriceAndWritesNothing) {
    ScratchFolder folder;
    IniFile ini(folder.file(SettingsFileName));
    for (const float bad : {parsePrice("abc"), -1.0f, MaxPrice * 2, INFINITY}) {
        Settings s;
        s.costPerColumn = bad;
        const Status status = writeConfiguration(ini, s);
        ASSERT_FALSE(status.ok()) << bad;
        EXPECT_FALSE(status.error().message.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(ini.path()));
}

TEST(Settings, ParsePrice) {
    const std::pair<const char*, float> numbers[] = {
        {"2.5", 2.5f}, {"2,50", 2.5f}, {" 3 ", 3.0f},         {"0", 0.0f},
        {",5", 0.5f},  {"2.", 2.0f},   {"21474836", MaxPrice}};
    for (const auto& [text, euros] : numbers) {
        EXPECT_FLOAT_EQ(parsePrice(text), euros) << text;
    }
    for (const char* garbage :
         {"", " ", "abc", "2.5.1", "2,5.1", "-1", "+1", "1e3", "\xE2\x82\xAC 2", "2 5", ".",
          "21474837", "99999999999999999999999999"}) {
        EXPECT_TRUE(std::isnan(parsePrice(garbage))) << garbage;
    }
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
