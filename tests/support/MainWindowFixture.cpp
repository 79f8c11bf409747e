#include "support/MainWindowFixture.h"

#include "document/SystemDocument.h"

#include <QTest>

namespace quintora::test {

bool MainWindowFixture::openWindow() {
    if (!xdg_) {
        xdg_ = std::make_unique<TemporaryXdg>();
    }
    document_ = std::make_unique<SystemDocument>();
    prompt_ = std::make_unique<ScriptedPrompt>();
    context_ = std::make_unique<AppContext>(*document_, *prompt_, DataFolder(xdg_->dataFolder()));
    context_->dataFolder.createTree();
    window_ = std::make_unique<MainWindow>(*context_);
    window_->show();
    return QTest::qWaitForWindowExposed(window_.get());
}

void MainWindowFixture::closeWindow() {
    window_.reset();
    context_.reset();
    prompt_.reset();
    document_.reset();
}

} // namespace quintora::test
