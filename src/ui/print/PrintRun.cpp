#include "ui/print/PrintRun.h"

#include <QTimer>
#include <utility>

namespace quintora {

namespace {

QString messageOf(const Error& error) {
    return QString::fromStdString(error.message);
}

} // namespace

PrintRun::PrintRun(std::shared_ptr<const PrintPages> pages, PrintTarget target, int copies,
                   QObject* parent)
    : QObject(parent)
    , pages_(std::move(pages))
    , target_(std::move(target))
    , copies_(std::max(1, copies)) {}

PrintRun::~PrintRun() = default;

Status PrintRun::start() {
    auto job = PrintJob::start(target_, pages_->settings);
    if (!job) {
        return job.error();
    }
    job_ = std::move(job).value();
    schedule();
    return success();
}

void PrintRun::schedule() {
    QTimer::singleShot(0, this, &PrintRun::printNext);
}

void PrintRun::resume() {
    paused_ = false;
    if (waiting_) {
        waiting_ = false;
        schedule();
    }
}

void PrintRun::printNext() {
    if (ended_) {
        return;
    }
    if (stopRequested_) {
        end(Outcome::Stopped);
        return;
    }
    if (paused_) {
        waiting_ = true;
        emit pageHeld();
        return;
    }
    if (page_ < pages_->count) {
        if (const Status added = job_->addPage(pages_->page(page_)); !added) {
            end(Outcome::Failed, messageOf(added.error()));
            return;
        }
        ++printed_;
        emit pagePrinted(copy_, page_);
        ++page_;
        schedule();
        return;
    }
    if (++copy_ >= copies_) {
        end(Outcome::Finished);
        return;
    }
    page_ = 0;
    // On a printer the next copy is a job of its own, with its own page numbers.
    if (!target_.isPdf()) {
        if (const Status done = job_->finish(); !done) {
            end(Outcome::Failed, messageOf(done.error()));
            return;
        }
        auto job = PrintJob::start(target_, pages_->settings);
        if (!job) {
            job_.reset();
            end(Outcome::Failed, messageOf(job.error()));
            return;
        }
        job_ = std::move(job).value();
    }
    schedule();
}

void PrintRun::end(Outcome outcome, const QString& error) {
    ended_ = true;
    QString message = error;
    if (job_ && outcome != Outcome::Failed) {
        // What was added so far comes out (a PDF is written now).
        if (const Status done = job_->finish(); !done) {
            outcome = Outcome::Failed;
            message = messageOf(done.error());
        }
    }
    job_.reset();
    emit finished(outcome, message);
}

} // namespace quintora
