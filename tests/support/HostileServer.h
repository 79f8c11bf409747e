#pragma once

#include "FirstLineChild.h"

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// hostile_server.py in one of its modes on a free loopback port, serving `bodyFile` (or a
// short version text), stopped with the object.
class HostileServer {
public:
    explicit HostileServer(const std::string& mode, const std::string& bodyFile = {}) {
        std::vector<std::string> argv{QUINTORA_PYTHON, QUINTORA_HOSTILE_SERVER, mode};
        if (!bodyFile.empty()) {
            argv.push_back(bodyFile);
        }
        const auto child = startReadingFirstLine(argv);
        pid_ = child.pid;
        const std::string& line = child.firstLine;
        if (!line.empty()) {
            port_ = std::stoi(line);
        }
    }
    ~HostileServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    int port() const { return port_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};
