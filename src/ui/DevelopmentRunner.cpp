#include "ui/DevelopmentRunner.h"

#include <QThread>

namespace quintora {

DevelopmentRunner::DevelopmentRunner(QObject* parent)
    : QObject(parent) {
    qRegisterMetaType<DevelopmentProgress>();
}

DevelopmentRunner::~DevelopmentRunner() {
    if (thread_ != nullptr) {
        control_.requestStop();
        thread_->wait();
    }
}

void DevelopmentRunner::start(const SystemState& state) {
    if (thread_ != nullptr) {
        return; // one development per runner
    }
    thread_ = QThread::create([this, &state] {
        result_ = develop(
            state, [this](const DevelopmentProgress& p) { emit progress(p); }, control_);
    });
    thread_->setParent(this);
    connect(thread_, &QThread::finished, this, &DevelopmentRunner::finished);
    thread_->start();
}

bool DevelopmentRunner::isRunning() const {
    return thread_ != nullptr && thread_->isRunning();
}

} // namespace quintora
