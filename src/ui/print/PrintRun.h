#pragma once

#include "render/PrintJob.h"
#include "ui/print/PrintPages.h"

#include <memory>
#include <QObject>
#include <QString>

namespace quintora {

// Sends a print page by page from the event loop, so the window stays alive and a stop
// request is heard between two pages. On a printer each copy is its own job; in a PDF the
// copies follow one another in the one file. The pages already sent stay printed when the
// run stops.
class PrintRun : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Finished, Stopped, Failed };

    PrintRun(std::shared_ptr<const PrintPages> pages, PrintTarget target, int copies,
             QObject* parent);
    ~PrintRun() override;

    // Opens the first job; the refusal's message when the target cannot print (nothing is
    // printed then, and no finished signal follows).
    Status start();
    // Heard before the next page.
    void requestStop() { stopRequested_ = true; }
    // No page goes out between pause and resume (while the user is asked about a stop).
    void pause() { paused_ = true; }
    void resume();
    int pagesPrinted() const { return printed_; }

signals:
    // After page `index` (0-based) of copy `copy` (0-based).
    void pagePrinted(int copy, int index);
    // A page came due while paused: it waits for resume.
    void pageHeld();
    // Once, at the end; `error` carries the message of a failed run.
    void finished(quintora::PrintRun::Outcome outcome, const QString& error);

private:
    void schedule();
    void printNext();
    void end(Outcome outcome, const QString& error = {});

    std::shared_ptr<const PrintPages> pages_;
    PrintTarget target_;
    std::unique_ptr<PrintJob> job_;
    int copies_;
    int copy_ = 0;
    int page_ = 0;
    int printed_ = 0;
    bool stopRequested_ = false;
    bool paused_ = false;
    bool waiting_ = false; // a page is due once resumed
    bool ended_ = false;
};

} // namespace quintora
