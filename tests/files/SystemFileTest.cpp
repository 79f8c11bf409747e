#include "files/SystemFile.h"

#include "core/Development.h"
#include "files/FailingDevice.h"
#include "files/FileIo.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace quintora;
namespace fs = std::filesystem;

namespace {

SystemState tenNumbersDeveloped() {
    SystemState s;
    for (int i = 0; i < 10; ++i) {
        auto numbers = s.header.numbers();
        numbers.insert(3 * i + 1);
        s.header.setNumbers(numbers);
    }
    s.header.setEuros({4, 9});
    s.header.systemType = "Integrale";
    for (int i = 0; i < 252; ++i) {
        s.columns.push_back({1, 4, 7, 10, static_cast<std::uint8_t>(i % 50 + 1)});
    }
    return s;
}

SystemState withEveryCondition() {
    SystemState s = tenNumbersDeveloped();
    s.header.systemType = "Distanza Minima [2] - Condizionato - ***";
    auto& c = s.conditions;
    c.setEvenOddOn(true);
    c.setSumOn(true);
    c.setFixedOn(true);
    c.setEvenCounts({1, 2, 3});
    c.sumFrom = 60;
    c.sumTo = 180;
    c.setFixed({4});
    c.reducedN = 2;
    s.minimumDistance.minDistance = 2;
    s.minimumDistance.setOn(true);
    s.consecutive.setRuns(CountSet::fromBits(0b1110));
    s.consecutive.setOn(true);
    s.excluded.setOn(true);
    s.excluded.setColumns(std::vector{Column{1, 4, 7, 10, 13}, Column{28, 25, 22, 19, 16}});
    for (int i = 0; i < 3; ++i) {
        s.filters[i].setMembers({i * 3 + 1, i * 3 + 2});
        s.filters[i].setHits(CountSet::fromBits(0b011U << i));
        s.filters[i].setOn(true);
    }
    s.filterCount = 3;
    return s;
}

// The stored groups of two systems are equal (run-time fields aside).
void expectSameStoredSystem(const SystemState& a, const SystemState& b) {
    EXPECT_EQ(encodeSystemFile(a), encodeSystemFile(b));
    EXPECT_EQ(a.header.systemType, b.header.systemType);
    EXPECT_EQ(a.columns, b.columns);
    EXPECT_EQ(a.filterCount, b.filterCount);
    EXPECT_EQ(a.excluded.columns().size(), b.excluded.columns().size());
    EXPECT_EQ(a.consecutive.runs(), b.consecutive.runs());
    EXPECT_EQ(a.minimumDistance.minDistance, b.minimumDistance.minDistance);
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quintora-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

} // namespace

TEST(SystemFile, EmptySystemIs155Bytes) {
    const auto bytes = encodeSystemFile(SystemState{});
    ASSERT_EQ(bytes.size(), 155u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 11), "quintsys002");
    EXPECT_TRUE(std::all_of(bytes.begin() + 11, bytes.end(), [](auto b) { return b == 0; }));
}

TEST(SystemFile, LayoutOfADevelopedSystem) {
    const auto s = tenNumbersDeveloped();
    const auto b = encodeSystemFile(s);
    ASSERT_EQ(b.size(), 155u + 9 + 1260);
    EXPECT_EQ(b[11], 10);               // numbers in play
    EXPECT_EQ(b[12], 2);                // Euro numbers
    EXPECT_EQ(b[13] | b[14] << 8, 252); // column count
    EXPECT_EQ(b[17], 9);                // length of "Integrale"
    EXPECT_EQ(std::string(b.begin() + 19, b.begin() + 28), "Integrale");
    EXPECT_EQ(b[19 + 9], 1);           // first number in play
    EXPECT_EQ(b[69 + 9], 4);           // first Euro number
    EXPECT_EQ(b[155 + 9], 1);          // first column, position 1
    EXPECT_EQ(b.back(), 251 % 50 + 1); // last column, position 5
}

