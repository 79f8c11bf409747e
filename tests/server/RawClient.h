#pragma once

#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

// A loopback connection that sends exactly the bytes it is given, as a hostile client would.
class RawClient {
public:
    // A `receiveBuffer` in bytes keeps what the connection takes in unread small.
    explicit RawClient(int port, int receiveBuffer = 0) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        if (receiveBuffer > 0) {
            ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~RawClient() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return fd_ >= 0; }

    // False once the server has stopped taking bytes.
    bool send(std::string_view bytes) const {
        while (!bytes.empty()) {
            const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    // Whether the server has answered or closed, without waiting.
    bool answered() const {
        pollfd polled{fd_, POLLIN, 0};
        return ::poll(&polled, 1, 0) > 0;
    }

    // What the server sends until it closes, or what came before `limit` ran out.
    std::string receive(std::chrono::milliseconds limit) const {
        const auto end = std::chrono::steady_clock::now() + limit;
        std::string got;
        char buffer[65536];
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            pollfd polled{fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&polled, 1, static_cast<int>(left.count())) <= 0) {
                return got;
            }
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0) {
                return got;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
    }

private:
    int fd_ = -1;
};

inline std::string statusLineOf(const std::string& answer) {
    return answer.substr(0, answer.find("\r\n"));
}

inline std::string bodyOf(const std::string& answer) {
    const auto end = answer.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : answer.substr(end + 4);
}

// The value of the first field `name` in an answer's head (names compared as written).
inline std::string headerOf(const std::string& answer, const std::string& name) {
    const auto head = answer.substr(0, answer.find("\r\n\r\n"));
    const auto at = head.find("\r\n" + name + ": ");
    if (at == std::string::npos) {
        return {};
    }
    const auto from = at + name.size() + 4;
    return head.substr(from, head.find("\r\n", from) - from);
}
