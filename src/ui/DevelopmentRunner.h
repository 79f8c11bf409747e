#pragma once

#include "core/Development.h"

#include <QObject>

class QThread;

namespace quintora {

// Runs one development on a worker thread. progress() is emitted on the worker thread
// (receivers in the GUI thread get it queued); finished() is emitted in the GUI thread once
// the worker has ended, and result() then holds the outcome. The state must not change
// while the development runs: the caller keeps the main window disabled meanwhile.
class DevelopmentRunner : public QObject {
    Q_OBJECT
public:
    explicit DevelopmentRunner(QObject* parent);
    ~DevelopmentRunner() override; // stops a running development and waits for it

    void start(const SystemState& state);
    bool isRunning() const;

    // Thread-safe; a paused engine waits before its next combination.
    void pause() { control_.pause(); }
    void resume() { control_.resume(); }
    // Pauses and waits until the engine stands between two combinations: its counts then.
    std::optional<DevelopmentControl::Counts> pauseAndWait() { return control_.pauseAndWait(); }
    void requestStop() { control_.requestStop(); }

    // Valid after finished(); taken once.
    DevelopmentResult takeResult() { return std::move(result_); }

signals:
    void progress(const quintora::DevelopmentProgress& progress);
    void finished();

private:
    DevelopmentControl control_;
    DevelopmentResult result_;
    QThread* thread_ = nullptr;
};

} // namespace quintora
