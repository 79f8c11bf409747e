// Matrix files: the CRC-32, the layout, dates and texts, and hostile files.
#include "matrix/MatrixFile.h"

#include "core/Encoding.h"
#include "matrix/Crc32.h"
#include "matrix/MatrixSamples.h"
#include "matrix/OleDate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sys/stat.h>

using namespace quintora;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

void put32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int k = 0; k < 4; ++k) {
        b.at(at + k) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
    }
}

} // namespace

TEST(Crc32, StandardCheckValueAndPieces) {
    EXPECT_EQ(crc32Of(bytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(crc32Of({}), 0u);
    EXPECT_EQ(crc32Update(crc32Of(bytesOf("12345")), bytesOf("6789")), 0xCBF43926u);
}

TEST(MatrixFile, LayoutOfHeaderBodyAndTrailer) {
    const Bytes b = encodeMatrixFile(sevenMatrix());
    ASSERT_EQ(b.size(), 142u + 5 * 5 + 4);
    EXPECT_EQ(b[0], 7); // V
    EXPECT_EQ(b[1], 5); // K
    EXPECT_EQ(b[2], 3); // T
    EXPECT_EQ(b[4], 0); // F
    EXPECT_EQ(b[5], 5); // C, little-endian
    EXPECT_EQ(std::string(b.begin() + 9, b.begin() + 19), "100%      ");
    EXPECT_EQ(std::string(b.begin() + 127, b.begin() + 142), "matricezorv0001");
    // Row 1 holds the first position of every column, row 2 the second...
    EXPECT_EQ(Bytes(b.begin() + 142, b.begin() + 147), (Bytes{1, 3, 1, 1, 2}));
    EXPECT_EQ(Bytes(b.begin() + 147, b.begin() + 152), (Bytes{2, 4, 2, 3, 3}));
    EXPECT_TRUE(matrixChecksumMatches(b));
}

TEST(MatrixFile, RoundTripKeepsEveryField) {
    Matrix m = sevenMatrix();
    m.header.author = "Societ\u00e0 \u20ac"; // Windows-1252 has both
    m.header.validFrom = oleFromDate({2024, 2, 29});
    const auto read = decodeMatrixFile(encodeMatrixFile(m));
    ASSERT_TRUE(read.ok()) << read.error().message;
    const auto& h = read.value().header;
    EXPECT_EQ(h.v, 7);
    EXPECT_EQ(h.columnCount, 5);
    EXPECT_EQ(h.author, "Societ\u00e0 \u20ac");
    EXPECT_EQ(h.description, "Matrice di prova");
    EXPECT_EQ(h.percentage, "100%");
    EXPECT_EQ(dateFromOle(h.validFrom), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(dateFromOle(h.validTo), (CalendarDate{2099, 12, 31}));
    EXPECT_EQ(read.value().body, m.body);
    EXPECT_EQ(read.value().position(1, 2), 3);
    EXPECT_EQ(read.value().position(5, 2), 7);
}

TEST(MatrixFile, TextsAreCutToTheirWidthAndTrimmedWhenRead) {
    Matrix m = sevenMatrix();
    m.header.description = std::string(70, 'x');
    m.header.author = "  Rossi  ";
    const auto read = decodeMatrixFile(encodeMatrixFile(m));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().header.description, std::string(60, 'x'));
    EXPECT_EQ(read.value().header.author, "Rossi");
}

TEST(MatrixFile, OneChangedBodyByteBreaksTheChecksum) {
    Bytes b = encodeMatrixFile(sevenMatrix());
    b[150] ^= 1;
    EXPECT_FALSE(matrixChecksumMatches(b));
    const auto read = decodeMatrixFile(b);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().message.find("CRC"), std::string::npos);
}

TEST(MatrixFile, HostileFilesAreRefusedWithAMessage) {
    const Bytes good = encodeMatrixFile(sevenMatrix());
    struct Case {
        const char* name;
        Bytes bytes;
        const char* containing;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "troppo corto"});
    cases.push_back({"cut in the header", Bytes(good.begin(), good.begin() + 100), "troppo corto"});
    cases.push_back({"header only", Bytes(good.begin(), good.begin() + 142), "CRC"});
    {
        Bytes b = good;
        b[130] = 'X';
        reseal(b);
        cases.push_back({"wrong identifier", b, "identificativo"});
    }
    {
        Bytes b = good;
        b.back() ^= 0xFF;
        cases.push_back({"bad checksum", b, "CRC"});
    }
    {
        Bytes b = good;
        b.erase(b.begin() + 160, b.begin() + 161);
        reseal(b);
        cases.push_back({"body shorter than C columns", b, "non corrisponde"});
    }
    {
        Bytes b = good;
        b.insert(b.begin() + 160, 1);
        reseal(b);
        cases.push_back({"body longer than C columns", b, "non corrisponde"});
    }
    {
        Bytes b = good;
        put32(b, 5, 400000000);
        reseal(b);
        cases.push_back({"C far beyond the body", b, "non corrisponde"});
    }
    {
        Bytes b = good;
        put32(b, 5, -1);
        reseal(b);
        cases.push_back({"negative C", b, "colonne"});
    }
    for (const auto& [name, at, value, text] :
         {std::tuple{"K other than 5", 1, 6, "ne servono 5"},
          std::tuple{"V above 50", 0, 51, "da 5 a 50"}, std::tuple{"V below K", 0, 4, "da 5 a 50"},
          std::tuple{"F above 4", 4, 5, "fissi"}, std::tuple{"position 0", 142, 0, "fuori"},
          std::tuple{"position above V", 143, 8, "fuori"},
          std::tuple{"position repeated", 147, 1, "ripetuta"}}) {
        Bytes b = good;
        b[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        reseal(b);
        cases.push_back({name, b, text});
    }
    for (const auto& c : cases) {
        const auto read = decodeMatrixFile(c.bytes);
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_NE(read.error().message.find(c.containing), std::string::npos)
            << c.name << ": " << read.error().message;
    }
}

TEST(MatrixFile, GarbageNeverCrashesTheReader) {
    std::mt19937 rng(7);
    const Bytes good = encodeMatrixFile(sevenMatrix());
    for (int round = 0; round < 2000; ++round) {
        Bytes b = good;
        b.resize(std::uniform_int_distribution<std::size_t>(0, good.size() + 8)(rng));
        for (int flips = 0; flips < 4 && !b.empty(); ++flips) {
            b[std::uniform_int_distribution<std::size_t>(0, b.size() - 1)(rng)] =
                static_cast<std::uint8_t>(rng());
        }
        if (b.size() >= 4 && round % 2 == 0) {
            reseal(b); // past the checksum, into the field checks
        }
        const auto read = decodeMatrixFile(b);
        if (read.ok()) {
            const auto& m = read.value();
            EXPECT_EQ(m.body.size(),
                      std::size_t{5} * static_cast<std::size_t>(m.header.columnCount));
        }
    }
}

TEST(MatrixFile, FilesOnDisk) {
    MatrixFolder folder;
    const auto path = folder.write("a.mzor", sevenMatrix());
    const auto read = readMatrixFile(path);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value().body, sevenMatrix().body);

    const auto summary = inspectMatrixFile(path);
    ASSERT_TRUE(summary.ok());
    EXPECT_TRUE(summary.value().headerComplete);
    EXPECT_TRUE(summary.value().checksumValid);

    Bytes cut = folder.read("a.mzor");
    cut.resize(60);
    const auto shortSummary = inspectMatrixFile(folder.write("short.mzor", cut));
    ASSERT_TRUE(shortSummary.ok());
    EXPECT_FALSE(shortSummary.value().headerComplete);
    EXPECT_EQ(shortSummary.value().header.v, 7); // read as far as it goes
    EXPECT_EQ(shortSummary.value().header.author, "Prova");
    EXPECT_EQ(shortSummary.value().header.description, ""); // runs past the end
    EXPECT_FALSE(shortSummary.value().checksumValid);

    const auto saved = folder.file("saved.mzor");
    ASSERT_TRUE(saveMatrixFile(saved, sevenMatrix()).ok());
    EXPECT_EQ(folder.read("saved.mzor"), encodeMatrixFile(sevenMatrix()));
}

