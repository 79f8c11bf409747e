#include "document/ArchiveDocument.h"

#include "archive/ArchiveFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace quintora;

namespace {

// One archive of one draw on disk, a document that read it, and what its listener heard.
class ArchiveDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quintora-archive-document-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        ASSERT_TRUE(saveArchiveFile(archivePath(), OneDraw));
        ASSERT_TRUE(document_.open(archivePath()));
        document_.addListener([this](ArchiveChanges what) { heard_.push_back(what); });
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::string archivePath() const { return path("quintora.dat"); }
    std::string bytesOf(const std::string& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // A server that answers with `text`, or fails when there is none.
    static Download serverWith(std::optional<std::string> text) {
        return [text](const std::string&, const std::string& target) -> Status {
            if (!text) {
                return Error{"", "connection refused"};
            }
            std::ofstream(target, std::ios::binary) << *text;
            return success();
        };
    }

    static inline const DrawArchive OneDraw{{Draw{9, {2020, 1, 1}, {1, 2, 3, 4, 5}, {1, 2}}}};
    std::filesystem::path dir_;
    ArchiveDocument document_;
    std::vector<ArchiveChanges> heard_;
};

} // namespace

TEST_F(ArchiveDocumentTest, ARefusedFileChangesNothingAndIsNotHeard) {
    std::filesystem::create_directory(path("folder.dat")); // not a file
    EXPECT_FALSE(document_.open(path("folder.dat")));
    EXPECT_FALSE(document_.importText(path("missing.txt"), archivePath()));
    EXPECT_EQ(document_.archive(), OneDraw);
    EXPECT_TRUE(heard_.empty());
}

// The window's update and the CLI's: every ending is heard as an update; only a complete new
// archive replaces the one in memory and on disk.
TEST_F(ArchiveDocumentTest, AnUpdateIsHeardAndReplacesOnlyWhenAllOfItSucceeds) {
    const struct {
        const char* name;
        std::optional<std::string> served;
        int draws; // afterwards; 1 is the archive as it was
    } cases[] = {
        {"download fails", std::nullopt, 1},
        {"a field that does not convert", "1|23/03/2012|5|8|x|37|46|6|8\r\n", 1},
        {"a draw held is missing", "7|08/01/2020|10|20|30|40|50|1|2\r\n", 1},
        {"a draw held is changed", "7|01/01/2020|10|20|30|40|50|1|2\r\n", 1},
        {"two draws", "9|01/01/2020|1|2|3|4|5|1|2\r\n8|08/01/2020|11|21|31|41|49|3|12\r\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(saveArchiveFile(archivePath(), OneDraw));
        ASSERT_TRUE(document_.open(archivePath()));
        const std::string before = bytesOf(archivePath());
        heard_.clear();

        const auto updated = document_.updateFromServer(serverWith(c.served), "http://127.0.0.1/",
                                                        path("temp/download.dat"), archivePath());
        EXPECT_EQ(updated.ok(), c.draws != 1);
        EXPECT_EQ(document_.archive().count(), c.draws);
        ASSERT_EQ(heard_.size(), 1u);
        EXPECT_TRUE(heard_[0].has(ArchiveChange::Update));
        EXPECT_EQ(heard_[0].has(ArchiveChange::Draws), updated.ok());
        if (updated) {
            EXPECT_EQ(readArchiveFile(archivePath()).value(), document_.archive());
        } else {
            EXPECT_EQ(document_.archive(), OneDraw);
            EXPECT_EQ(bytesOf(archivePath()), before);
        }
        EXPECT_FALSE(std::filesystem::exists(path("temp/download.dat")));
    }
}

// A stray byte or a record out of range no longer costs the whole archive: what is whole and
// valid is opened, and the caller hears how much was left out.
TEST_F(ArchiveDocumentTest, OpeningSkipsDamagedRecordsAndSaysHowMany) {
    std::ofstream(path("damaged.dat"), std::ios::binary)
        << bytesOf(archivePath())
        << std::string("\x05\x00"
                       "02/02/2020"
                       "\x01\x02\x03\x04\x33\x01\x02",
                       19)
        << 'x';
    const auto opened = document_.open(path("damaged.dat"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.value().count(), 2);
    EXPECT_EQ(document_.archive(), OneDraw);
    ASSERT_EQ(heard_.size(), 1u);
}

TEST_F(ArchiveDocumentTest, TheWinningCombinationIsHeardEachTimeItIsSet) {
    const WinningCombination combination{{1, 2, 3, 4, 6}, {3, 8}};
    document_.setWinningCombination(combination);
    document_.setWinningCombination(combination); // the same again: heard again
    EXPECT_EQ(document_.winningCombination(), combination);
    ASSERT_EQ(heard_.size(), 2u);
    EXPECT_TRUE(heard_[1].has(ArchiveChange::Winning));
    EXPECT_FALSE(heard_[1].has(ArchiveChange::Draws));
}
