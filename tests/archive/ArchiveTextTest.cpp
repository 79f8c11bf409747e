// The downloaded archive text, the list lines and the shipped history.
#include "archive/ArchiveText.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveList.h"
#include "archive/ArchiveUpdate.h"
#include "archive/ShippedHistory.h"
#include "settings/ScratchFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace quintora;

namespace {

const std::string historyPath = std::string(QUINTORA_SHIPPED_DATA) + "/eurojackpot-draws.txt";

} // namespace

TEST(ArchiveText, TheExampleLineIsListedAsTheWindowShowsIt) {
    const auto archive = parseArchiveText("1|23/03/2012|5|12|23|34|45|3|8");
    ASSERT_TRUE(archive.ok()) << archive.error().message;
    ASSERT_EQ(archive.value().count(), 1);
    const Draw& d = archive.value().draws[0];
    EXPECT_EQ(d, (Draw{1, {2012, 3, 23}, {5, 12, 23, 34, 45}, {3, 8}}));
    EXPECT_EQ(archiveListLines(archive.value()),
              std::vector<std::string>{" 23/03/2012 | 001 |  05 12 23 34 45  | 03 | 08"});
    EXPECT_EQ(lastDrawText(archive.value()), " 23/03/2012 | 001 |  05 12 23 34 45  | 03 | 08");
    EXPECT_EQ(drawTotalText(archive.value()), "1");
}

TEST(ArchiveText, LinesOfOtherFieldCountsAndEmptyDrawsAreSkipped) {
    const std::string text = "\xEF\xBB\xBF"
                             "1|23/03/2012|5|8|21|37|46|6|8\r\n"
                             "2|30/03/2012|5|7|12|19|26|1\r\n"     // eight fields
                             "3|06/04/2012|7|8|34|36|38|4|5|9\r\n" // ten fields
                             "\r\n"
                             "garbage without bars\n"
                             "4|13/04/2012|0|0|0|0|0|0|0\n"              // an empty record
                             " 5 | 20/04/2012 | 10 |16|30|41|45| 2 |8\r" // blanks, lone CR
                             "6|27/04/2012|1|2|3|4|5|11|12";
    const auto archive = parseArchiveText(text);
    ASSERT_TRUE(archive.ok()) << archive.error().message;
    ASSERT_EQ(archive.value().count(), 3);
    EXPECT_EQ(archive.value().draws[0].contest, 1);
    EXPECT_EQ(archive.value().draws[1], (Draw{5, {2012, 4, 20}, {10, 16, 30, 41, 45}, {2, 8}}));
    EXPECT_EQ(archive.value().draws[2].euro, (std::array<std::uint8_t, 2>{11, 12}));
    EXPECT_EQ(archiveListLines(archive.value())[0],
              " 27/04/2012 | 006 |  01 02 03 04 05  | 11 | 12");
}

// A day written with one digit for day or month is the same day, stored "DD/MM/YYYY".
TEST(ArchiveText, DatesAreReadAsDays) {
    const auto archive = parseArchiveText("1|1/4/2013|1|2|3|4|5|1|2\n2|29/2/2024|1|2|3|4|5|1|2");
    ASSERT_TRUE(archive.ok()) << archive.error().message;
    EXPECT_EQ(archive.value().draws[0].date, (CalendarDate{2013, 4, 1}));
    EXPECT_EQ(archive.value().draws[1].dateText(), "29/02/2024");
}

