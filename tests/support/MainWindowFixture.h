#pragma once

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "document/SystemDocument.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"

#include <memory>

namespace quintora::test {

// What the main window's tests start from: a system document of its own, a scripted prompt, the
// data folder under a temporary XDG_DATA_HOME, and the window shown.
class MainWindowFixture {
protected:
    // Creates and shows the window; false when it never became visible.
    bool openWindow();
    // Tears down in reverse order; the temporary folders go last.
    void closeWindow();

    std::unique_ptr<TemporaryXdg> xdg_;
    std::unique_ptr<SystemDocument> document_;
    // The system as the window shows it.
    const SystemState& state() const { return document_->state(); }
    std::unique_ptr<ScriptedPrompt> prompt_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace quintora::test
