#pragma once

#include "core/Development.h"

namespace quintora::cli {

// A one-line progress bar on standard error, drawn only when it is a terminal.
class TerminalProgress {
public:
    TerminalProgress();
    void show(const DevelopmentProgress& p);
    void finish(); // ends the line, if one was drawn

private:
    bool enabled_;
    bool drawn_ = false;
};

} // namespace quintora::cli
