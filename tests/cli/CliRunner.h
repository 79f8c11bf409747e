#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Runs quintora-cli with arguments (already shell-quoted) and collects what it printed.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline CliRun runCli(const std::string& arguments) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto tag = std::to_string(::getpid());
    const auto out = dir / ("quintora-cli-out-" + tag);
    const auto err = dir / ("quintora-cli-err-" + tag);
    const std::string command = std::string("'") + QUINTORA_CLI + "' " + arguments + " >'" +
                                out.string() + "' 2>'" + err.string() + "' </dev/null";
    CliRun r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readText(out);
    r.err = readText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return r;
}

inline std::string quoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}
