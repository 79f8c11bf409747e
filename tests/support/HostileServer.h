#pragma once

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// hostile_server.py in one of its modes on a free loopback port, serving `bodyFile` (or a
// short version text), stopped with the object.
class HostileServer {
public:
    explicit HostileServer(const std::string& mode, const std::string& bodyFile = {}) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            const char* script = QUINTORA_HOSTILE_SERVER;
            if (bodyFile.empty()) {
                ::execl(QUINTORA_PYTHON, QUINTORA_PYTHON, script, mode.c_str(),
                        static_cast<char*>(nullptr));
            } else {
                ::execl(QUINTORA_PYTHON, QUINTORA_PYTHON, script, mode.c_str(), bodyFile.c_str(),
                        static_cast<char*>(nullptr));
            }
            ::_exit(127);
        }
        ::close(out[1]);
        std::string line;
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(out[0]);
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
