// The atomic saver and the whole-file reader against faults and odd targets.
#include "files/FileIo.h"

#include "files/FailingDevice.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quintora;
using quintora::test::FailingDevice;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Call = FailingDevice::Call;

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
    // Every name in a folder, hidden ones included.
    static std::set<std::string> names(const fs::path& folder) {
        std::set<std::string> found;
        for (const auto& e : fs::directory_iterator(folder)) {
            found.insert(e.path().filename().string());
        }
        return found;
    }
    static mode_t modeOf(const std::string& p) {
        struct stat st {};
        EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
        return st.st_mode;
    }
    static void makeOld(const std::string& p) {
        const timespec twoHoursAgo{::time(nullptr) - 2 * 60 * 60, 0};
        const timespec times[2] = {twoHoursAgo, twoHoursAgo};
        ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << p;
    }
    // Whether this folder's file system has unnamed temporary files.
    bool hasUnnamedTemporaries() const {
        const int fd = ::open(dir_.c_str(), O_TMPFILE | O_WRONLY, 0600);
        if (fd < 0) {
            return false;
        }
        ::close(fd);
        return true;
    }

    fs::path dir_;
};

constexpr bool TemporaryKinds[] = {true, false}; // unnamed, then named

} // namespace

TEST_F(FileIo, EachFailingCallKeepsThePreviousFileAndLeavesNothing) {
    struct Fault {
        const char* name;
        Call call;
        int nth;
        int error;
        std::size_t piece;
        bool replaced; // the failure came after the rename
    };
    const std::size_t whole = std::numeric_limits<std::size_t>::max();
    const Fault faults[] = {
        {"disk full on the first write", Call::Write, 1, ENOSPC, whole, false},
        {"a later write after short ones", Call::Write, 3, EIO, 100, false},
        {"a write that writes nothing", Call::Write, 1, 0, whole, false},
        {"the file's sync", Call::Sync, 1, EIO, whole, false},
        {"the file's close", Call::Close, 1, EDQUOT, whole, false},
        {"the folder's sync", Call::Sync, 2, EIO, whole, true},
    };
    const auto target = path("sistema.qsy");
    const Bytes before = pattern(1000, 1);
    const Bytes after = pattern(5000, 2);
    for (const bool unnamed : TemporaryKinds) {
        for (const auto& f : faults) {
            SCOPED_TRACE(std::string(f.name) + (unnamed ? " (unnamed)" : " (named)"));
            put(target, before);
            FailingDevice device(f.call, f.nth, f.error, f.piece, unnamed);
            const auto saved = writeFileAtomically(target, after, device);
            ASSERT_FALSE(saved.ok());
            EXPECT_EQ(saved.error().message, "Errore di scrittura del file " + target + ": " +
                                                 std::strerror(f.error != 0 ? f.error : EIO));
            EXPECT_EQ(contents(target), f.replaced ? after : before);
            EXPECT_EQ(names(dir_), std::set<std::string>{"sistema.qsy"});
        }
    }
}

// A file written in pieces (a PDF page by page) replaces the target only on its commit; a
// failure on the way, or a writer dropped before its commit, leaves the old file and nothing else.
TEST_F(FileIo, AFileWrittenInPiecesReplacesTheTargetOnlyWhenCommitted) {
    const auto target = path("stampa.pdf");
    const Bytes before = pattern(1000, 1);
    const Bytes piece = pattern(3000, 2);
    Bytes whole = piece;
    whole.insert(whole.end(), piece.begin(), piece.end());

    put(target, before);
    {
        auto file = AtomicFileWriter::open(target);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE(file.value()->write(piece).ok());
        EXPECT_EQ(contents(target), before); // nothing shows before the commit
        ASSERT_TRUE(file.value()->write(piece).ok());
        ASSERT_TRUE(file.value()->commit().ok());
    }
    EXPECT_EQ(contents(target), whole);
    EXPECT_EQ(names(dir_), std::set<std::string>{"stampa.pdf"});

    put(target, before);
    {
        auto dropped = AtomicFileWriter::open(target);
        ASSERT_TRUE(dropped.ok());
        ASSERT_TRUE(dropped.value()->write(piece).ok());
    }
    EXPECT_EQ(contents(target), before);
    EXPECT_EQ(names(dir_), std::set<std::string>{"stampa.pdf"});

    struct Fault {
        const char* name;
        Call call;
        int nth;
        bool replaced;
    };
    const Fault faults[] = {
        {"the second piece", Call::Write, 2, false},
        {"the file's sync", Call::Sync, 1, false},
        {"the file's close", Call::Close, 1, false},
        {"the folder's sync", Call::Sync, 2, true},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.name);
        put(target, before);
        FailingDevice device(f.call, f.nth, ENOSPC);
        auto file = AtomicFileWriter::open(target, device);
        ASSERT_TRUE(file.ok());
        Status written = file.value()->write(piece);
        if (written.ok()) {
            written = file.value()->write(piece);
        }
        const Status done = written.ok() ? file.value()->commit() : written;
        ASSERT_FALSE(done.ok());
        EXPECT_EQ(done.error().message,
                  "Errore di scrittura del file " + target + ": " + std::strerror(ENOSPC));
        file.value().reset();
        EXPECT_EQ(contents(target), f.replaced ? whole : before);
        EXPECT_EQ(names(dir_), std::set<std::string>{"stampa.pdf"});
    }
}