TEST(SystemFile, EuroElevenAndTwelveAreStoredAsTheNumbersTheyAre) {
    auto s = tenNumbersDeveloped();
    s.header.setEuros({12, 11});
    auto b = encodeSystemFile(s);
    EXPECT_EQ(b.size(), encodeSystemFile(tenNumbersDeveloped()).size()); // the same layout
    EXPECT_EQ(b[69 + 9], 11);
    EXPECT_EQ(b[69 + 9 + 1], 12);
    // A file is data: read back whatever rules the program plays by.
    const auto back = decodeSystemFile(b);
    ASSERT_TRUE(back.ok()) << back.error().message;
    EXPECT_EQ(back.value().state.header.euros(), (NumberSet{11, 12}));
    // Beyond any Euro number the game draws, it is refused.
    b[69 + 9 + 1] = 13;
    const auto refused = decodeSystemFile(b);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("Euro numero fuori dall'intervallo 1..12: 13"),
              std::string::npos)
        << refused.error().message;
}

TEST(SystemFile, ConditionsSectionInTheWritersOrder) {
    auto s = withEveryCondition();
    s.filters[1].setOn(false); // switched-off filter columns are not saved
    const auto b = encodeSystemFile(s);
    const std::size_t head = 155 + s.header.systemType.size() + 5 * 252;
    auto i32 = [&](std::size_t at) {
        return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                         b[at + 3] << 24);
    };
    std::size_t at = head;
    EXPECT_EQ(i32(at), 12345);
    EXPECT_EQ(i32(at += 4), 8);
    EXPECT_EQ(b[at += 4], 2);
    EXPECT_EQ(i32(at += 3), 1);
    EXPECT_EQ(i32(at += 4 + 56), 1);
    EXPECT_EQ(i32(at += 4 + 56), 2);
    EXPECT_EQ(i32(at += 4), 0b1110);
    EXPECT_EQ(i32(at += 6), 4);
    EXPECT_EQ(i32(at += 4), 2);
    EXPECT_EQ(i32(at += 4 + 10), 100);
    EXPECT_EQ(i32(at += 4), 200);
    EXPECT_EQ(at + 4, b.size());

    auto loaded = decodeSystemFile(b);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().state.filterCount, 2);
    EXPECT_EQ(loaded.value().state.filters[1], s.filters[2]);
}

TEST(SystemFile, RoundTripKeepsEverything) {
    const auto s = withEveryCondition();
    auto loaded = decodeSystemFile(encodeSystemFile(s));
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    EXPECT_TRUE(loaded.value().warnings.empty());
    expectSameStoredSystem(loaded.value().state, s);
}

TEST(SystemFile, OnlyExcludedColumnsComeBackSwitchedOn) {
    SystemState s;
    s.excluded.setOn(true);
    s.excluded.setColumns(std::vector{Column{5, 4, 3, 2, 1}});
    const auto b = encodeSystemFile(s);
    EXPECT_EQ(b.size(), 155u + 4 + 4 + 4 + 5 + 8);
    const auto loaded = decodeSystemFile(b);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded.value().state.excluded.on());
    EXPECT_EQ(loaded.value().state.excluded.columns()[0], (Column{5, 4, 3, 2, 1}));
}

TEST(SystemFile, BlocksInAnyOrderAndWithoutEndValues) {
    const auto s = withEveryCondition();
    auto b = encodeSystemFile(SystemState{});
    auto put32 = [&](std::int32_t v) {
        for (int k = 0; k < 4; ++k) {
            b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k)));
        }
    };
    put32(12345);
    put32(2); // consecutive before minimum distance
    put32(0b1110);
    b.push_back(0xFF);
    b.push_back(0xFF);
    put32(16); // a second-list filter record is read over
    b.insert(b.end(), 56, 1);
    put32(8);
    b.push_back(2);
    b.push_back(0xFF);
    b.push_back(0xFF);
    // no 100 / 200: the file just ends
    const auto loaded = decodeSystemFile(b);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded.value().warnings.empty());
    const auto& r = loaded.value().state;
    EXPECT_EQ(r.consecutive.runs(), s.consecutive.runs());
    EXPECT_TRUE(r.consecutive.on());
    EXPECT_EQ(r.minimumDistance.minDistance, 2);
    EXPECT_TRUE(r.minimumDistance.on());
    EXPECT_EQ(r.filterCount, 0);
}

