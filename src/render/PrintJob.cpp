#include "render/PrintJob.h"

#include "files/FileIo.h"
#include "render/PlanRenderer.h"
#include "render/Printers.h"

#include <malloc.h>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace quintora {

namespace {

constexpr int PdfResolution = 1200;

// Every page of a print allocates and frees buffers of some hundred kilobytes (its content
// and its compressed stream). Left to its defaults the allocator maps and unmaps each of them
// and trims the heap after each page, which costs more than drawing the page: keep such
// blocks in the heap for the rest of the run.
void keepPageBuffersInTheHeap() {
    constexpr int LargeBlockBytes = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, LargeBlockBytes);
    mallopt(M_TRIM_THRESHOLD, 2 * LargeBlockBytes);
}

Error printerMissing() {
    return Error{Message{text::ErrorBanner}, Message{text::PrinterNotInstalled}};
}

QPageLayout wholePage(const PagePlan& plan) {
    const QPageSize size(QSizeF(plan.pageWidth, plan.pageHeight), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// The PDF's bytes on their way to the file: gathered into large pieces, so the writer's many
// small writes cost no system call each, and handed to the atomic saver's temporary file.
// Nothing of the document stays in memory once written.
class PdfFileDevice final : public QIODevice {
public:
    explicit PdfFileDevice(std::unique_ptr<AtomicFileWriter> file)
        : file_(std::move(file)) {
        pending_.reserve(PieceBytes);
    }

    // Writes what is pending and puts the file in place; the first failure on the way if any.
    Status commit() {
        flushPending();
        if (!failure_.ok()) {
            return failure_;
        }
        return file_->commit();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (!failure_.ok()) {
            return -1;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
        pending_.insert(pending_.end(), bytes, bytes + length);
        if (pending_.size() >= PieceBytes) {
            flushPending();
        }
        return failure_.ok() ? length : -1;
    }

private:
    static constexpr std::size_t PieceBytes = 1 << 18;

    void flushPending() {
        if (failure_.ok() && !pending_.empty()) {
            failure_ = file_->write(pending_);
        }
        pending_.clear();
    }

    std::unique_ptr<AtomicFileWriter> file_;
    std::vector<std::uint8_t> pending_;
    Status failure_ = success();
};

class PdfJob final : public PrintJob {
public:
    PdfJob(std::unique_ptr<AtomicFileWriter> file, const PagePlan& plan)
        : file_(std::move(file))
        , writer_(&file_) {
        file_.open(QIODevice::WriteOnly);
        writer_.setTitle(QString::fromStdString(plan.title));
        writer_.setCreator(QStringLiteral("Quintora"));
        writer_.setResolution(PdfResolution);
        writer_.setPageLayout(wholePage(plan));
    }
    ~PdfJob() override { stopPainting(); }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    Status complete() override { return file_.commit(); }

    Error openFailure() const override {
        return Error{Message{text::ErrorBanner}, Message{text::PdfNotCreated}};
    }

private:
    PdfFileDevice file_;
    QPdfWriter writer_;
};

class PrinterJob final : public PrintJob {
public:
    PrinterJob(const QPrinterInfo& info, const PagePlan& plan)
        : printer_(info, QPrinter::HighResolution) {
        setUpPrinter(printer_, plan);
    }
    ~PrinterJob() override { stopPainting(); }

protected:
    QPagedPaintDevice& device() override { return printer_; }
    Status complete() override { return success(); }
    Error openFailure() const override { return printerMissing(); }

private:
    QPrinter printer_;
};

} // namespace

void setUpPrinter(QPrinter& printer, const PagePlan& plan) {
    printer.setDocName(QString::fromStdString(plan.title));
    printer.setFullPage(true);
    printer.setPageLayout(wholePage(plan));
    if (plan.quality && printer.outputFormat() == QPrinter::NativeFormat) {
        printer.setResolution(printerResolution(printer.printerName(), *plan.quality));
    }
}

PrintJob::~PrintJob() = default;

void PrintJob::stopPainting() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

bool PrintJob::beginPainting() {
    painter_ = std::make_unique<QPainter>();
    return painter_->begin(&device());
}

Result<std::unique_ptr<PrintJob>> PrintJob::start(const PrintTarget& target,
                                                  const PagePlan& settings) {
    keepPageBuffersInTheHeap();
    if (target.isPdf()) {
        auto file = AtomicFileWriter::open(target.pdfPath.toStdString());
        if (!file) {
            return file.error();
        }
        return withSettings(std::make_unique<PdfJob>(std::move(file.value()), settings), settings);
    }
    const QString name = target.printerName.isEmpty() ? defaultPrinter() : target.printerName;
    if (!printerInstalled(name)) {
        return printerMissing();
    }
    return withSettings(std::make_unique<PrinterJob>(QPrinterInfo::printerInfo(name), settings),
                        settings);
}

std::unique_ptr<PrintJob> PrintJob::withSettings(std::unique_ptr<PrintJob> job,
                                                 const PagePlan& settings) {
    job->settings_ = settings;
    job->settings_.pages.clear();
    return job;
}

Status PrintJob::addPage(const PlanPage& page) {
    if (finished_) {
        return Error{Message{text::ErrorBanner}, Message{text::PrintAlreadyEnded}};
    }
    // The job opens with its first page, so a job that gets none prints nothing.
    if (!painter_ && !beginPainting()) {
        finished_ = true;
        return openFailure();
    }
    if (pages_ > 0 && !device().newPage()) {
        return Error{Message{text::ErrorBanner}, Message{text::PrinterRefusesNewPage}};
    }
    painter_->setTransform(planTransform(device(), settings_));
    paintPlanPage(*painter_, page);
    ++pages_;
    return success();
}

Status PrintJob::finish() {
    if (finished_) {
        return success();
    }
    finished_ = true;
    if (pages_ == 0) {
        // Nothing was printed (a run stopped before its first slip): no job was opened, so
        // there is no blank sheet and no file.
        return success();
    }
    if (!painter_->end()) {
        return Error{Message{text::ErrorBanner}, Message{text::PrintEndedBadly}};
    }
    return complete();
}

Status printPages(const PagePlan& settings, int count, const std::function<PlanPage(int)>& page,
                  const PrintTarget& target, int copies) {
    if (count <= 0) {
        return success();
    }
    const int jobs = target.isPdf() ? 1 : std::max(copies, 1);
    const int perJob = target.isPdf() ? std::max(copies, 1) : 1;
    for (int j = 0; j < jobs; ++j) {
        auto job = PrintJob::start(target, settings);
        if (!job) {
            return job.error();
        }
        for (int c = 0; c < perJob; ++c) {
            for (int i = 0; i < count; ++i) {
                const Status added = job.value()->addPage(page(i));
                if (!added) {
                    return added;
                }
            }
        }
        const Status done = job.value()->finish();
        if (!done) {
            return done;
        }
    }
    return success();
}

Status printPlan(const PagePlan& plan, const PrintTarget& target, int copies) {
    return printPages(
        plan, static_cast<int>(plan.pages.size()),
        [&plan](int index) { return plan.pages[static_cast<std::size_t>(index)]; }, target, copies);
}

} // namespace quintora