TEST(ArchiveText, RefusedWithAMessageNamingTheLine) {
    const std::string good = "1|23/03/2012|5|8|21|37|46|6|8\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {"", "non contiene alcuna estrazione"},
        {"\r\n\r\n", "non contiene alcuna estrazione"},
        {"1|23/03/2012|5|8|21|37|46|6\n2|30/03/2012|5|7|12|19|26|1|5|7\n",
         "non contiene alcuna estrazione"},
        {"4|13/04/2012|0|0|0|0|0|0|0\n", "non contiene alcuna estrazione"},
        {good + "x|30/03/2012|5|7|12|19|26|1|5", "riga 2: il concorso \"x\""},
        {good + "32768|30/03/2012|5|7|12|19|26|1|5", "riga 2: il concorso \"32768\""},
        {good + "-32769|30/03/2012|5|7|12|19|26|1|5", "-32769"},
        {good + "2|30/03/2012|5|7||19|26|1|5", "riga 2: il campo 5 \"\""},
        {good + "2|30/03/2012|5|7|1a|19|26|1|5", "il campo 5 \"1a\""},
        {good + "2|30/03/2012|5|7|12|19|256|1|5", "il campo 7 \"256\" non e' un numero da 0 a 255"},
        {good + "2|30/03/2012|5|7|12|19|26|-1|5", "il campo 8 \"-1\""},
        {good + "2|30/03/2012|5|7|12|19|26|1|99999999999999999999", "il campo 9"},
        {good + "2|30/03/2012|5|7|12|19|51|1|5", "riga 2: numero 51 fuori da 1..50"},
        {good + "2|30/03/2012|5|7|12|19|26|1|13", "numero Euro 13 fuori da 1..12"},
        {good + "2|30/03/2012|5|7|19|19|26|1|5", "riga 2: numero 19 ripetuto"},
        {good + "2|30/03/2012|5|7|12|19|26|4|4", "riga 2: numero Euro 4 ripetuto"},
        // A date that is not a day, or not written DD/MM/YYYY.
        {good + "2|31/04/2012|5|7|12|19|26|1|5", "riga 2: data \"31/04/2012\" non valida"},
        {good + "2|29/02/2013|5|7|12|19|26|1|5", "riga 2: data \"29/02/2013\""},
        {good + "2|1/4/13|5|7|12|19|26|1|5", "riga 2: data \"1/4/13\""},
        {good + "2|01/04/2013 12:00|5|7|12|19|26|1|5", "riga 2: data"},
        {good + "2||5|7|12|19|26|1|5", "riga 2: data \"\""},
        // The end of a text cut short: its last line has fewer than nine fields.
        {good + "2|30/03/2012|5|7|12", "riga 2: riga incompleta"},
        {good + "2|30/03/2012|5|7|12\r\n\r\n", "riga 2: riga incompleta"},
        {good + "2|30/03/2012|5|7|12|19|26|1|5\r\n<html>\r\n", "riga 3: riga incompleta"},
        {good + "2|30/03/2012|5|7|12|1", "riga 2: riga incompleta"},
    };
    for (const auto& [text, containing] : cases) {
        const auto archive = parseArchiveText(text);
        ASSERT_FALSE(archive.ok()) << text;
        EXPECT_NE(archive.error().message.find(containing), std::string::npos)
            << text << ": " << archive.error().message;
    }
}

TEST(ArchiveText, ContestsUseAllSixteenBits) {
    const auto archive =
        parseArchiveText("-32768|01/01/2020|1|2|3|4|5|1|2\n32767|02/01/2020|1|2|3|4|5|1|2\n"
                         "+1234|03/01/2020|1|2|3|4|5|1|2");
    ASSERT_TRUE(archive.ok());
    EXPECT_EQ(archive.value().draws[0].contest, -32768);
    EXPECT_EQ(archive.value().draws[1].contest, 32767);
    const auto lines = archiveListLines(archive.value());
    EXPECT_EQ(lines[0].substr(0, 19), " 03/01/2020 | 1234 ");
    EXPECT_EQ(lines[2].substr(0, 21), " 01/01/2020 | -32768 ");
}

TEST(ArchiveText, MissingOrOddFilesAreRefused) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(readArchiveText(dir.file("missing.txt")).ok());
    EXPECT_FALSE(readArchiveText(dir.file("folder")).ok());
}

TEST(ArchiveList, LatestFirstAndTheDoubleClickedDraw) {
    const DrawArchive a{{Draw{1, {2012, 3, 23}, {5, 8, 21, 37, 46}, {6, 8}},
                         Draw{2, {2012, 3, 30}, {5, 7, 12, 19, 26}, {1, 5}},
                         Draw{1000, {2012, 4, 6}, {7, 8, 34, 36, 38}, {4, 12}}}};
    EXPECT_EQ(archiveListLines(a), (std::vector<std::string>{
                                       " 06/04/2012 | 1000 |  07 08 34 36 38  | 04 | 12",
                                       " 30/03/2012 | 002 |  05 07 12 19 26  | 01 | 05",
                                       " 23/03/2012 | 001 |  05 08 21 37 46  | 06 | 08",
                                   }));
    ASSERT_NE(drawAtListLine(a, 0), nullptr);
    EXPECT_EQ(drawAtListLine(a, 0)->contest, 1000);
    EXPECT_EQ(drawAtListLine(a, 2)->contest, 1);
    EXPECT_EQ(drawAtListLine(a, 3), nullptr);
    EXPECT_EQ(drawAtListLine(a, -1), nullptr);
    EXPECT_EQ(chosenDrawMessage(a.draws[2]),
              "La Colonna \r\n07 08 34 36 38\r\ndel 06/04/2012 "
              "\xC3\xA8 stata imposta come nuova colonna di Spoglio");
    EXPECT_EQ(drawTotalText(a), "3");
}

