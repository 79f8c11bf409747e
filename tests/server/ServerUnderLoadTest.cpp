#include "server/GuardedServerFixture.h"
#include "server/RequestHead.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace quintora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Raises this process's descriptor limit for `sockets` client sockets; false when the hard
// limit is too low for them.
bool roomForSockets(std::size_t sockets) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_max < sockets + 64) {
        return false;
    }
    limit.rlim_cur = limit.rlim_max;
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

// Opens `count` connections, each within what is left of `until`; fewer when time ran out.
std::vector<std::unique_ptr<RawClient>> connectMany(int port, std::size_t count,
                                                    Clock::time_point until) {
    std::vector<std::unique_ptr<RawClient>> clients;
    while (clients.size() < count && Clock::now() < until) {
        clients.push_back(std::make_unique<RawClient>(port));
        if (!clients.back()->connected()) {
            clients.pop_back();
            break;
        }
    }
    return clients;
}

TEST_F(GuardedServerTest, ABurstOfClientsThatConnectThenSendIsAnsweredEveryOne) {
    constexpr std::size_t Clients = 1000;
    if (!roomForSockets(Clients)) {
        GTEST_SKIP() << "the descriptor limit leaves no room for " << Clients << " sockets";
    }
    const auto until = Clock::now() + 10s;
    const auto clients = connectMany(server->port(), Clients, until);
    ASSERT_EQ(clients.size(), Clients) << "connections still refused or queued when time ran out";
    for (const auto& client : clients) {
        client->send(VersionHead + "\r\n");
    }
    std::map<std::string, int> statuses;
    for (const auto& client : clients) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        const auto answer = client->receive(std::max(left, 1ms));
        ++statuses[answer.empty() ? "no answer" : statusLineOf(answer)];
    }
    EXPECT_EQ(statuses, (std::map<std::string, int>{{"HTTP/1.1 200 OK", int(Clients)}}));
}

TEST_F(GuardedServerTest, PastItsWaitingHeadsTheServerAnswers503AndKeepsTheOlderOnes) {
    constexpr std::size_t Extra = 8;
    if (!roomForSockets(MaxWaitingHeads + Extra)) {
        GTEST_SKIP() << "the descriptor limit leaves no room for the waiting heads";
    }
    const auto until = Clock::now() + 10s;
    auto waiting = connectMany(server->port(), MaxWaitingHeads, until);
    ASSERT_EQ(waiting.size(), MaxWaitingHeads);
    waiting.front()->send("GET /public/quintora/ver.asp HTTP/1.1\r\n");
    // Connections are taken in the order they came: these find the server full.
    for (const auto& late : connectMany(server->port(), Extra, until)) {
        EXPECT_EQ(statusLineOf(late->receive(2s)), "HTTP/1.1 503 Service Unavailable");
    }
    // The oldest connection still has its turn.
    waiting.front()->send("Host: a\r\n\r\n");
    EXPECT_EQ(statusLineOf(waiting.front()->receive(2s)), "HTTP/1.1 200 OK");
}

TEST_F(GuardedServerTest, ClientsThatNeverReadHoldNoWorkerForLong) {
    constexpr int NonReaders = 20;
    constexpr std::size_t Size = 16 << 20;
    writePatterned("matrici/GRANDE.DAT", Size);
    const auto start = Clock::now();
    std::vector<std::unique_ptr<RawClient>> nonReaders;
    for (int i = 0; i < NonReaders; ++i) {
        // A small receive buffer: the file cannot disappear into the connection unread.
        nonReaders.push_back(std::make_unique<RawClient>(server->port(), 4096));
        nonReaders.back()->send("GET /public/risorse/matrici/download.aspx?file=GRANDE.DAT "
                                "HTTP/1.1\r\nHost: a\r\n\r\n");
    }
    std::this_thread::sleep_for(300ms);
    for (int i = 0; i < 5; ++i) {
        const auto answer = exchange(VersionHead + "\r\n", 1s);
        EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 200 OK") << "request " << i;
        EXPECT_EQ(bodyOf(answer), "1.0.0\r\n") << "request " << i;
    }
    // Once their sends have stalled for the limit, their connections are over: what they
    // read now ends short of the file.
    std::this_thread::sleep_until(start + SendStallLimit + 2s);
    for (const auto& client : nonReaders) {
        EXPECT_LT(bodyOf(client->receive(2s)).size(), Size);
    }
}

// The exit status and what `command` printed, ended after `seconds` (status 124 then).
std::pair<int, std::string> runBounded(const std::string& command, int seconds) {
    const std::string line = "timeout " + std::to_string(seconds) + " " + command + " 2>&1";
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, {}};
    }
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(GuardedServerTest, ASecondServerOnTheSamePortRefusesToStart) {
    const auto port = std::to_string(server->port());
    const auto [status, output] = runBounded(
        std::string(QUINTORA_SERVER) + " --root '" + content.path() + "' --port " + port, 5);
    EXPECT_EQ(status, 1) << output;
    EXPECT_NE(output.find("port " + port + " "), std::string::npos) << output;
    EXPECT_NE(output.find("in use"), std::string::npos) << output;
    // The first one still answers every request.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(statusLineOf(exchange(VersionHead + "\r\n")), "HTTP/1.1 200 OK");
    }
}

} // namespace
} // namespace quintora