TEST_F(FileIo, ShortWritesStillSaveEveryByteAndTheFileIsSynced) {
    const Bytes bytes = pattern(1000, 3);
    for (const bool unnamed : TemporaryKinds) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        FailingDevice device(Call::None, 0, EIO, 7, unnamed);
        ASSERT_TRUE(writeFileAtomically(path("a.txt"), bytes, device).ok());
        EXPECT_EQ(contents(path("a.txt")), bytes);
        EXPECT_EQ(device.writes(), (1000 + 6) / 7);
        EXPECT_EQ(device.syncs(), 2); // the file, then its folder
        EXPECT_EQ(names(dir_), std::set<std::string>{"a.txt"});
    }
}

TEST_F(FileIo, AnExistingFileKeepsItsModeANewOneFollowsTheUmask) {
    for (const mode_t mode : {0600, 0640, 0755, 0604}) {
        SCOPED_TRACE(mode);
        const auto p = path("m.qsy");
        put(p, pattern(10, 4));
        ASSERT_EQ(::chmod(p.c_str(), mode), 0);
        ASSERT_TRUE(writeFileAtomically(p, pattern(20, 5)).ok());
        EXPECT_EQ(modeOf(p) & 07777, mode);
        EXPECT_EQ(contents(p), pattern(20, 5));
    }
    const mode_t old = ::umask(027);
    const auto saved = writeFileAtomically(path("new.qsy"), pattern(3, 6));
    ::umask(old);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(modeOf(path("new.qsy")) & 07777, 0640u);
}

TEST_F(FileIo, AReadOnlyFileIsRefusedAsAWriteWouldBe) {
    const auto p = path("ro.qsy");
    put(p, pattern(10, 7));
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    const auto saved = writeFileAtomically(p, pattern(20, 8));
    if (::access(p.c_str(), W_OK) == 0) { // a privileged user may write it: the mode stays
        ASSERT_TRUE(saved.ok()) << saved.error().message;
        EXPECT_EQ(contents(p), pattern(20, 8));
    } else {
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.error().message,
                  "Impossibile salvare il file " + p + ": il file e' di sola lettura");
        EXPECT_EQ(contents(p), pattern(10, 7));
    }
    EXPECT_EQ(modeOf(p) & 07777, 0444u);
}

TEST_F(FileIo, ASymlinkIsSavedThroughAndStaysALink) {
    fs::create_directory(dir_ / "sub");
    put(path("real.qsy"), pattern(10, 9));
    put(path("sub/far.qsy"), pattern(10, 9));
    fs::create_symlink("real.qsy", dir_ / "near.qsy");              // relative, same folder
    fs::create_symlink(dir_ / "sub" / "far.qsy", dir_ / "far.qsy"); // absolute, other folder
    fs::create_symlink("near.qsy", dir_ / "chain.qsy");             // a link to a link
    fs::create_symlink("sub/new.qsy", dir_ / "dangling.qsy");       // names a file to come
    const struct {
        const char* link;
        const char* file;
    } cases[] = {{"near.qsy", "real.qsy"},
                 {"far.qsy", "sub/far.qsy"},
                 {"chain.qsy", "real.qsy"},
                 {"dangling.qsy", "sub/new.qsy"}};
    std::uint8_t seed = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        const Bytes bytes = pattern(30, ++seed);
        ASSERT_TRUE(writeFileAtomically(path(c.link), bytes).ok());
        EXPECT_TRUE(fs::is_symlink(dir_ / c.link));
        EXPECT_EQ(contents(path(c.file)), bytes);
        EXPECT_FALSE(fs::is_symlink(dir_ / c.file));
    }
    EXPECT_EQ(names(dir_), (std::set<std::string>{"chain.qsy", "dangling.qsy", "far.qsy",
                                                  "near.qsy", "real.qsy", "sub"}));
    EXPECT_EQ(names(dir_ / "sub"), (std::set<std::string>{"far.qsy", "new.qsy"}));

    fs::create_symlink("loop.qsy", dir_ / "loop.qsy");
    EXPECT_FALSE(writeFileAtomically(path("loop.qsy"), pattern(1, 1)).ok());
}

