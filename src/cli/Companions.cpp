#include "cli/Companions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace quintora::cli {

namespace {

namespace fs = std::filesystem;

fs::path companionPath(const char* name) {
    std::error_code ec;
    const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    for (const fs::path& candidate :
         {folder / name, folder / QUINTORA_CLI_COMPANIONS_FROM_BIN / name}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

} // namespace

const char* const Companions::PrintCompanion = QUINTORA_CLI_PRINT;
const char* const Companions::ServerCompanion = QUINTORA_CLI_NET;

int Companions::launch(const char* companion) const {
    const fs::path path = companionPath(companion);
    if (path.empty()) {
        return fail(std::string("this command needs ") + companion + ", which is not installed");
    }
    std::cout.flush();
    ::execv(path.c_str(), argv_);
    return fail(path.string() + ": " + std::strerror(errno));
}

} // namespace quintora::cli
