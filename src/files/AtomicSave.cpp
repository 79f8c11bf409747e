// The atomic saver: a temporary file in the target's folder, flushed, renamed over the target.
#include "files/FileIo.h"
#include "files/FileKind.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace quintora {

namespace {

// Temporaries are hidden files named with our prefix, the process id of their owner, a dash
// and six letters or digits: ".quintora-1234-Ab3xYz". Older runs named them without the owner.
constexpr std::string_view TemporaryPrefix = ".quintora-";
constexpr std::size_t TemporaryLetters = 6;
constexpr std::size_t MaxPidDigits = 10;
// No save takes this long: a temporary of ours this old was left by a save that was killed.
constexpr std::time_t StaleTemporarySeconds = 60 * 60;
constexpr int MaxSymlinkHops = 40;

std::string reasonOf(int error) {
    return std::strerror(error);
}

Error writeError(const std::string& path, int error) {
    return Error{"", Message{text::WriteError, {path, reasonOf(error)}}};
}

Error folderError(const std::string& path, int error) {
    return Error{"", Message{text::CannotWriteInFolder, {path, reasonOf(error)}}};
}

Error saveError(const std::string& path, int error) {
    return Error{"", Message{text::CannotSaveFile, {path, reasonOf(error)}}};
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a save really goes: the file at the end of any symlinks.
struct SaveTarget {
    std::string folder;
    std::string name;
    bool exists = false;
    struct stat status {};
};

Result<std::string> linkTarget(const std::string& link) {
    std::string buffer(PATH_MAX, '\0');
    const auto n = ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (n < 0) {
        return Error{"", reasonOf(errno)};
    }
    buffer.resize(static_cast<std::size_t>(n));
    return buffer.starts_with('/') ? buffer : folderOf(link) + "/" + buffer;
}

Result<SaveTarget> resolveTarget(const std::string& path) {
    if (path.empty()) {
        return Error{"", Message{text::SaveFileNameMissing}};
    }
    std::string current = path;
    for (int hops = 0;; ++hops) {
        SaveTarget t;
        if (::lstat(current.c_str(), &t.status) != 0) {
            if (errno != ENOENT) {
                return saveError(path, errno);
            }
            t.folder = folderOf(current);
            t.name = nameOf(current);
            if (t.name.empty()) {
                return Error{"", Message{text::SaveNameMissing, {path}}};
            }
            return t;
        }
        if (S_ISLNK(t.status.st_mode)) {
            if (hops == MaxSymlinkHops) {
                return saveError(path, ELOOP);
            }
            auto next = linkTarget(current);
            if (!next) {
                return Error{"", Message{text::CannotSaveFile, {path, next.error().what}}};
            }
            current = std::move(next.value());
            continue;
        }
        if (!S_ISREG(t.status.st_mode)) {
            return Error{"", Message{text::CannotSave, {path, notAFileText(t.status.st_mode)}}};
        }
        // Replacing by a rename would ignore the file's own protection: refuse as a write would.
        if (::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0 &&
            (errno == EACCES || errno == EPERM)) {
            return Error{"", Message{text::FileIsReadOnly, {path}}};
        }
        t.folder = folderOf(current);
        t.name = nameOf(current);
        t.exists = true;
        return t;
    }
}

bool isLettersOrDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// What a name says of a temporary of ours.
struct TemporaryName {
    bool ours = false;
    pid_t owner = 0; // 0: a name without its owner, from an older run
};

TemporaryName readTemporaryName(std::string_view name) {
    if (!name.starts_with(TemporaryPrefix)) {
        return {};
    }
    name.remove_prefix(TemporaryPrefix.size());
    if (name.size() == TemporaryLetters) {
        return {isLettersOrDigits(name), 0};
    }
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > MaxPidDigits ||
        name.size() != dash + 1 + TemporaryLetters || !isLettersOrDigits(name.substr(dash + 1))) {
        return {};
    }
    long long pid = 0;
    for (const char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return {};
        }
        pid = pid * 10 + (c - '0');
    }
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) {
        return {};
    }
    return {true, static_cast<pid_t>(pid)};
}

std::string newTemporaryName() {
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string name = std::string(TemporaryPrefix) + std::to_string(::getpid()) + "-";
    for (std::size_t i = 0; i < TemporaryLetters; ++i) {
        name += Letters[random() % (sizeof Letters - 1)];
    }
    return name;
}

// Whether a temporary was left by a save that can no longer finish: its owner process is
// gone, or (a name without its owner, or an owner's id taken again) it is an hour old.
bool isLeftBehind(const TemporaryName& name, const struct stat& st, std::time_t now) {
    if (now - st.st_mtime > StaleTemporarySeconds) {
        return true;
    }
    return name.owner != 0 && name.owner != ::getpid() && ::kill(name.owner, 0) != 0 &&
           errno == ESRCH;
}

