#include "render/PrintJob.h"

#include "files/FileIo.h"
#include "render/PlanRenderer.h"
#include "render/Printers.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace quintora {

namespace {

constexpr int PdfResolution = 1200;

Error printerMissing() {
    return Error{"!!! E R R O R E !!!", "Stampante non installata"};
}

QPageLayout wholePage(const PagePlan& plan) {
    const QPageSize size(QSizeF(plan.pageWidth, plan.pageHeight), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

class PdfJob final : public PrintJob {
public:
    PdfJob(const QString& path, const PagePlan& plan)
        : path_(path)
        , writer_(&buffer_) {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setTitle(QString::fromStdString(plan.title));
        writer_.setCreator(QStringLiteral("Quintora"));
        writer_.setResolution(PdfResolution);
        writer_.setPageLayout(wholePage(plan));
    }
    ~PdfJob() override { stopPainting(); }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    Status complete() override {
        buffer_.close();
        const QByteArray& bytes = buffer_.data();
        return writeFileAtomically(
            path_.toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size())));
    }

    Error openFailure() const override {
        return Error{"!!! E R R O R E !!!", "Impossibile creare il file PDF"};
    }

private:
    QString path_;
    QBuffer buffer_;
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
    if (target.isPdf()) {
        const Status writable = checkSaveTarget(target.pdfPath.toStdString());
        if (!writable) {
            return writable.error();
        }
        return std::unique_ptr<PrintJob>(std::make_unique<PdfJob>(target.pdfPath, settings));
    }
    const QString name = target.printerName.isEmpty() ? defaultPrinter() : target.printerName;
    if (!printerInstalled(name)) {
        return printerMissing();
    }
    return std::unique_ptr<PrintJob>(
        std::make_unique<PrinterJob>(QPrinterInfo::printerInfo(name), settings));
}

Status PrintJob::addPage(const PlanPage& page) {
    if (finished_) {
        return Error{"!!! E R R O R E !!!", "La stampa e' gia' terminata"};
    }
    // The job opens with its first page, so a job that gets none prints nothing.
    if (!painter_ && !beginPainting()) {
        finished_ = true;
        return openFailure();
    }
    if (pages_ > 0 && !device().newPage()) {
        return Error{"!!! E R R O R E !!!", "La stampante non accetta una nuova pagina"};
    }
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
        return Error{"!!! E R R O R E !!!", "La stampa non e' terminata correttamente"};
    }
    return complete();
}

Status printPlan(const PagePlan& plan, const PrintTarget& target, int copies) {
    if (plan.pages.empty()) {
        return success();
    }
    const int jobs = target.isPdf() ? 1 : std::max(copies, 1);
    const int perJob = target.isPdf() ? std::max(copies, 1) : 1;
    for (int j = 0; j < jobs; ++j) {
        auto job = PrintJob::start(target, plan);
        if (!job) {
            return job.error();
        }
        for (int c = 0; c < perJob; ++c) {
            for (const auto& page : plan.pages) {
                const Status added = job.value()->addPage(page);
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

} // namespace quintora
