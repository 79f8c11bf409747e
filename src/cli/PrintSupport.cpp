#include "cli/PrintSupport.h"

#include "print/CalibrationFile.h"

#include <cstdio>
#include <cstdlib>
#include <QGuiApplication>

namespace quintora::cli {

namespace {

// Qt's notes about the desktop session (no runtime folder without a login) are not the
// user's business here; everything else goes to standard error as usual.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

PrintSession::PrintSession() {
    qInstallMessageHandler(quietMessages);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

PrintSession::~PrintSession() = default;

PrintTarget printTargetOf(const PrintTargetArgs& target) {
    if (target.pdf) {
        return PrintTarget::pdf(QString::fromStdString(*target.pdf));
    }
    return PrintTarget::printer(QString::fromStdString(target.printer.value_or("")));
}

std::string calibrationFileOf(const std::optional<std::string>& calibration, SlipType type) {
    return calibration.value_or(standardCalibrationPath(type));
}

int printOrReport(const PagePlan& plan, const PrintTarget& target, int copies) {
    return printOrReport(
        plan, static_cast<int>(plan.pages.size()),
        [&plan](int i) { return plan.pages[static_cast<std::size_t>(i)]; }, target, copies);
}

int printOrReport(const PagePlan& settings, int count, const std::function<PlanPage(int)>& page,
                  const PrintTarget& target, int copies) {
    const Status printed = printPages(settings, count, page, target, copies);
    if (!printed) {
        const std::string where =
            target.isPdf() ? target.pdfPath.toStdString() : target.printerName.toStdString();
        return fail(where + ": " + printed.error().message);
    }
    return ExitSuccess;
}

} // namespace quintora::cli
