// The archive file: its 19-byte records, the growth of both readers, hostile files.
#include "archive/ArchiveFile.h"

#include "archive/ArchiveList.h"
#include "archive/ArchiveText.h"
#include "settings/ScratchFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace quintora;

namespace {

using Bytes = std::vector<std::uint8_t>;

Draw draw(std::int16_t contest, const char* date, std::array<std::uint8_t, 5> numbers,
          std::array<std::uint8_t, 2> euro) {
    return Draw{contest, parseDate(date).value(), numbers, euro};
}

DrawArchive sample() {
    return {{draw(1, "23/03/2012", {5, 12, 23, 34, 45}, {3, 8}),
             draw(2, "30/03/2012", {5, 7, 12, 19, 26}, {1, 5}),
             draw(600, "25/03/2022", {1, 2, 3, 49, 50}, {11, 12})}};
}

// A day, and numbers of a draw, for records whose other fields are on trial.
const char* const Day = "13/04/2012";
const std::array<std::uint8_t, 7> Numbers{1, 2, 3, 4, 5, 1, 2};

Bytes record(std::int16_t contest, const std::string& date, std::array<std::uint8_t, 7> numbers) {
    Bytes b{static_cast<std::uint8_t>(contest & 0xFF),
            static_cast<std::uint8_t>((contest >> 8) & 0xFF)};
    for (std::size_t i = 0; i < 10; ++i) {
        b.push_back(static_cast<std::uint8_t>(i < date.size() ? date[i] : ' '));
    }
    b.insert(b.end(), numbers.begin(), numbers.end());
    return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ArchiveFile, RecordsAreNineteenBytesFieldByField) {
    const Bytes bytes = encodeArchive(sample());
    ASSERT_EQ(bytes.size(), 3 * DrawRecordSize);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 19),
              record(1, "23/03/2012", {5, 12, 23, 34, 45, 3, 8}));
    EXPECT_EQ(Bytes(bytes.begin() + 38, bytes.end()),
              record(600, "25/03/2022", {1, 2, 3, 49, 50, 11, 12}));

    const auto back = decodeArchive(bytes);
    ASSERT_TRUE(back.ok()) << back.error().message;
    EXPECT_EQ(back.value(), sample()); // Euro numbers 11 and 12 kept as drawn
}

TEST(ArchiveFile, SavedAndReadBackThroughTheFile) {
    ScratchFolder dir;
    const auto path = dir.file("quintora.dat");
    ASSERT_TRUE(saveArchiveFile(path, sample()).ok());
    const auto read = readArchiveFile(path);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value(), sample());
}

TEST(ArchiveFile, DatesAreWrittenAsTenCharacters) {
    const Bytes bytes = encodeArchive(DrawArchive{{draw(-3, "1/2/2013", {1, 2, 3, 4, 5}, {1, 2})}});
    EXPECT_EQ(bytes, record(-3, "01/02/2013", {1, 2, 3, 4, 5, 1, 2}));
    EXPECT_EQ(bytes[0], 0xFD); // -3, little-endian
    EXPECT_EQ(bytes[1], 0xFF);
    const auto back = decodeArchive(bytes);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value().draws[0].date, (CalendarDate{2013, 2, 1}));
    EXPECT_EQ(encodeArchive(back.value()), bytes);
}

TEST(ArchiveFile, EmptyRecordsAreDroppedWhenRead) {
    const Bytes bytes = record(1, "23/03/2012", {5, 12, 23, 34, 45, 3, 8}) +
                        record(2, "30/03/2012", {0, 7, 12, 19, 26, 1, 5}) +
                        record(0, "", {0, 0, 0, 0, 0, 0, 0}) +
                        record(3, "06/04/2012", {7, 8, 34, 36, 38, 4, 5});
    const auto read = decodeArchive(bytes);
    ASSERT_TRUE(read.ok()) << read.error().message;
    ASSERT_EQ(read.value().count(), 2);
    EXPECT_EQ(read.value().draws[1].contest, 3);
}

