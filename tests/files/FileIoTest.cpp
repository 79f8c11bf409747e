// The whole-file reader against odd targets.
#include "files/FileIo.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quintora;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes pattern(std::size_t size, std::uint8_t seed) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) {
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    }
    return b;
}

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "quintora-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void put(const std::string& p, const Bytes& b) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
    static Bytes contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

} // namespace

TEST_F(FileIo, ReadingRefusesWhatIsNotARegularFileBeforeOpeningIt) {
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    const struct {
        std::string path;
        const char* what;
    } cases[] = {
        {path("fifo"), "e' una FIFO, non un file"}, // opening it would wait for a writer
        {dir_.string(), "e' una cartella, non un file"},
        {"/dev/null", "e' un dispositivo, non un file"},
    };
    ::alarm(20); // a reader that blocks fails the test instead of hanging it
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto read = readWholeFile(c.path, 1000);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().message, "Impossibile aprire " + c.path + ": " + c.what);
    }
    ::alarm(0);
}

TEST_F(FileIo, ReadingKeepsTheSizeLimitAndFollowsLinks) {
    put(path("ten"), pattern(10, 5));
    put(path("empty"), {});
    fs::create_symlink("ten", dir_ / "link");
    EXPECT_EQ(readWholeFile(path("ten"), 10).value(), pattern(10, 5));
    EXPECT_EQ(readWholeFile(path("link"), 10).value(), pattern(10, 5));
    EXPECT_TRUE(readWholeFile(path("empty"), 0).value().empty());
    const auto big = readWholeFile(path("ten"), 9);
    ASSERT_FALSE(big.ok());
    EXPECT_EQ(big.error().message,
              "Il file " + path("ten") + " e' troppo grande (10 byte; al massimo 9)");
    const auto missing = readWholeFile(path("assente"), 10);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().message,
              "Impossibile aprire il file " + path("assente") + ": " + std::strerror(ENOENT));
}
