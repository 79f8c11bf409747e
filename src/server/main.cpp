// quintora-server: serves the program's server paths from a content folder, so that the
// update, the version check and the downloads work without the maker's host.
#include "files/FileIo.h"
#include "server/ServerRoutes.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <httplib.h>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MaxServedBytes = 64u << 20;
constexpr const char* Usage = "Usage: quintora-server [--root DIR] [--port N] [--bind ADDR]\n";

std::string defaultRoot() {
    for (const char* folder : {QUINTORA_SERVER_ROOT_BUILD, QUINTORA_SERVER_ROOT_INSTALLED}) {
        std::error_code ec;
        if (fs::is_directory(folder, ec)) {
            return folder;
        }
    }
    return QUINTORA_SERVER_ROOT_INSTALLED;
}

bool inside(const fs::path& file, const fs::path& root) {
    auto f = file.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++f) {
        if (f == file.end() || *f != *r) {
            return false;
        }
    }
    return true;
}

const char* contentType(const std::string& relative) {
    const bool text = relative.size() > 4 && relative.compare(relative.size() - 4, 4, ".txt") == 0;
    return text ? "text/plain; charset=windows-1252" : "application/octet-stream";
}

void answer(const fs::path& root, const httplib::Request& request, httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
    const auto relative = quintora::contentFileFor(request.target);
    std::error_code ec;
    const fs::path file = relative ? fs::weakly_canonical(root / *relative, ec) : fs::path();
    if (!relative || ec || !inside(file, root) || !fs::exists(file, ec)) {
        response.status = 404;
        response.set_content("Non trovato\n", "text/plain");
        return;
    }
    // Read at every request, so new content is served at once.
    const auto bytes = quintora::readWholeFile(file.string(), MaxServedBytes);
    if (!bytes) {
        response.status = 500;
        response.set_content(bytes.error().message + "\n", "text/plain");
        return;
    }
    const auto& b = bytes.value();
    response.set_content(std::string(b.begin(), b.end()), contentType(*relative));
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

    httplib::Server server;
    server.Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        answer(rootPath, request, response);
    });
    const int bound =
        port == 0 ? server.bind_to_any_port(bind) : (server.bind_to_port(bind, port) ? port : -1);
    if (bound <= 0) {
        std::cerr << "quintora-server: cannot listen on " << bind << ":" << port << "\n";
        return 1;
    }
    std::cout << "quintora-server: http://" << bind << ":" << bound << "/ serving "
              << rootPath.string() << std::endl;
    return server.listen_after_bind() ? 0 : 1;
}