TEST(ArchiveFile, ZeroBytesAndAMissingFileAreAnEmptyArchive) {
    ScratchFolder dir;
    for (const auto& path : {dir.write("zero.dat", ""), dir.file("missing.dat")}) {
        const auto read = readArchiveFile(path);
        ASSERT_TRUE(read.ok()) << path;
        EXPECT_EQ(read.value().count(), 0);
        EXPECT_TRUE(archiveListLines(read.value()).empty());
        EXPECT_EQ(lastDrawText(read.value()), "ultima estrazione");
        EXPECT_EQ(drawTotalText(read.value()), "00000000");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.dat"))); // a reader creates nothing
}

TEST(ArchiveFile, DownloadOf2500LinesGrowsOnceAndSaves47500Bytes) {
    std::string text;
    for (int i = 1; i <= 2500; ++i) {
        text += std::to_string(i) + "|01/01/2013|" + std::to_string(i % 46 + 1) +
                "|47|48|49|50|1|2\r\n";
    }
    auto archive = parseArchiveText(text);
    ASSERT_TRUE(archive.ok()) << archive.error().message;
    EXPECT_EQ(archive.value().count(), 2500);
    EXPECT_EQ(archive.value().draws.capacity(), 2500u); // grown to 4000, then cut
    ScratchFolder dir;
    ASSERT_TRUE(saveArchiveFile(dir.file("a.dat"), archive.value()).ok());
    EXPECT_EQ(std::filesystem::file_size(dir.file("a.dat")), 47500u);
    const auto read = readArchiveFile(dir.file("a.dat"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), archive.value());
}

TEST(ArchiveFile, GrowthStartsAt2000AndDoubles) {
    std::vector<Draw> draws;
    std::vector<std::size_t> capacities;
    for (int i = 0; i < 8001; ++i) {
        appendDraw(draws, Draw{});
        if (capacities.empty() || capacities.back() != draws.capacity()) {
            capacities.push_back(draws.capacity());
        }
    }
    EXPECT_EQ(capacities, (std::vector<std::size_t>{2000, 4000, 8000, 16000}));
    finishDraws(draws);
    EXPECT_EQ(draws.capacity(), 8001u);
}

// Every whole, valid record is kept; a record holding a number out of range or twice, or a date
// that is no day, and bytes at the end too few for a record, are skipped and counted.
TEST(ArchiveFile, DamagedRecordsAreSkippedAndCounted) {
    const Bytes good = encodeArchive(sample());
    struct Case {
        const char* name;
        Bytes bytes;
        int kept;
        int skipped;
    };
    const Case cases[] = {
        {"cut inside a record", Bytes(good.begin(), good.end() - 1), 2, 1},
        {"one stray byte", good + Bytes{0}, 3, 1},
        {"half a record", good + Bytes(10, 7), 3, 1},
        {"number 51", good + record(4, Day, {1, 2, 3, 4, 51, 1, 2}), 3, 1},
        {"number 255", good + record(4, Day, {255, 2, 3, 4, 5, 1, 2}), 3, 1},
        {"number 0 after the first", good + record(4, Day, {1, 0, 3, 4, 5, 1, 2}), 3, 1},
        {"Euro 13", good + record(4, Day, {1, 2, 3, 4, 5, 13, 2}), 3, 1},
        {"Euro 0 in the middle",
         record(4, Day, {1, 2, 3, 4, 5, 1, 0}) + good + record(5, Day, {9, 2, 3, 4, 5, 1, 99}), 3,
         2},
        {"a repeated number", good + record(4, Day, {1, 2, 3, 4, 4, 8, 9}), 3, 1},
        {"a repeated Euro number", good + record(4, Day, {1, 2, 3, 4, 5, 9, 9}), 3, 1},
        // Dates: a day of a leap year is kept; what is no day, or not "DD/MM/YYYY", is not.
        {"29/02 of a leap year", good + record(4, "29/02/2024", Numbers), 4, 0},
        {"29/02 of a common year", good + record(4, "29/02/2013", Numbers), 3, 1},
        {"31/04", good + record(4, "31/04/2012", Numbers), 3, 1},
        {"00/01", good + record(4, "00/01/2013", Numbers), 3, 1},
        {"month 13", good + record(4, "01/13/2013", Numbers), 3, 1},
        {"one-digit day", good + record(4, "1/1/2013", Numbers), 3, 1},
        {"blanks", good + record(4, "", Numbers), 3, 1},
        {"control bytes",
         good + record(4,
                       "30/0\n/20\x1b"
                       "2",
                       Numbers),
         3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SkippedRecords skipped;
        const auto read = decodeArchive(c.bytes, skipped);
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_EQ(read.value().count(), c.kept);
        EXPECT_EQ(skipped.count(), c.skipped);
        EXPECT_EQ(read.value().draws.front(), sample().draws.front());
    }
    SkippedRecords none;
    ASSERT_TRUE(decodeArchive(good, none).ok());
    EXPECT_EQ(none.count(), 0);
    EXPECT_EQ(ownLanguageText(skippedRecordsText(SkippedRecords{2, 5})),
              "Record non validi saltati nell'archivio estrazioni: 3");
}

TEST(ArchiveFile, RandomBytesKeepOnlyRealDraws) {
    std::mt19937 random(7);
    Bytes noise(19 * 500 + 3);
    for (auto& b : noise) {
        b = static_cast<std::uint8_t>(random() % 60);
    }
    SkippedRecords skipped;
    const auto read = decodeArchive(noise, skipped);
    ASSERT_TRUE(read.ok());
    EXPECT_GT(skipped.count(), 0);
    EXPECT_EQ(skipped.strayBytes, 3u);
    for (const auto& d : read.value().draws) {
        EXPECT_FALSE(drawProblem(d));
    }
}

TEST(ArchiveFile, HostileFilesAreRefusedWithoutReadingThem) {
    ScratchFolder dir;
    // Sparse: 2 GB long, no disk used; refused from its size alone.
    const auto huge = dir.file("huge.dat");
    {
        const int fd = ::open(huge.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{2} << 30), 0);
        ::close(fd);
    }
    const auto justTooLarge = dir.write("large.dat", std::string(MaxArchiveFileBytes + 19, '\0'));
    const auto fifo = dir.file("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(dir.file("folder.dat"));

    const std::pair<std::string, const char*> cases[] = {
        {huge, "troppo grande"},
        {justTooLarge, "troppo grande"},
        {fifo, "non e' un file normale"},
        {dir.file("folder.dat"), "non e' un file normale"},
    };
    for (const auto& [path, containing] : cases) {
        const auto read = readArchiveFile(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_NE(read.error().message.find(containing), std::string::npos) << read.error().message;
    }
}

TEST(ArchiveFile, AFailedSaveKeepsTheOldFile) {
    ScratchFolder dir;
    const auto path = dir.file("quintora.dat");
    ASSERT_TRUE(saveArchiveFile(path, sample()).ok());
    const auto before = dir.read("quintora.dat");
    // A folder in the file's place cannot be replaced by a rename.
    std::filesystem::create_directory(dir.file("taken"));
    std::filesystem::create_directory(dir.file("taken/x"));
    EXPECT_FALSE(saveArchiveFile(dir.file("taken"), sample()).ok());
    EXPECT_FALSE(saveArchiveFile(dir.file("no-folder/quintora.dat"), sample()).ok());
    EXPECT_EQ(dir.read("quintora.dat"), before);
}
