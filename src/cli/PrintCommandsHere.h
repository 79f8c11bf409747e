#pragma once

#include "cli/CliCommands.h"

namespace quintora::cli {

// The print commands, run in this process (quintora-cli-print, which links Qt's printing).
class PrintCommandsHere final : public PrintCommands {
public:
    int printSlips(const PrintSlipsArgs& args) override;
    int calibrationTest(const CalibrationTestArgs& args) override;
    int listing(const ListingArgs& args) override;
};

} // namespace quintora::cli