// Removes the temporaries of ours (by name and owner) that a killed save left in a folder.
void removeStaleTemporaries(int folder) {
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) {
        return;
    }
    DIR* dir = ::fdopendir(copy);
    if (dir == nullptr) {
        ::close(copy);
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const TemporaryName name = readTemporaryName(entry->d_name);
        if (!name.ours) {
            continue;
        }
        struct stat st {};
        if (::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && isLeftBehind(name, st, now)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A folder opened for the save; it is only read, so closing it cannot lose data.
class Folder {
public:
    explicit Folder(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

// The temporary file of one save. Until it has replaced the target, destroying it closes
// it and removes its name, so a failed save leaves nothing behind.
class Temporary {
public:
    Temporary(SaveDevice& device, int folder)
        : device_(device)
        , folder_(folder) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() { discard(); }

    int fd() const { return fd_; }
    bool isUnnamed() const { return fd_ >= 0 && name_.empty(); }

    // 0, or an errno value; ours is 0666 less the umask, as any new file.
    int openUnnamed() {
        fd_ = ::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        return fd_ >= 0 ? 0 : errno;
    }
    int openNamed() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = newTemporaryName();
            fd_ = ::openat(folder_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                name_ = std::move(name);
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }
    // Links a complete unnamed temporary into the folder under a temporary name.
    int giveName() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = newTemporaryName();
            int result = ::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW);
            if (result != 0 && errno == ENOENT) { // no /proc: allowed to a privileged user only
                result = ::linkat(fd_, "", folder_, name.c_str(), AT_EMPTY_PATH);
            }
            if (result == 0) {
                name_ = std::move(name);
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }
    int close() {
        const int result = device_.close(fd_);
        fd_ = -1;
        return result;
    }
    int replace(const std::string& target) {
        if (::renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) {
            return errno;
        }
        name_.clear();
        return 0;
    }
    void discard() {
        if (fd_ >= 0) {
            device_.close(fd_);
            fd_ = -1;
        }
        if (!name_.empty()) {
            ::unlinkat(folder_, name_.c_str(), 0);
            name_.clear();
        }
    }

private:
    SaveDevice& device_;
    int folder_;
    int fd_ = -1;
    std::string name_; // empty while unnamed
};

bool noUnnamedTemporaries(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

// The old file's owner (where the user may give a file away) and mode, set on the temporary
// before any byte is written to it.
int keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Only a privileged user may give a file away: for others the new one is theirs.
        }
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

int writeAll(SaveDevice& device, int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto written = device.write(fd, bytes.subspan(done));
        if (written.error != 0) {
            return written.error;
        }
        // A device that writes nothing, or claims more than it was given, is broken.
        if (written.bytes == 0 || written.bytes > bytes.size() - done) {
            return EIO;
        }
        done += written.bytes;
    }
    return 0;
}

enum class Attempt { Done, TryNamed };

// One save through one kind of temporary. TryNamed: an unnamed temporary cannot be had or
// linked here, and nothing was changed.
Result<Attempt> saveThrough(Temporary& temp, bool unnamed, const SaveTarget& target,
                            const std::string& path, std::span<const std::uint8_t> bytes,
                            SaveDevice& device, int folder) {
    if (unnamed) {
        if (const int e = temp.openUnnamed(); e != 0) {
            if (noUnnamedTemporaries(e)) {
                return Attempt::TryNamed;
            }
            return folderError(path, e);
        }
    } else if (const int e = temp.openNamed(); e != 0) {
        return folderError(path, e);
    }
    if (target.exists) {
        if (const int e = keepOwnerAndMode(temp.fd(), target.status); e != 0) {
            return saveError(path, e);
        }
    }
    if (const int e = writeAll(device, temp.fd(), bytes); e != 0) {
        return writeError(path, e);
    }
    if (const int e = device.sync(temp.fd()); e != 0) {
        return writeError(path, e);
    }
    if (temp.isUnnamed() && temp.giveName() != 0) {
        temp.discard();
        return Attempt::TryNamed;
    }
    if (const int e = temp.close(); e != 0) {
        return writeError(path, e);
    }
    if (const int e = temp.replace(target.name); e != 0) {
        return saveError(path, e);
    }
    // The rename is on the disk only once the folder is; a folder that cannot be synced
    // (EINVAL) is left as it is.
    if (const int e = device.sync(folder); e != 0 && e != EINVAL) {
        return writeError(path, e);
    }
    return Attempt::Done;
}

} // namespace

SaveDevice::Written PosixSaveDevice::write(int fd, std::span<const std::uint8_t> bytes) {
    for (;;) {
        const auto n = ::write(fd, bytes.data(), bytes.size());
        if (n >= 0) {
            return {static_cast<std::size_t>(n), 0};
        }
        if (errno != EINTR) {
            return {0, errno};
        }
    }
}

int PosixSaveDevice::sync(int fd) {
    for (;;) {
        if (::fsync(fd) == 0) {
            return 0;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

int PosixSaveDevice::close(int fd) {
    // Not repeated on EINTR: the descriptor is released either way.
    return ::close(fd) == 0 ? 0 : errno;
}

Status checkSaveTarget(const std::string& path) {
    auto target = resolveTarget(path);
    if (!target) {
        return target.error();
    }
    struct stat folder {};
    if (::stat(target.value().folder.c_str(), &folder) != 0) {
        return folderError(path, errno);
    }
    if (!S_ISDIR(folder.st_mode)) {
        return folderError(path, ENOTDIR);
    }
    return success();
}

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    PosixSaveDevice device;
    return writeFileAtomically(path, bytes, device);
}

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           SaveDevice& device) {
    auto resolved = resolveTarget(path);
    if (!resolved) {
        return resolved.error();
    }
    const SaveTarget& target = resolved.value();
    const Folder folder(target.folder);
    if (folder.fd() < 0) {
        return folderError(path, errno);
    }
    removeStaleTemporaries(folder.fd());
    for (bool unnamed : {true, false}) {
        if (unnamed && !device.unnamedTemporaries()) {
            continue;
        }
        Temporary temp(device, folder.fd());
        auto attempt = saveThrough(temp, unnamed, target, path, bytes, device, folder.fd());
        if (!attempt) {
            return attempt.error();
        }
        if (attempt.value() == Attempt::Done) {
            return success();
        }
    }
    return folderError(path, EOPNOTSUPP); // not reached: a named temporary never asks for more
}

AtomicFileWriter::AtomicFileWriter(std::unique_ptr<SaveDevice> ownDevice, SaveDevice& device)
    : ownDevice_(std::move(ownDevice))
    , device_(device) {}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

Result<std::unique_ptr<AtomicFileWriter>> AtomicFileWriter::open(const std::string& path) {
    auto device = std::make_unique<PosixSaveDevice>();
    SaveDevice& calls = *device;
    return openWith(path, std::move(device), calls);
}

Result<std::unique_ptr<AtomicFileWriter>> AtomicFileWriter::open(const std::string& path,
                                                                 SaveDevice& device) {
    return openWith(path, nullptr, device);
}

Result<std::unique_ptr<AtomicFileWriter>>
AtomicFileWriter::openWith(const std::string& path, std::unique_ptr<SaveDevice> ownDevice,
                           SaveDevice& device) {
    auto resolved = resolveTarget(path);
    if (!resolved) {
        return resolved.error();
    }
    const SaveTarget& target = resolved.value();
    std::unique_ptr<AtomicFileWriter> writer(new AtomicFileWriter(std::move(ownDevice), device));
    writer->path_ = path;
    writer->name_ = target.name;
    writer->folder_ = ::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (writer->folder_ < 0) {
        return folderError(path, errno);
    }
    removeStaleTemporaries(writer->folder_);
    // The bytes come in pieces, so the temporary is named from the start: an unnamed one
    // that cannot be linked at the end could not be written again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = newTemporaryName();
        writer->fd_ =
            ::openat(writer->folder_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (writer->fd_ >= 0) {
            writer->temporary_ = std::move(name);
            break;
        }
        if (errno != EEXIST) {
            return folderError(path, errno);
        }
    }
    if (writer->fd_ < 0) {
        return folderError(path, EEXIST);
    }
    if (target.exists) {
        if (const int e = keepOwnerAndMode(writer->fd_, target.status); e != 0) {
            return saveError(path, e);
        }
    }
    return writer;
}

Status AtomicFileWriter::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) {
        return writeError(path_, EBADF);
    }
    if (const int e = writeAll(device_, fd_, bytes); e != 0) {
        discard();
        return writeError(path_, e);
    }
    return success();
}

Status AtomicFileWriter::commit() {
    if (fd_ < 0) {
        return writeError(path_, EBADF);
    }
    if (const int e = device_.sync(fd_); e != 0) {
        discard();
        return writeError(path_, e);
    }
    const int closed = device_.close(fd_);
    fd_ = -1;
    if (closed != 0) {
        discard();
        return writeError(path_, closed);
    }
    if (::renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0) {
        const int e = errno;
        discard();
        return saveError(path_, e);
    }
    temporary_.clear();
    if (const int e = device_.sync(folder_); e != 0 && e != EINVAL) {
        discard();
        return writeError(path_, e);
    }
    discard();
    return success();
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) {
        device_.close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlinkat(folder_, temporary_.c_str(), 0);
        temporary_.clear();
    }
    if (folder_ >= 0) {
        ::close(folder_);
        folder_ = -1;
    }
}

} // namespace quintora
