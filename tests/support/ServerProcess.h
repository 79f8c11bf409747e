#pragma once

#include "FirstLineChild.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// quintora-server on a free loopback port over `root`, stopped with the object. The port is
// the one the server prints once it listens.
class ServerProcess {
public:
    ServerProcess(const std::string& executable, const std::string& root) {
        const auto child = startReadingFirstLine({executable, "--root", root, "--port", "0"});
        pid_ = child.pid;
        const std::string& line = child.firstLine;
        // "quintora-server: http://127.0.0.1:PORT/ serving ROOT"
        const auto colon = line.find(':', line.find("127.0.0.1"));
        if (colon != std::string::npos) {
            port_ = std::stoi(line.substr(colon + 1));
        }
    }
    ~ServerProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// A loopback socket that takes connections and never answers: the time-out case.
class SilentSocket {
public:
    SilentSocket() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::listen(fd_, 4) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
            port_ = ntohs(address.sin_port);
        }
    }
    ~SilentSocket() { ::close(fd_); }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// A loopback server that answers each of `answers` connections with the next canned response,
// whatever was asked, then stops.
class CannedServer {
public:
    explicit CannedServer(std::vector<std::string> answers)
        : socket_() {
        thread_ = std::thread([this, answers = std::move(answers)] {
            for (const auto& answer : answers) {
                const int client = ::accept(socket_.fd(), nullptr, nullptr);
                if (client < 0) {
                    return;
                }
                char buffer[4096];
                // The request, in one piece here; a client that went away gets nothing.
                [[maybe_unused]] const auto request = ::read(client, buffer, sizeof buffer);
                [[maybe_unused]] const auto sent = ::write(client, answer.data(), answer.size());
                ::close(client);
            }
        });
    }
    ~CannedServer() {
        ::shutdown(socket_.fd(), SHUT_RDWR);
        thread_.join();
    }
    CannedServer(const CannedServer&) = delete;
    CannedServer& operator=(const CannedServer&) = delete;

    std::string url() const { return socket_.url(); }

private:
    SilentSocket socket_;
    std::thread thread_;
};

// A loopback port where nothing listens (connections are refused at once).
inline std::string refusedUrl() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
}

// The status line of a raw GET of `target`, sent exactly as given.
inline std::string rawStatusLine(int port, const std::string& target) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    std::string line;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const std::string request =
            "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        // A request that does not go out reads no status line.
        [[maybe_unused]] const auto sent = ::write(fd, request.data(), request.size());
        char c = 0;
        while (::read(fd, &c, 1) == 1 && c != '\r') {
            line += c;
        }
    }
    ::close(fd);
    return line;
}
