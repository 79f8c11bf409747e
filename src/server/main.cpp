// quintora-server: serves the program's server paths from a content folder, so that the
// update, the version check and the downloads work without the maker's host.
#include "files/FileKind.h"
#include "server/ByteRange.h"
#include "server/GuardedServer.h"
#include "server/ServerRoutes.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bytes read from a served file at a time.
constexpr std::size_t ServedPiece = 64 * 1024;
constexpr const char* Usage = "Usage: quintora-server [--root DIR] [--port N] [--bind ADDR]\n";

bool inside(const fs::path& file, const fs::path& root) {
    auto f = file.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++f) {
        if (f == file.end() || *f != *r) {
            return false;
        }
    }
    return true;
}

// A server started from its build tree serves that build's content; an installed one serves
// the content installed beside it, whatever build trees the machine holds and wherever the
// package put it.
std::string defaultRoot() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return QUINTORA_SERVER_ROOT_INSTALLED;
    }
    if (inside(self, QUINTORA_BUILD_TREE)) {
        return QUINTORA_SERVER_ROOT_BUILD;
    }
    const fs::path beside = (self.parent_path() / QUINTORA_SERVER_ROOT_FROM_BIN).lexically_normal();
    return fs::is_directory(beside, ec) ? beside.string() : QUINTORA_SERVER_ROOT_INSTALLED;
}

const char* contentType(const std::string& relative) {
    const bool text = relative.size() > 4 && relative.compare(relative.size() - 4, 4, ".txt") == 0;
    return text ? "text/plain; charset=windows-1252" : "application/octet-stream";
}

// An open file, closed when the last answer that sends it is gone.
class OpenFile {
public:
    explicit OpenFile(int fd)
        : fd_(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { ::close(fd_); }
    int fd() const { return fd_; }

private:
    int fd_;
};

// Each connection costs a descriptor: a crowd of clients should meet the hard limit, not
// the far lower soft one.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// Sends `file` from the disk piece by piece, so that no client costs the server a whole file;
// the one range the request may ask for (checked as it came in), or the whole file.
// Messages name the file relative to the content folder: the server's own paths stay private.
void sendFile(const std::string& file, const std::string& relative, const httplib::Request& request,
              httplib::Response& response) {
    const auto fail = [&](const std::string& why) {
        response.status = 500;
        response.set_content("Impossibile aprire " + relative + ": " + why + "\n", "text/plain");
    };
    // Non-blocking: opening a FIFO without a writer would wait forever. No link is followed:
    // the name was checked to lie in the content folder with its links resolved.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) {
        fail(std::strerror(errno));
        return;
    }
    const auto opened = std::make_shared<OpenFile>(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        fail(std::strerror(errno));
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        fail(quintora::ownLanguageText(quintora::notAFileText(status.st_mode)));
        return;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    quintora::ByteRange::Slice slice{0, size};
    if (request.has_header("Range")) {
        const auto range = quintora::ByteRange::parse(request.get_header_value("Range"));
        const auto within = range ? range->within(size) : std::nullopt;
        if (!within) {
            response.status = 416;
            response.set_header("Content-Range", "bytes */" + std::to_string(size));
            return;
        }
        slice = *within;
        response.status = 206;
        response.set_header("Content-Range", "bytes " + std::to_string(slice.offset) + "-" +
                                                 std::to_string(slice.offset + slice.length - 1) +
                                                 "/" + std::to_string(size));
    }
    // The length is the size at opening; a file cut meanwhile ends the answer short, which
    // the client sees against that length.
    response.set_content_provider(
        static_cast<std::size_t>(slice.length), contentType(relative),
        [opened, start = slice.offset](std::size_t offset, std::size_t length,
                                       httplib::DataSink& sink) {
            char piece[ServedPiece];
            const ssize_t n = ::pread(opened->fd(), piece, std::min(length, sizeof piece),
                                      static_cast<off_t>(start + offset));
            return n > 0 && sink.write(piece, static_cast<std::size_t>(n));
        });
}

void answer(const fs::path& root, const httplib::Request& request, httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
    // How scripts tell this server from another one on the same port.
    response.set_header("Server", "quintora-server/" QUINTORA_VERSION);
    const auto relative = quintora::contentFileFor(request.target);
    std::error_code ec;
    const fs::path file = relative ? fs::weakly_canonical(root / *relative, ec) : fs::path();
    if (!relative || ec || !inside(file, root) || !fs::exists(file, ec)) {
        response.status = 404;
        response.set_content("Non trovato\n", "text/plain");
        return;
    }
    // Opened at every request, so new content is served at once.
    sendFile(file.string(), *relative, request, response);
}

} // namespace

int main(int argc, char** argv) {
    std::string root = defaultRoot();
    std::string bind = "127.0.0.1";
    int port = 8642;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << Usage;
            return 0;
        }
        if (a == "--version") {
            std::cout << "quintora-server " << QUINTORA_VERSION << "\n";
            return 0;
        }
        if ((a != "--root" && a != "--port" && a != "--bind") || i + 1 == args.size()) {
            std::cerr << "quintora-server: unknown option or missing value: " << a << "\n" << Usage;
            return 2;
        }
        const std::string& value = args[++i];
        if (a == "--root") {
            root = value;
        } else if (a == "--bind") {
            bind = value;
        } else {
            const auto [end, err] =
                std::from_chars(value.data(), value.data() + value.size(), port);
            if (err != std::errc{} || end != value.data() + value.size() || port < 0 ||
                port > 65535) {
                std::cerr << "quintora-server: not a port: " << value << "\n" << Usage;
                return 2;
            }
        }
    }
    std::error_code ec;
    const fs::path rootPath = fs::canonical(root, ec);
    if (ec || !fs::is_directory(rootPath, ec)) {
        std::cerr << "quintora-server: not a folder: " << root << "\n";
        return 1;
    }

    raiseDescriptorLimit();
    quintora::GuardedServer server;
    server.Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        answer(rootPath, request, response);
    });
    const int bound = server.bindTo(bind, port);
    if (bound <= 0) {
        if (errno == EADDRINUSE) {
            std::cerr << "quintora-server: port " << port << " on " << bind
                      << " is in use by another program\n";
        } else {
            std::cerr << "quintora-server: cannot listen on " << bind << ":" << port << "\n";
        }
        return 1;
    }
    std::cout << "quintora-server: http://" << bind << ":" << bound << "/ serving "
              << rootPath.string() << std::endl;
    return server.listen_after_bind() ? 0 : 1;
}
