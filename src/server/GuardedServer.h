#pragma once

#include <atomic>
#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quintora {

// An HTTP server that slow, endless or oversized requests cannot wear down. One thread
// collects the heads of all new connections, each within a deadline, a size and a line count
// (see RequestHead.h), and only a whole head goes to a worker: clients that trickle their
// headers hold no worker; past MaxWaitingHeads a new connection is answered 503 at once. The
// server takes no bodies: a request that announces one is refused unread. Each connection
// carries one request, and its answer ends once the client stops taking it (SendStallLimit).
class GuardedServer : public httplib::Server {
public:
    GuardedServer();
    ~GuardedServer() override;
    GuardedServer(const GuardedServer&) = delete;
    GuardedServer& operator=(const GuardedServer&) = delete;

    // Binds to `port` on `host` (0: any free port) with the longest listen queue the system
    // allows; the port bound, or -1 with errno telling why.
    int bindTo(const std::string& host, int port);

private:
    // Called on the accepting thread (see the constructor): hands the socket to the collector.
    bool process_and_close_socket(socket_t socket) override;
    // A socket for the collector: a new one sends its head, an answered one is closing.
    void handToCollector(int socket, bool answered);
    void collectHeads();
    void serve(int socket, const std::string& received);

    struct Arrival {
        int socket;
        bool answered;
    };
    std::mutex mutex_;
    std::vector<Arrival> arrived_; // not yet taken by the collector
    int wake_[2] = {-1, -1};       // a byte here wakes the collector
    std::atomic<bool> stopping_{false};
    httplib::ThreadPool workers_;
    std::thread collector_;
};

} // namespace quintora
