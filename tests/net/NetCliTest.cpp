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

} // namespace
} // namespace quintora