TEST(ShippedHistory, TheRealHistoryBuildsTheArchiveFile) {
    ScratchFolder dir;
    const auto built = buildArchiveFromHistory(historyPath, dir.file("quintora.dat"));
    ASSERT_TRUE(built.ok()) << built.error().message;
    const auto& draws = built.value().draws;
    ASSERT_EQ(draws.size(), 974u);
    EXPECT_EQ(draws.front(), (Draw{1, {2012, 3, 23}, {5, 8, 21, 37, 46}, {6, 8}}));
    EXPECT_EQ(draws.back(), (Draw{974, {2026, 7, 21}, {4, 8, 10, 17, 37}, {5, 7}}));
    EXPECT_TRUE(std::any_of(draws.begin(), draws.end(),
                            [](const Draw& d) { return d.euro[0] > 10 || d.euro[1] > 10; }));
    EXPECT_EQ(std::filesystem::file_size(dir.file("quintora.dat")), 974u * 19u);
    const auto read = readArchiveFile(dir.file("quintora.dat"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), built.value());
}

TEST(ShippedHistory, AMissingHistoryWritesNothing) {
    ScratchFolder dir;
    EXPECT_FALSE(buildArchiveFromHistory(dir.file("none.txt"), dir.file("quintora.dat")).ok());
    EXPECT_FALSE(std::filesystem::exists(dir.file("quintora.dat")));
}

TEST(ArchiveUpdate, AFailedUpdateKeepsTheArchiveInMemoryAndOnDisk) {
    ScratchFolder dir;
    const auto path = dir.file("quintora.dat");
    DrawArchive archive;
    ASSERT_TRUE(updateArchiveFromText(archive, historyPath, path).ok());
    ASSERT_EQ(archive.count(), 974);
    const DrawArchive before = archive;
    const auto bytes = dir.read("quintora.dat");

    const std::string bad[] = {"", "1|23/03/2012|5|8|21|37|46|6\n", "1|23/03/2012|5|8|x|37|46|6|8"};
    for (const auto& text : bad) {
        const auto status = updateArchiveFromText(archive, dir.write("download.dat", text), path);
        EXPECT_FALSE(status.ok()) << text;
        EXPECT_FALSE(status.error().message.empty());
        EXPECT_EQ(archive, before);
        EXPECT_EQ(dir.read("quintora.dat"), bytes);
    }
    const auto good = dir.write("download.dat", "1|23/03/2012|5|12|23|34|45|3|8");
    EXPECT_FALSE(updateArchiveFromText(archive, good, dir.file("no-folder/quintora.dat")).ok());
    EXPECT_EQ(archive, before);

    ASSERT_TRUE(updateArchiveFromText(archive, good, path).ok());
    EXPECT_EQ(archive.count(), 1);
    EXPECT_EQ(std::filesystem::file_size(path), 19u);
}