TEST(SystemFile, ReadingAndSavingAgainGivesTheSameBytes) {
    for (const auto& s : {SystemState{}, tenNumbersDeveloped(), withEveryCondition()}) {
        const auto bytes = encodeSystemFile(s);
        auto loaded = decodeSystemFile(bytes);
        ASSERT_TRUE(loaded.ok()) << loaded.error().message;
        EXPECT_EQ(encodeSystemFile(loaded.value().state), bytes);
    }
}

// A file may hold a switched-off filter block (another writer, an older save): it takes no
// part in a development, so the system develops the same before and after a save drops it.
TEST(SystemFile, ASwitchedOffFilterColumnIsDroppedOnReading) {
    SystemState s = tenNumbersDeveloped();
    s.columns.clear();
    s.header.systemType.clear();
    for (int i = 0; i < 3; ++i) {
        s.filters[i].setMembers({1, 3 * i + 4});
        s.filters[i].setHits(i == 1 ? CountSet{2} : CountSet{0, 1}); // the middle one wants both
        s.filters[i].setOn(true);
    }
    s.filterCount = 3;
    auto bytes = encodeSystemFile(s);
    // Blocks start after the marker at 155 + 4, 60 bytes each; the flag is a block's last 2.
    const std::size_t middleFlag = 155 + 4 + 60 + 58;
    ASSERT_EQ(bytes[middleFlag], 0xFF);
    bytes[middleFlag] = bytes[middleFlag + 1] = 0;

    auto loaded = decodeSystemFile(bytes);
    ASSERT_TRUE(loaded.ok());
    const SystemState& read = loaded.value().state;
    EXPECT_EQ(read.filterCount, 2);
    EXPECT_EQ(read.filters[0], s.filters[0]);
    EXPECT_EQ(read.filters[1], s.filters[2]);

    auto saved = decodeSystemFile(encodeSystemFile(read));
    ASSERT_TRUE(saved.ok());
    DevelopmentControl control;
    const auto developedRead = develop(read, {}, control).columns;
    DevelopmentControl again;
    const auto developedSaved = develop(saved.value().state, {}, again).columns;
    EXPECT_EQ(developedRead, developedSaved);
    EXPECT_FALSE(developedRead.empty());
}

TEST_F(TempFolder, SavingOverALongerFileLeavesNoTrailingBytes) {
    const auto target = path("sistema.qsy");
    ASSERT_TRUE(saveSystemFile(target, withEveryCondition()).ok());
    ASSERT_TRUE(saveSystemFile(target, SystemState{}).ok());
    EXPECT_EQ(fs::file_size(target), 155u);
    auto loaded = readSystemFile("\"" + target + "\""); // quotes of a command line are removed
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().state.columnCount(), 0);
}

TEST_F(TempFolder, AFailedSaveKeepsThePreviousFile) {
    const auto target = path("sistema.qsy");
    ASSERT_TRUE(saveSystemFile(target, tenNumbersDeveloped()).ok());
    const auto before = readWholeFile(target, 1 << 20).value();
    test::FailingDevice fullDisk(test::FailingDevice::Call::Write, 1, ENOSPC);
    const auto saved = saveSystemFile(target, withEveryCondition(), fullDisk);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find("Errore di scrittura del file " + target),
              std::string::npos)
        << saved.error().message;
    EXPECT_EQ(readWholeFile(target, 1 << 20).value(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}),
              1); // no temporary file left behind
    EXPECT_FALSE(saveSystemFile(path("missing/x.qsy"), SystemState{}).ok());
    EXPECT_FALSE(saveSystemFile("", SystemState{}).ok()); // never a success that wrote nothing
}

TEST_F(TempFolder, AFolderOrAMissingFileIsRefusedWithItsReason) {
    const auto folder = readSystemFile(dir_.string());
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().message.find("cartella"), std::string::npos) << folder.error().message;
    const auto missing = readSystemFile(path("assente.qsy"));
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().message.find("assente.qsy"), std::string::npos);
}