TEST(MatrixFile, FoldersFifosAndMissingFilesAreRefused) {
    MatrixFolder folder;
    std::filesystem::create_directory(folder.file("dir.mzor"));
    ASSERT_EQ(::mkfifo(folder.file("fifo.mzor").c_str(), 0600), 0);
    for (const auto* name : {"dir.mzor", "fifo.mzor", "missing.mzor"}) {
        EXPECT_FALSE(inspectMatrixFile(folder.file(name)).ok()) << name;
        EXPECT_FALSE(readMatrixFile(folder.file(name)).ok()) << name;
    }
}

TEST(OleDate, DaysSinceTheEpochBothWays) {
    struct Case {
        double ole;
        CalendarDate date;
    };
    for (const auto& c :
         {Case{0, {1899, 12, 30}}, Case{1, {1899, 12, 31}}, Case{2, {1900, 1, 1}},
          Case{45658, {2025, 1, 1}}, Case{2958465, {9999, 12, 31}}, Case{-1, {1899, 12, 29}}}) {
        EXPECT_EQ(dateFromOle(c.ole), c.date) << c.ole;
        EXPECT_EQ(oleFromDate(c.date), c.ole);
    }
    EXPECT_EQ(dateFromOle(45658.75), (CalendarDate{2025, 1, 1})); // the time of day is dropped
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), 1e300, -1e18, 2958466.0}) {
        EXPECT_FALSE(dateFromOle(bad).has_value()) << bad;
    }
}

namespace {

// Hand-made matrix files: whatever their header holds beside what the program reads, read and
// written again they keep their bytes; a header change is written the program's way.
TEST(MatrixFile, AFileReadAndWrittenAgainKeepsItsBytes) {
    const auto patched = [](std::size_t at, std::string_view bytes) {
        Bytes b = encodeMatrixFile(sevenMatrix());
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<long>(at));
        reseal(b);
        return b;
    };
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"as the program writes it", encodeMatrixFile(sevenMatrix())},
        {"reserved field in use", patched(125, "\x12\x34")},
        {"texts padded with NUL", patched(9, std::string("100%\0\0\0\0\0\0", 10))},
        {"texts with leading blanks", patched(19, "  Prova")},
        {"a text with an undefined byte", patched(49, "Matrice \x81")},
        {"a date that is not a whole day", patched(109, "\x01\x00\x00\x00\x00\x00\xE5\x40")},
        {"a date that is not a number", patched(117, "\x01\x00\x00\x00\x00\x00\xF8\x7F")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = decodeMatrixFile(c.file);
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_EQ(encodeMatrixFile(read.value()), c.file);

        Matrix changed = read.value();
        changed.header.author = "Altro";
        const auto again = decodeMatrixFile(encodeMatrixFile(changed));
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.value().header.author, "Altro");
        EXPECT_EQ(again.value().header.percentage, read.value().header.percentage);
    }
}

} // namespace