// An update from the server may only add draws: fewer draws, or a date missing, is refused and
// changes nothing; a text the user chose still replaces the archive whatever it holds.
TEST(ArchiveUpdate, AnUpdateFromTheServerOnlyGrowsTheArchive) {
    ScratchFolder dir;
    const auto path = dir.file("quintora.dat");
    std::ifstream in(historyPath, std::ios::binary);
    const std::string history{std::istreambuf_iterator<char>(in), {}};
    const auto firstLines = [&](std::size_t n) {
        std::size_t end = 0;
        for (std::size_t i = 0; i < n; ++i) {
            end = history.find('\n', end) + 1;
        }
        return history.substr(0, end);
    };
    std::string renamed = history;
    renamed.replace(renamed.find("|30/03/2012|"), 12, "|31/03/2012|");
    const struct {
        const char* name;
        std::string text;
        int draws; // afterwards; 0 means refused
        const char* saying;
    } cases[] = {
        {"the first 490 draws", firstLines(490), 0, "490 estrazioni, meno delle 974"},
        {"a date changed", renamed, 0, "(1 estrazioni aggiunte, 0 cambiate, 1 mancanti)"},
        {"the same draws", history, 974, ""},
        {"one draw more", history + "975|01/01/2030|1|2|3|4|5|1|2\n", 975, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DrawArchive archive;
        ASSERT_TRUE(updateArchiveFromText(archive, historyPath, path).ok());
        const DrawArchive before = archive;
        const auto bytes = dir.read("quintora.dat");
        const auto text = dir.write("download.dat", c.text);
        const auto status =
            updateArchiveFromText(archive, text, path, ArchiveReplacement::OnlyGrowing);
        ASSERT_EQ(status.ok(), c.draws != 0);
        if (c.draws == 0) {
            EXPECT_NE(status.error().message.find(c.saying), std::string::npos)
                << status.error().message;
            EXPECT_EQ(archive, before);
            EXPECT_EQ(dir.read("quintora.dat"), bytes);
            ASSERT_TRUE(updateArchiveFromText(archive, text, path, ArchiveReplacement::Any).ok());
            EXPECT_LT(archive.count(), 975);
        } else {
            EXPECT_EQ(archive.count(), c.draws);
        }
    }
}

// Draws are matched by date: a date the archive lacks is added, a held date with another
// contest or other numbers is changed, a held date the download lacks is missing. Only
// changed or missing draws need the user's consent.
TEST(ArchiveCorrections, DrawsAreMatchedByDate) {
    const DrawArchive held = parseArchiveText("1|23/03/2012|5|8|21|37|46|6|8\n"
                                              "2|30/03/2012|5|7|12|19|26|1|5\n")
                                 .value();
    const struct {
        const char* name;
        std::string text;
        std::size_t added, changed, missing;
    } cases[] = {
        {"the same", "1|23/03/2012|5|8|21|37|46|6|8\n2|30/03/2012|5|7|12|19|26|1|5\n", 0, 0, 0},
        {"one more",
         "1|23/03/2012|5|8|21|37|46|6|8\n2|30/03/2012|5|7|12|19|26|1|5\n"
         "3|06/04/2012|7|8|34|36|38|4|5\n",
         1, 0, 0},
        {"a number", "1|23/03/2012|5|8|21|37|46|6|8\n2|30/03/2012|5|7|12|19|27|1|5\n", 0, 1, 0},
        {"a Euro number", "1|23/03/2012|5|8|21|37|46|6|9\n2|30/03/2012|5|7|12|19|26|1|5\n", 0, 1,
         0},
        {"a contest", "7|23/03/2012|5|8|21|37|46|6|8\n2|30/03/2012|5|7|12|19|26|1|5\n", 0, 1, 0},
        {"a date", "1|23/03/2012|5|8|21|37|46|6|8\n2|31/03/2012|5|7|12|19|26|1|5\n", 1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto got = archiveCorrections(held, parseArchiveText(c.text).value());
        EXPECT_EQ(got.added.size(), c.added);
        EXPECT_EQ(got.changed.size(), c.changed);
        EXPECT_EQ(got.missing.size(), c.missing);
        EXPECT_EQ(got.touchesHeldDraws(), c.changed + c.missing > 0);
        EXPECT_EQ(correctionLines(got).size(), c.added + c.changed + c.missing);
    }
}

// A correcting text is applied only when the consent agrees; it is asked only then.
TEST(ArchiveCorrections, TheConsentDecides) {
    ScratchFolder dir;
    const auto path = dir.file("quintora.dat");
    for (const bool agreed : {false, true}) {
        DrawArchive archive;
        ASSERT_TRUE(updateArchiveFromText(
            archive, dir.write("held.txt", "1|23/03/2012|5|8|21|37|46|6|8\n"), path));
        const auto bytes = dir.read("quintora.dat");
        int asked = 0;
        const auto status = updateArchiveFromText(
            archive, dir.write("new.txt", "1|23/03/2012|5|8|21|37|46|6|9\n"), path,
            ArchiveReplacement::OnlyGrowing, [&](const ArchiveCorrections& c) {
                ++asked;
                return agreed && c.changed.size() == 1;
            });
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(status.ok(), agreed);
        EXPECT_EQ(archive.draws.front().euro[1], agreed ? 9 : 8);
        EXPECT_EQ(dir.read("quintora.dat") == bytes, !agreed);
    }
}
