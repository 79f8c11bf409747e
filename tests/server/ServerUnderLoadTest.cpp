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
