#include "cli/TerminalProgress.h"

#include "core/Format.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace quintora::cli {

TerminalProgress::TerminalProgress()
    : enabled_(::isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::show(const DevelopmentProgress& p) {
    if (!enabled_) {
        return;
    }
    constexpr int width = 30;
    const int filled = p.percent * width / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(width - filled), '.');
    std::fprintf(stderr, "\r[%s] %3d%%  elaborate%s / %s  sistema%s ", bar.c_str(), p.percent,
                 formatDevelopmentCount(p.processed).c_str(), formatCount(p.total).c_str(),
                 formatDevelopmentCount(p.accepted).c_str());
    std::fflush(stderr);
    drawn_ = true;
}

void TerminalProgress::finish() {
    if (drawn_) {
        std::fputs("\n", stderr);
        drawn_ = false;
    }
}

} // namespace quintora::cli
