#include "server/GuardedServer.h"

#include "server/RequestHead.h"
#include "server/RequestScreen.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

namespace quintora {

namespace {

using Clock = std::chrono::steady_clock;

// How long a closing connection may still send: reading on until it stops lets the answer
// reach the client instead of a reset. The same bound for an answered and a refused request.
constexpr std::chrono::milliseconds LingerBeforeClose{1000};

// The server asks for a task queue for the accepted sockets: this one runs each task at once
// on the accepting thread, which only hands the socket to the collector.
class RunAtOnce final : public httplib::TaskQueue {
public:
    void enqueue(std::function<void()> task) override { task(); }
    void shutdown() override {}
};

void addressOf(int (*query)(int, sockaddr*, socklen_t*), int socket, std::string& ip, int& port) {
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (query(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        return;
    }
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        ::inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        ::inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}

// One request as the collector received it, and nothing more: the server never waits on a
// client for further bytes (it takes no bodies). Answers go to the socket; once the client has
// taken no byte for SendStallLimit, the answer ends.
class ReceivedRequestStream final : public httplib::Stream {
public:
    ReceivedRequestStream(int socket, const std::string& received)
        : socket_(socket)
        , received_(received) {}

    bool is_readable() const override { return at_ < received_.size(); }
    bool is_writable() const override {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            lastProgress_ + SendStallLimit - Clock::now());
        pollfd polled{socket_, POLLOUT, 0};
        const bool writable = left.count() > 0 &&
                              ::poll(&polled, 1, static_cast<int>(left.count())) > 0 &&
                              (polled.revents & POLLOUT) != 0;
        stalled_ = stalled_ || !writable;
        return writable;
    }
    ssize_t read(char* ptr, size_t size) override {
        const std::size_t n = std::min(size, received_.size() - at_);
        std::copy_n(received_.data() + at_, n, ptr);
        at_ += n;
        return static_cast<ssize_t>(n);
    }
    ssize_t write(const char* ptr, size_t size) override {
        if (!is_writable()) {
            return -1;
        }
        const ssize_t n = ::send(socket_, ptr, size, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            return 0;
        }
        if (n > 0) {
            lastProgress_ = Clock::now();
        }
        return n;
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        addressOf(::getpeername, socket_, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        addressOf(::getsockname, socket_, ip, port);
    }
    socket_t socket() const override { return socket_; }
    // Whether the client stopped taking the answer.
    bool stalled() const { return stalled_; }

private:
    int socket_;
    const std::string& received_;
    std::size_t at_ = 0;
    Clock::time_point lastProgress_ = Clock::now();
    mutable bool stalled_ = false;
};

// A connection in the collector: one still sending its head, or one closing that may still
// send (its bytes are read and dropped until it stops or its time is up).
struct Connection {
    int socket;
    Clock::time_point deadline;
    bool closing;
    RequestHead head{MaxRequestHeadBytes, MaxRequestHeadLines};
};

void startClosing(Connection& connection) {
    ::shutdown(connection.socket, SHUT_WR);
    connection.closing = true;
    connection.deadline = Clock::now() + LingerBeforeClose;
}

void refuse(Connection& connection, const std::string& status) {
    const std::string answer =
        "HTTP/1.1 " + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    (void)::send(connection.socket, answer.data(), answer.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    startClosing(connection);
}

// The longest listen queue the system allows: the kernel cuts a longer one to
// net.core.somaxconn, so a burst of connections waits there instead of being turned away.
int longestListenQueue() {
    int allowed = 0;
    std::ifstream("/proc/sys/net/core/somaxconn") >> allowed;
    return std::max(allowed, SOMAXCONN);
}

bool announcesBody(const httplib::Request& request) {
    return request.has_header("Transfer-Encoding") ||
           (request.has_header("Content-Length") &&
            request.get_header_value("Content-Length") != "0");
}

} // namespace

GuardedServer::GuardedServer()
    : workers_(ServerWorkers) {
    // The server owns the queue it asks for, hence the plain new.
    new_task_queue = [] {
        return new RunAtOnce;
    };
    // Without the library's shared port: a second server on a port in use must fail to bind,
    // not take part of the requests.
    set_socket_options([](socket_t socket) {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // Refused before a byte of the body is read (see RequestScreen.h); these stay as a second
    // guard.
    set_payload_max_length(0);
    set_expect_100_continue_handler([](const httplib::Request&, httplib::Response& response) {
        response.status = 413;
        return 413;
    });
    set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (!announcesBody(request)) {
            return HandlerResponse::Unhandled;
        }
        response.status = 413;
        response.set_content("Il server non accetta dati nelle richieste\n", "text/plain");
        return HandlerResponse::Handled;
    });
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        workers_.shutdown();
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    collector_ = std::thread([this] { collectHeads(); });
}

GuardedServer::~GuardedServer() {
    workers_.shutdown();
    stopping_ = true;
    // A full pipe already holds a wake-up: a write that finds no room loses nothing.
    [[maybe_unused]] const auto woken = ::write(wake_[1], "x", 1);
    collector_.join();
    for (const auto& [socket, answered] : arrived_) {
        ::close(socket);
    }
    ::close(wake_[0]);
    ::close(wake_[1]);
}

int GuardedServer::bindTo(const std::string& host, int port) {
    const int bound = port == 0 ? bind_to_any_port(host) : (bind_to_port(host, port) ? port : -1);
    if (bound > 0) {
        ::listen(svr_sock_, longestListenQueue());
    }
    return bound;
}

bool GuardedServer::process_and_close_socket(socket_t socket) {
    handToCollector(socket, false);
    return true;
}

void GuardedServer::handToCollector(int socket, bool answered) {
    {
        const std::lock_guard lock(mutex_);
        arrived_.push_back({socket, answered});
    }
    [[maybe_unused]] const auto woken = ::write(wake_[1], "x", 1); // as above
}

void GuardedServer::collectHeads() {
    std::vector<Connection> connections;
    std::vector<pollfd> polled;
    std::vector<char> buffer(MaxRequestHeadBytes);
    std::size_t waiting = 0; // connections still sending their heads
    while (!stopping_) {
        {
            const std::lock_guard lock(mutex_);
            for (const auto& [socket, answered] : arrived_) {
                connections.push_back({socket, Clock::now() + RequestHeadDeadline, false});
                if (answered) {
                    startClosing(connections.back());
                } else if (waiting == MaxWaitingHeads) {
                    refuse(connections.back(), "503 Service Unavailable");
                } else {
                    ++waiting;
                }
            }
            arrived_.clear();
        }
        polled.assign(1, pollfd{wake_[0], POLLIN, 0});
        auto next = Clock::now() + std::chrono::minutes(1);
        for (const auto& connection : connections) {
            polled.push_back({connection.socket, POLLIN, 0});
            next = std::min(next, connection.deadline);
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
        ::poll(polled.data(), polled.size(),
               static_cast<int>(std::max<long long>(wait.count(), 0)));
        char drained[64];
        while (::read(wake_[0], drained, sizeof drained) > 0) {
        }

        const auto now = Clock::now();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < connections.size(); ++i) {
            auto& connection = connections[i];
            bool gone = false;
            if (polled[i + 1].revents != 0) {
                const ssize_t n =
                    ::recv(connection.socket, buffer.data(), buffer.size(), MSG_DONTWAIT);
                if (n == 0 ||
                    (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                    ::close(connection.socket);
                    waiting -= connection.closing ? 0 : 1;
                    gone = true;
                } else if (n > 0 && !connection.closing) {
                    const auto state =
                        connection.head.add({buffer.data(), static_cast<std::size_t>(n)});
                    if (state == RequestHead::State::Complete) {
                        auto screened = screenRequest(connection.head.received());
                        --waiting;
                        if (screened.refusal.empty()) {
                            workers_.enqueue(
                                [this, socket = connection.socket,
                                 head = std::move(screened.head)] { serve(socket, head); });
                            gone = true;
                        } else {
                            refuse(connection, screened.refusal);
                        }
                    } else if (state == RequestHead::State::TooLarge) {
                        --waiting;
                        refuse(connection, "431 Request Header Fields Too Large");
                    }
                }
            }
            if (!gone && now >= connection.deadline) {
                if (connection.closing) {
                    ::close(connection.socket);
                    gone = true;
                } else {
                    --waiting;
                    refuse(connection, "408 Request Timeout");
                }
            }
            if (!gone) {
                if (kept != i) {
                    connections[kept] = std::move(connection);
                }
                ++kept;
            }
        }
        connections.erase(connections.begin() + static_cast<std::ptrdiff_t>(kept),
                          connections.end());
    }
    for (const auto& connection : connections) {
        ::close(connection.socket);
    }
}

void GuardedServer::serve(int socket, const std::string& received) {
    ReceivedRequestStream stream(socket, received);
    bool closed = false;
    // The route sends the one range itself (see ByteRange.h): the library's own range
    // answers would repeat the file once per range asked for.
    process_request(stream, true, closed,
                    [](httplib::Request& request) { request.ranges.clear(); });
    if (stream.stalled()) {
        // What it left unread would wait in the server's buffers for nothing: reset at once.
        const linger reset{1, 0};
        ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(socket);
        return;
    }
    handToCollector(socket, true);
}

} // namespace quintora
