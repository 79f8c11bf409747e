// A server whose length header lies: a body whose end cannot be told is never stored, by the
// CLI's update commands as by the downloader itself.
#include "cli/CliRunner.h"
#include "net/DownloadFile.h"
#include "net/NetFixture.h"
#include "support/HostileServer.h"

#include <chrono>

namespace quintora {
namespace {

using namespace std::chrono_literals;

// Each sends the body's first lines under a length that is not one plain number, or under two
// lengths that disagree.
const char* const LyingModes[] = {"length-word", "length-negative", "length-split", "length-twice",
                                  "length-list"};

std::string shipped(const std::string& name) {
    return ::readText(std::string(QUINTORA_SHIPPED_DATA) + "/" + name);
}

TEST_F(NetFixture, ALyingLengthIsNeverTaken) {
    const std::string body = data.write("body.txt", "first line\r\nsecond line\r\nthird\r\n");
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        data.write("temp/target.txt", "old");
        HostileServer hostile(mode, body);
        const auto got =
            downloadFile(hostile.url() + "x", data.file("temp/target.txt"), {2s, 5s, 1u << 20});
        EXPECT_FALSE(got);
        EXPECT_EQ(data.read("temp/target.txt"), "old");
        EXPECT_EQ(filesIn(temp()), 1u);
    }
}

TEST_F(NetFixture, UpdateArchiveStoresNothingUnderALyingLength) {
    const std::string body = data.write("body.txt", shipped("eurojackpot-draws.txt"));
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        HostileServer hostile(mode, body);
        const std::string out = data.file(std::string(mode) + ".dat");
        const auto run =
            runCli("update-archive --server " + hostile.url() + " -o " + ::quoted(out));
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_FALSE(std::filesystem::exists(out) && std::filesystem::file_size(out) > 0)
            << std::filesystem::file_size(out) / 19 << " draws stored";
    }
}

TEST_F(NetFixture, UpdateLanguagesStoresNothingUnderALyingLength) {
    const std::string served = data.file("served");
    std::filesystem::create_directories(served);
    data.write("served/lista.txt", "italiano.txt\r\n");
    data.write("served/italiano.txt", shipped("italiano.lng"));
    std::filesystem::create_directories(data.file("lang"));
    for (const char* mode : LyingModes) {
        SCOPED_TRACE(mode);
        data.write("lang/italiano.lng", "old");
        HostileServer hostile(mode, served);
        const auto run =
            runCli("update-languages --server " + hostile.url() + " --dir " + data.file("lang"));
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("italiano.txt"), std::string::npos) << run.err;
        EXPECT_EQ(data.read("lang/italiano.lng"), "old");
    }
}

// A list update that stored nothing did nothing: exit 1, whatever the reason. Only a list
// with a file stored succeeds.
TEST_F(NetFixture, AListUpdateThatStoresNothingFails) {
    const std::string served = data.file("served");
    std::filesystem::create_directories(served);
    data.write("served/italiano.txt", shipped("italiano.lng"));
    std::filesystem::create_directories(data.file("lang"));
    const struct {
        const char* mode;
        const char* list;
        int status;
        const char* out;
    } cases[] = {
        {"garbage", "italiano.txt\r\n", 1, ""},               // no file comes whole
        {"whole", "<html><body>no</body></html>\r\n", 1, ""}, // a page, not a list
        {"whole", "", 1, ""},                                 // an empty list
        {"whole", "italiano.txt\r\nnessuno.txt\r\n", 0, "italiano.lng\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.list);
        data.write("served/lista.txt", c.list);
        HostileServer hostile(c.mode, served);
        const auto run =
            runCli("update-languages --server " + hostile.url() + " --dir " + data.file("lang"));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        if (c.status != 0) {
            EXPECT_NE(run.err.find("Nessun file dell'elenco e' stato salvato"), std::string::npos)
                << run.err;
        }
    }
    HostileServer page("whole", data.write("page.txt", "<html><body>no</body></html>\r\n"));
    const auto matrices =
        runCli("update-matrices --server " + page.url() + " --dir " + data.file("lang"));
    EXPECT_EQ(matrices.status, 1) << matrices.err;
}

// Files that never answer hold the command no longer than its deadline.
TEST_F(NetFixture, AListUpdateEndsWithinItsDeadline) {
    const std::string served = data.file("served");
    std::filesystem::create_directories(served);
    std::string list;
    for (int i = 0; i < 20; ++i) {
        list += "lingua" + std::to_string(i) + ".txt\r\n";
    }
    data.write("served/lista.txt", list);
    std::filesystem::create_directories(data.file("lang"));
    HostileServer hostile("hang", served);
    const auto start = std::chrono::steady_clock::now();
    const auto run = runCli("update-languages --deadline 2 --server " + hostile.url() + " --dir " +
                            data.file("lang"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("il tempo del comando e' scaduto"), std::string::npos) << run.err;
    for (const char* wrong : {"0", "3601", "x", "-1"}) {
        EXPECT_EQ(runCli(std::string("update-languages --deadline ") + wrong +
                         " --server http://127.0.0.1:1/ --dir " + data.file("lang"))
                      .status,
                  2)
            << wrong;
    }
}

} // namespace
} // namespace quintora
