#pragma once

#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

// A program started with its standard output on a pipe, and the first line it printed (a
// server's announcement of its port). `pid` is not positive when it could not be started.
struct FirstLineChild {
    pid_t pid = -1;
    std::string firstLine;
};

inline FirstLineChild startReadingFirstLine(const std::vector<std::string>& argv) {
    FirstLineChild child;
    int out[2];
    if (argv.empty() || ::pipe(out) != 0) {
        return child;
    }
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    child.pid = ::fork();
    if (child.pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n') {
        child.firstLine += c;
    }
    ::close(out[0]);
    return child;
}
