#pragma once

#include "cli/CliCommands.h"
#include "core/Result.h"
#include "print/PagePlan.h"
#include "print/SlipType.h"
#include "render/PrintJob.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QGuiApplication;

namespace quintora::cli {

// Fonts and printers need a GUI application object; without a display the offscreen
// platform serves. Held for the length of one print command.
class PrintSession {
public:
    PrintSession();
    ~PrintSession();
    PrintSession(const PrintSession&) = delete;
    PrintSession& operator=(const PrintSession&) = delete;

private:
    // The application keeps references to its arguments, so they live as long as it does.
    int argc_ = 1;
    std::array<char, 13> name_{"quintora-cli"};
    std::array<char*, 2> argv_{name_.data(), nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// The PDF file or the printer the command line names.
PrintTarget printTargetOf(const PrintTargetArgs& target);
// --calibration FILE, else the slip type's file in the user's data folder.
std::string calibrationFileOf(const std::optional<std::string>& calibration, SlipType type);

// Prints the plan (copies jobs); reports a failure and returns the exit status.
int printOrReport(const PagePlan& plan, const PrintTarget& target, int copies = 1);
// The same for pages made one at a time.
int printOrReport(const PagePlan& settings, int count, const std::function<PlanPage(int)>& page,
                  const PrintTarget& target, int copies);

} // namespace quintora::cli
