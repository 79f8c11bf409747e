#pragma once

#include "core/Result.h"
#include "print/PagePlan.h"

#include <functional>
#include <memory>
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace quintora {

// Where a print goes: a PDF file (whose printable area is the whole page, so positions in
// it are the plan's millimetres) or an installed printer by its device name.
struct PrintTarget {
    QString pdfPath;     // non-empty: a PDF file, saved atomically when the job ends
    QString printerName; // otherwise this printer; empty: the system's default printer

    static PrintTarget pdf(const QString& path) { return {path, {}}; }
    static PrintTarget printer(const QString& name) { return {{}, name}; }
    bool isPdf() const { return !pdfPath.isEmpty(); }
};

// One print job, fed a page at a time so a slip run can show progress and stop between
// pages. Pages added before finish() come out; destroying an unfinished job ends it too
// (on a printer the pages already sent are printed, a PDF is not saved).
class PrintJob {
public:
    // Prepares the job with the plan's title, page size and quality (mapped to the printer's
    // resolution). A printer that is not installed, or a PDF path that cannot be written,
    // is refused here; the device itself opens with the first page.
    static Result<std::unique_ptr<PrintJob>> start(const PrintTarget& target,
                                                   const PagePlan& settings);
    virtual ~PrintJob();

    Status addPage(const PlanPage& page);
    // Ends the job; a PDF is written now. A job without pages prints and writes nothing.
    Status finish();
    int pagesAdded() const { return pages_; }

protected:
    PrintJob() = default;
    virtual QPagedPaintDevice& device() = 0;
    virtual Status complete() = 0;
    // The message when the device cannot be opened.
    virtual Error openFailure() const = 0;
    bool beginPainting();
    // Ends painting; each job's destructor calls it while its device still exists.
    void stopPainting();

private:
    static std::unique_ptr<PrintJob> withSettings(std::unique_ptr<PrintJob> job,
                                                  const PagePlan& settings);

    std::unique_ptr<QPainter> painter_;
    PagePlan settings_; // the plan's paper and fit; no pages
    int pages_ = 0;
    bool finished_ = false;
};

// Gives a printer the plan's page: the whole page printable (no margins), the plan's page
// size and title, and the resolution of its quality on that printer. For the print preview's
// printer and for every print job to a printer.
void setUpPrinter(QPrinter& printer, const PagePlan& plan);

// Prints `count` pages made one at a time by `page` (from 0), with the title, paper and
// quality of `settings`, as `copies` jobs like printPlan: a long print holds one page at once.
Status printPages(const PagePlan& settings, int count, const std::function<PlanPage(int)>& page,
                  const PrintTarget& target, int copies = 1);

// Prints a whole plan as `copies` jobs, each copy its own job with its own page numbers. To
// a PDF the copies follow one another in the one file. A plan without pages prints nothing.
Status printPlan(const PagePlan& plan, const PrintTarget& target, int copies = 1);

} // namespace quintora
