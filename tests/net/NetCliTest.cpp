#include "cli/CliRunner.h"
#include "net/NetFixture.h"

namespace quintora {
namespace {

class NetCliTest : public NetFixture {
protected:
    CliRun cli(const std::string& command, const std::string& arguments) {
        return runCli(command + " --server " + server->url() + " " + arguments);
    }
};

TEST_F(NetCliTest, VersionCheckPrintsOneWordThenTheRemoteText) {
    content.write("version.txt", "1.3.0\r\n");
    const struct {
        const char* local;
        const char* out;
        int status;
    } cases[] = {{"1.2.15", "newer\n1.3.0\n", 0},
                 {"1.3.0", "none\n1.3.0\n", 0},
                 {"1.3.0.1", "error\n1.3.0\n", 1}};
    for (const auto& c : cases) {
        const auto run = cli("version-check", std::string("--local ") + c.local);
        EXPECT_EQ(run.out, c.out) << c.local;
        EXPECT_EQ(run.status, c.status) << c.local;
    }
    const auto down = runCli("version-check --server " + refusedUrl());
    EXPECT_EQ(down.out, "unreachable\n");
    EXPECT_EQ(down.status, 0);
}

TEST_F(NetCliTest, UpdateArchiveSavesOrLeavesTheFileUntouched) {
    const std::string out = data.write("archivio.dat", "untouched");
    const auto missing = cli("update-archive", "-o " + ::quoted(out));
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_EQ(data.read("archivio.dat"), "untouched");

    content.write("archivio.txt", "1|23/03/2012|5|8|21|37|46|6|8\n");
    const auto done = cli("update-archive", "-o " + ::quoted(out));
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(data.read("archivio.dat").size(), 19u);
}

TEST_F(NetCliTest, UpdateLanguagesAndMatricesPrintEachStoredName) {
    content.write("lingue/lista.txt", "english.txt\n");
    content.write("lingue/english.txt", "[frmMAIN]\n[Strings]\n");
    const auto languages = cli("update-languages", "--dir " + ::quoted(data.path()));
    EXPECT_EQ(languages.status, 0) << languages.err;
    EXPECT_EQ(languages.out, "english.lng\n");

    std::filesystem::copy_file(QUINTORA_SHIPPED_MATRICES "/V8T3M3.DAT",
                               content.file("matrici/V8T3M3.DAT"));
    content.write("matrici/lista.txt", "v8t3m3.dat\n");
    const auto matrices = cli("update-matrices", "--dir " + ::quoted(data.path()));
    EXPECT_EQ(matrices.status, 0) << matrices.err;
    EXPECT_EQ(matrices.out, "V8T3M3.mzor\n");
    EXPECT_EQ(cli("update-matrices", "--dir " + ::quoted(data.file("none"))).status, 1);
}

// The archive update's three cases: the same draws and more is applied; a download that
// changes held draws is refused with the differences on standard error unless
// --accept-changes; a shorter one is refused whatever the option.
TEST_F(NetCliTest, UpdateArchiveAppliesCorrectionsOnlyWhenAccepted) {
    const std::string held = "1|23/03/2012|5|8|21|37|46|6|8\r\n"
                             "2|30/03/2012|5|7|12|19|26|1|5\r\n";
    const std::string out = data.file("archivio.dat");
    const std::string corrected = "1|23/03/2012|5|8|21|37|46|6|8\r\n"
                                  "2|30/03/2012|5|7|12|19|27|1|5\r\n"
                                  "3|06/04/2012|7|8|34|36|38|4|5\r\n";
    const struct {
        const char* name;
        std::string served;
        const char* option;
        int status;
        int draws; // in the file afterwards
        const char* saying;
    } cases[] = {
        {"longer, same draws", held + "3|06/04/2012|7|8|34|36|38|4|5\r\n", "", 0, 3, ""},
        {"changed draws", corrected, "", 1, 2,
         "cambiata:  30/03/2012 | 002 |  05 07 12 19 26  | 01 | 05 ->  30/03/2012 | 002 |  05 "
         "07 12 19 27  | 01 | 05\n"},
        {"changed draws, accepted", corrected, "--accept-changes", 0, 3, "cambiata:"},
        {"shorter", "1|23/03/2012|5|8|21|37|46|6|8\r\n", "--accept-changes", 1, 2,
         "1 estrazioni, meno delle 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(out);
        content.write("archivio.txt", held);
        ASSERT_EQ(cli("update-archive", "-o " + ::quoted(out)).status, 0);
        const std::string before = data.read("archivio.dat");
        content.write("archivio.txt", c.served);
        const auto run = cli("update-archive", std::string(c.option) + " -o " + ::quoted(out));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.saying), std::string::npos) << run.err;
        EXPECT_EQ(data.read("archivio.dat").size(), static_cast<std::size_t>(c.draws) * 19);
        if (c.status != 0) {
            EXPECT_EQ(data.read("archivio.dat"), before);
        }
    }
}

} // namespace
} // namespace quintora
