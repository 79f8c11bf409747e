// The game rules in the system document: the Euro grid's click rule, the switch of rules and
// opening files that play Euro 11 or 12.
#include "document/SystemDocument.h"
#include "files/SystemFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

using namespace quintora;

namespace {

std::vector<int> euros(const SystemDocument& document) {
    const auto list = euroNumbers(document.state().header);
    return {list.begin(), list.end()};
}

GameRules rulesOf(int euroMax) {
    return *GameRules::withEuroMax(euroMax);
}

} // namespace

TEST(GameRulesDocument, TheEuroClickRuleUnderBothRules) {
    struct Case {
        int euroMax;
        std::vector<int> clicks;
        std::vector<int> marked;
    };
    const Case cases[] = {
        {10, {11}, {}},           {10, {12, 10}, {10}},
        {12, {11, 12}, {11, 12}}, {12, {12, 3, 11}, {3, 12}}, // a third is refused
        {12, {11, 11, 13}, {}}, // a second click unmarks; 13 is no cell
        {12, {0, 1}, {1}},
    };
    for (const auto& c : cases) {
        SystemDocument document;
        ASSERT_TRUE(document.setRules(rulesOf(c.euroMax)));
        for (const int n : c.clicks) {
            (void)document.toggleEuro(n);
        }
        EXPECT_EQ(euros(document), c.marked) << c.euroMax << " " << c.clicks.size();
    }
}

TEST(GameRulesDocument, SwitchingRulesUnmarksWhatTheyDoNotAllowAndALockedSystemRefuses) {
    SystemDocument document;
    EXPECT_EQ(document.rules(), GameRules::classic()); // the program's own game by default
    ASSERT_TRUE(document.setRules(GameRules::current()));
    ASSERT_TRUE(document.toggleEuro(4));
    ASSERT_TRUE(document.toggleEuro(12));
    EXPECT_EQ(document.eurosOutside(GameRules::classic()).ascending(), std::vector<int>{12});
    EXPECT_TRUE(document.eurosOutside(GameRules::current()).empty());

    std::vector<bool> heardRules;
    document.addListener([&](Changes what) { heardRules.push_back(what.has(Change::Rules)); });
    ASSERT_TRUE(document.setRules(GameRules::classic()));
    EXPECT_EQ(euros(document), std::vector<int>{4});
    EXPECT_EQ(heardRules, std::vector<bool>{true});

    // Developed: no switch until it is reopened for changes; the same rules are no switch.
    for (int n = 1; n <= 5; ++n) {
        ASSERT_TRUE(document.toggleNumber(n));
    }
    ASSERT_TRUE(document.toggleEuro(9));
    auto snapshot = document.startDevelopment();
    ASSERT_TRUE(snapshot.ok());
    DevelopmentControl control;
    ASSERT_TRUE(document.finishDevelopment(develop(snapshot.value(), {}, control)));
    ASSERT_TRUE(document.locked());
    const Status refused = document.setRules(GameRules::current());
    ASSERT_FALSE(refused);
    EXPECT_FALSE(refused.error().message.empty());
    EXPECT_EQ(document.rules(), GameRules::classic());
    EXPECT_TRUE(document.setRules(GameRules::classic()));
    ASSERT_TRUE(document.reopenForChanges());
    EXPECT_TRUE(document.setRules(GameRules::current()));
}

TEST(GameRulesDocument, AFileWithElevenOrTwelveAsksUnderTheTenRule) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("quintora-rules-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    SystemState today;
    today.header.setNumbers({1, 2, 3, 4, 5, 6});
    today.header.setEuros({11, 12});
    today.columns = {{1, 2, 3, 4, 5}};
    today.header.systemType = "Integrale";
    const std::string todayPath = (dir / "oggi.qsy").string();
    ASSERT_TRUE(saveSystemFile(todayPath, today).ok());
    SystemState classic = today;
    classic.header.setEuros({2, 10});
    const std::string classicPath = (dir / "classico.qsy").string();
    ASSERT_TRUE(saveSystemFile(classicPath, classic).ok());

    struct Case {
        const char* name;
        int rulesBefore;
        const std::string& path;
        int answer; // -1: no question expected; 0 no; 1 yes; 2 no question handler
        bool opened;
        int rulesAfter;
    };
    const Case cases[] = {
        {"12 under 10, yes", 10, todayPath, 1, true, 12},
        {"12 under 10, no", 10, todayPath, 0, false, 10},
        {"12 under 10, nobody to ask", 10, todayPath, 2, true, 12},
        {"12 under 12", 12, todayPath, -1, true, 12},
        {"10 under 12", 12, classicPath, -1, true, 12},
        {"10 under 10", 10, classicPath, -1, true, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SystemDocument document;
        ASSERT_TRUE(document.setRules(rulesOf(c.rulesBefore)));
        ASSERT_TRUE(document.toggleNumber(7));
        int asked = 0;
        SystemDocument::RulesQuestion question;
        if (c.answer != 2) {
            question = [&](GameRules needed) {
                ++asked;
                EXPECT_EQ(needed, GameRules::current());
                return c.answer == 1;
            };
        }
        const auto opened = document.open(c.path, question);
        EXPECT_EQ(opened.ok(), c.opened);
        EXPECT_EQ(asked, c.answer == 0 || c.answer == 1 ? 1 : 0);
        EXPECT_EQ(document.rules().euroMax(), c.rulesAfter);
        if (c.opened) {
            EXPECT_EQ(document.state().header.euros(),
                      (c.path == todayPath ? NumberSet{11, 12} : NumberSet{2, 10}));
        } else {
            // No: everything as it was, and nothing to tell the user.
            EXPECT_TRUE(opened.cancelled());
            EXPECT_EQ(document.state().header.numbers(), NumberSet{7});
            EXPECT_FALSE(document.locked());
        }
    }
    std::filesystem::remove_all(dir);
}
