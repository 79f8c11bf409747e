#include "files/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quintora {

namespace {

std::string systemReason() {
    return std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

} // namespace

Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && std::filesystem::is_directory(status)) {
        return Error{"", "Impossibile aprire " + path + ": e' una cartella, non un file"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Error{"", "Impossibile aprire il file " + path + ": " + systemReason()};
    }
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) {
        return Error{"", "Impossibile leggere il file " + path};
    }
    if (static_cast<std::uint64_t>(size) > maxBytes) {
        return Error{"", "Il file " + path + " e' troppo grande (" + std::to_string(size) +
                             " byte; al massimo " + std::to_string(maxBytes) + ")"};
    }
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return Error{"", "Impossibile leggere il file " + path};
    }
    return bytes;
}

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    // mkstemp in the target's folder, so the final rename never crosses file systems.
    std::string temp = folderOf(path) + "/.quintora-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Error{"", "Impossibile scrivere nella cartella di " + path + ": " + systemReason()};
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const auto reason = systemReason();
            ::close(fd);
            ::unlink(temp.c_str());
            return Error{"", "Errore di scrittura del file " + path + ": " + reason};
        }
        written += static_cast<std::size_t>(n);
    }
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
        const auto reason = systemReason();
        ::unlink(temp.c_str());
        return Error{"", "Errore di scrittura del file " + path + ": " + reason};
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const auto reason = systemReason();
        ::unlink(temp.c_str());
        return Error{"", "Impossibile salvare il file " + path + ": " + reason};
    }
    return success();
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
