// The server's matrix list and the matrices installed at first start.
#include "matrix/MatrixList.h"

#include "matrix/MatrixSamples.h"

#include <gtest/gtest.h>

using namespace quintora;

namespace {

std::vector<std::uint8_t> textBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(MatrixList, NamesAreUpperCasedAndHostileOnesLeftOut) {
    const auto names = parseMatrixList("v10t3m3.dat\r\n\r\n  V12T4M4.DAT  "
                                       "\n../etc/passwd\nsub/x.dat\nback\\x.dat\nbad\x01.dat\n..\n"
                                       "last.dat");
    EXPECT_EQ(names, (std::vector<std::string>{"V10T3M3.DAT", "V12T4M4.DAT", "LAST.DAT"}));
}

TEST(MatrixList, StoredUnderTheMatrixExtension) {
    EXPECT_EQ(storedMatrixName("V10T3M3.DAT"), "V10T3M3.mzor");
    EXPECT_EQ(storedMatrixName("READY.MZOR"), "READY.MZOR");
}

TEST(MatrixList, ShippedMatricesInstallOnceAndKeepWhatIsThere) {
    MatrixFolder shipped;
    MatrixFolder empty;
    MatrixFolder target;
    shipped.write("lista.txt", textBytes("V7.DAT\nBROKEN.DAT\nMISSING.DAT\nKEPT.DAT\n"));
    shipped.write("V7.DAT", sevenMatrix());
    auto broken = encodeMatrixFile(sevenMatrix());
    broken[150] ^= 1;
    shipped.write("BROKEN.DAT", broken);
    shipped.write("KEPT.DAT", sevenMatrix());
    target.write("KEPT.mzor", textBytes("a newer download"));

    const auto result = installShippedMatrices({empty.path(), shipped.path()}, target.path());
    EXPECT_EQ(result.installed, (std::vector<std::string>{"V7.mzor"}));
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_EQ(ownLanguageText(result.problems[0]).rfind("BROKEN.DAT: ", 0), 0u);
    EXPECT_EQ(ownLanguageText(result.problems[1]).rfind("MISSING.DAT: ", 0), 0u);
    EXPECT_EQ(target.read("V7.mzor"), encodeMatrixFile(sevenMatrix()));
    EXPECT_EQ(target.read("KEPT.mzor"), textBytes("a newer download"));
    EXPECT_FALSE(std::filesystem::exists(target.file("BROKEN.mzor")));

    const auto again = installShippedMatrices({shipped.path()}, target.path());
    EXPECT_TRUE(again.installed.empty());
}