TEST_F(FileIo, WhatIsNotARegularFileIsNeverReplaced) {
    fs::create_directory(dir_ / "folder");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    // A device node of our own where allowed (root); else a link to one the user cannot replace.
    if (::mknod(path("device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        fs::create_symlink("/dev/null", dir_ / "device");
    }
    const struct {
        const char* name;
        const char* what;
        bool (*stillThere)(const fs::path&);
    } cases[] = {
        {"folder", "e' una cartella, non un file",
         [](const fs::path& p) {
             return fs::is_directory(p);
         }},
        {"fifo", "e' una FIFO, non un file",
         [](const fs::path& p) {
             return fs::is_fifo(p);
         }},
        {"device", "e' un dispositivo, non un file",
         [](const fs::path& p) {
             return fs::is_character_file(p);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = path(c.name);
        const auto expected = "Impossibile salvare " + p + ": " + c.what;
        const auto saved = writeFileAtomically(p, pattern(5, 1));
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.error().message, expected);
        const auto checked = checkSaveTarget(p);
        ASSERT_FALSE(checked.ok());
        EXPECT_EQ(checked.error().message, expected);
        EXPECT_TRUE(c.stillThere(p));
    }
    EXPECT_EQ(names(dir_), (std::set<std::string>{"device", "fifo", "folder"}));
}

TEST_F(FileIo, AnEmptyOrUnusablePathIsAnError) {
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {"", "Impossibile salvare: manca il nome del file"},
        {path("nuova/"), "Impossibile salvare " + path("nuova/") + ": manca il nome del file"},
        {path("assente/x.qsy"), "Impossibile scrivere nella cartella di " + path("assente/x.qsy") +
                                    ": " + std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto saved = writeFileAtomically(c.path, pattern(5, 1));
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.error().message, c.message);
        const auto checked = checkSaveTarget(c.path);
        ASSERT_FALSE(checked.ok());
        EXPECT_EQ(checked.error().message, c.message);
    }
    EXPECT_TRUE(names(dir_).empty());
    EXPECT_TRUE(checkSaveTarget(path("nuovo.qsy")).ok());
    EXPECT_FALSE(fs::exists(path("nuovo.qsy")));
}

// The id of a process that has ended: a child that exits at once, waited for.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// A temporary of ours is removed by the next save once its owner process is gone, at once; one
// whose name has no owner (an older run's) once it is an hour old; nothing else is touched.
TEST_F(FileIo, TemporariesLeftBehindAreRemovedOthersStay) {
    const std::string ended = std::to_string(endedProcess());
    const std::string alive = std::to_string(::getpid());
    const struct {
        std::string name;
        bool old;
        bool removed;
    } cases[] = {
        {".quintora-" + ended + "-Ab12cd", false, true}, // its owner is gone
        {".quintora-" + ended + "-Ab12ce", true, true},
        {".quintora-" + alive + "-Ab12cd", false, false}, // a save of this process still runs
        {".quintora-" + alive + "-Ab12ce", true, true},   // none runs for an hour
        {".quintora-1-Ab12cd", false, false},             // init runs
        {".quintora-Ab12cd", true, true},                 // an older run's name: after an hour
        {".quintora-fresh1", false, false},
        {".quintora-" + ended + "-Ab12c", false, false}, // not names of ours
        {".quintora-" + ended + "x-Ab12cd", false, false},
        {".quintora--Ab12cd", false, false},
        {".quintora-0-Ab12cd", false, false},
        {".quintora-99999999999-Ab12cd", false, false},
        {".quintora-old", true, false},
        {"x.qsy", true, false},
    };
    std::set<std::string> staying{"s.qsy", ".quintora-" + ended + "-Folder"};
    fs::create_directory(path(".quintora-" + ended + "-Folder")); // not a file: never removed
    for (const auto& c : cases) {
        put(path(c.name), pattern(4, 1));
        if (c.old) {
            makeOld(path(c.name));
        }
        if (!c.removed) {
            staying.insert(c.name);
        }
    }
    ASSERT_TRUE(writeFileAtomically(path("s.qsy"), pattern(4, 2)).ok());
    EXPECT_EQ(names(dir_), staying);
}

TEST_F(FileIo, AKilledSaveLeavesThePreviousFileAndNothingThatStays) {
    // Writes a first part, then the process is killed, as by a power cut or kill -9.
    class KilledDevice : public PosixSaveDevice {
    public:
        explicit KilledDevice(bool unnamed)
            : unnamed_(unnamed) {}
        Written write(int fd, std::span<const std::uint8_t> bytes) override {
            (void)PosixSaveDevice::write(fd, bytes.first(bytes.size() / 2));
            ::raise(SIGKILL);
            return {0, EIO};
        }
        bool unnamedTemporaries() const override { return unnamed_; }

    private:
        bool unnamed_;
    };
    const auto target = path("s.qsy");
    for (const bool unnamed : TemporaryKinds) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        put(target, pattern(100, 1));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            KilledDevice device(unnamed);
            (void)writeFileAtomically(target, pattern(4000, 2), device);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(contents(target), pattern(100, 1));
        auto left = names(dir_);
        if (unnamed && hasUnnamedTemporaries()) {
            EXPECT_EQ(left, std::set<std::string>{"s.qsy"}); // the temporary never had a name
        }
        // Whatever a killed save left is removed by the next save, at once.
        ASSERT_TRUE(writeFileAtomically(target, pattern(10, 3)).ok());
        EXPECT_EQ(names(dir_), std::set<std::string>{"s.qsy"});
    }
}

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
