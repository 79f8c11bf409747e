#include "ui/DevelopmentSession.h"

#include "core/Development.h"
#include "core/ElapsedTime.h"
#include "document/SystemDocument.h"
#include "ui/DevelopmentRunner.h"
#include "ui/LanguageText.h"
#include "ui/ProgressDialog.h"
#include "ui/Prompt.h"

#include <QTimer>

namespace quintora {

DevelopmentSession::DevelopmentSession(SystemDocument& document, SystemState snapshot,
                                       Prompt& prompt, Language& language, QWidget* owner)
    : QObject(owner)
    , document_(document)
    , snapshot_(std::move(snapshot))
    , prompt_(prompt)
    , language_(language)
    , dialog_(new ProgressDialog(language, owner))
    , runner_(new DevelopmentRunner(this)) {
    connect(runner_, &DevelopmentRunner::progress, this, &DevelopmentSession::onProgress);
    connect(runner_, &DevelopmentRunner::finished, this, &DevelopmentSession::onEngineFinished);
    connect(dialog_, &ProgressDialog::cancelClicked, this, &DevelopmentSession::onCancelClicked);
}

DevelopmentSession::~DevelopmentSession() {
    const bool running = runner_->isRunning();
    delete runner_; // stop and join the worker before the dialog and the snapshot go
    runner_ = nullptr;
    if (running || !completed_) {
        document_.abandonDevelopment();
    }
    delete dialog_;
}

void DevelopmentSession::start() {
    dialog_->setIntegralCount(integralSize(snapshot_.header.numberCount()));
    dialog_->show();
    // A child window of a disabled main window is disabled with it; this one must answer.
    dialog_->setEnabled(true);
    QTimer::singleShot(0, this, [this] { runner_->start(snapshot_); });
}

void DevelopmentSession::closeDialog() {
    if (dialog_ != nullptr) {
        dialog_->hide();
    }
}

void DevelopmentSession::onProgress(const DevelopmentProgress& progress) {
    if (dialog_ != nullptr) {
        dialog_->showProgress(progress);
    }
}

void DevelopmentSession::onCancelClicked() {
    if (asking_ || completed_ || finishPending_) {
        return;
    }
    prompt_.beep();
    // The question shows the counts where the engine stopped, not those of its last report.
    if (const auto counts = runner_->pauseAndWait()) {
        dialog_->setProcessedCount(counts->processed);
        dialog_->setAcceptedCount(counts->accepted);
    }
    asking_ = true;
    const bool stop = prompt_.question(dialog_, dialog_->windowTitle(),
                                       dialog_->cancelQuestionText(), Prompt::Icon::Question);
    asking_ = false;
    if (stop) {
        runner_->requestStop();
    } else {
        runner_->resume();
    }
    if (finishPending_) {
        complete();
    }
}

void DevelopmentSession::onEngineFinished() {
    if (asking_) {
        finishPending_ = true; // finish once the question is answered
        return;
    }
    complete();
}

void DevelopmentSession::complete() {
    if (completed_) {
        return;
    }
    completed_ = true;
    auto result = runner_->takeResult();
    const bool limitReached = result.limitReached;
    if (const Status finished = document_.finishDevelopment(std::move(result)); finished.failed()) {
        prompt_.message(dialog_, shownText(language_, finished.error().heading),
                        shownText(language_, finished.error().what), Prompt::Icon::Critical);
    }
    if (limitReached) {
        prompt_.message(dialog_, shownText(language_, LimitWarningTitle),
                        shownText(language_, limitWarningText(MaxColumns)), Prompt::Icon::Critical);
    }
    prompt_.message(
        dialog_, {},
        QString::fromStdString(elapsedTimeText(secondsSince(document_.state().developmentStart))),
        Prompt::Icon::None);
    emit developed();
}

} // namespace quintora
