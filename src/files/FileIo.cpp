#include "files/FileIo.h"

#include "files/FileKind.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintora {

namespace {

std::string reasonOf(int error) {
    return std::strerror(error);
}

Error notAFile(const std::string& path, mode_t mode) {
    return Error{"", Message{text::CannotOpen, {path, notAFileText(mode)}}};
}

Error tooLarge(const std::string& path, std::uint64_t size, std::size_t maxBytes) {
    return Error{
        "", Message{text::FileTooLarge, {path, std::to_string(size), std::to_string(maxBytes)}}};
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

} // namespace

Message notAFileText(mode_t mode) {
    if (S_ISDIR(mode)) {
        return Message{text::IsAFolder}; // "e' una cartella, non un file"
    }
    if (S_ISFIFO(mode)) {
        return Message{text::IsAFifo};
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return Message{text::IsADevice};
    }
    if (S_ISSOCK(mode)) {
        return Message{text::IsASocket};
    }
    return Message{text::IsASpecialObject}; // a special object
}

Result<std::size_t>
readWholeFileInto(const std::string& path, std::size_t maxBytes,
                  const std::function<std::span<std::uint8_t>(std::size_t)>& room) {
    // Looked at before opening: opening a FIFO without a writer would wait forever.
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) {
        return Error{"", Message{text::CannotOpenFile, {path, reasonOf(errno)}}};
    }
    if (!S_ISREG(before.st_mode)) {
        return notAFile(path, before.st_mode);
    }
    if (static_cast<std::uint64_t>(before.st_size) > maxBytes) {
        return tooLarge(path, static_cast<std::uint64_t>(before.st_size), maxBytes);
    }
    // Non-blocking and looked at again, in case something else took the name meanwhile.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
        return Error{"", Message{text::CannotOpenFile, {path, reasonOf(errno)}}};
    }
    struct stat opened {};
    if (::fstat(file.fd(), &opened) != 0) {
        return Error{"", Message{text::CannotReadFile, {path, reasonOf(errno)}}};
    }
    if (!S_ISREG(opened.st_mode)) {
        return notAFile(path, opened.st_mode);
    }
    // Read to the end: a file that grows while it is read is still held to the limit. One byte
    // more than the size, so the end shows at once.
    std::span<std::uint8_t> bytes =
        room(std::min<std::size_t>(static_cast<std::size_t>(opened.st_size), maxBytes) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) {
                return tooLarge(path, got, maxBytes);
            }
            bytes = room(std::min(maxBytes + 1, got + std::max<std::size_t>(got / 2, 4096)));
        }
        const auto n = ::read(file.fd(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Error{"", Message{text::CannotReadFile, {path, reasonOf(errno)}}};
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) {
        return tooLarge(path, got, maxBytes);
    }
    return got;
}

Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes) {
    std::vector<std::uint8_t> bytes;
    auto got = readWholeFileInto(path, maxBytes, [&bytes](std::size_t size) {
        bytes.resize(size);
        return std::span<std::uint8_t>(bytes);
    });
    if (!got) {
        return got.error();
    }
    bytes.resize(got.value());
    return bytes;
}

Status writeFileAtomically(const std::string& path, const std::string& text) {
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string fileNamePart(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace quintora
