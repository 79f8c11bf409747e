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

Result<PrintTarget> printTargetOf(const ParsedArgs& args) {
    if (args.has("--pdf") == args.has("--printer")) {
        return Error{"", "give either --pdf OUT.pdf or --printer NAME"};
    }
    if (args.has("--pdf")) {
        return PrintTarget::pdf(QString::fromStdString(args.option("--pdf")));
    }
    return PrintTarget::printer(QString::fromStdString(args.option("--printer")));
}

Result<SlipType> slipTypeOf(const ParsedArgs& args) {
    if (!args.has("--type")) {
        return Error{"", "--type 1 or --type 5 is needed"};
    }
    const std::string& type = args.option("--type");
    if (type == "1") {
        return SlipType::OneColumn;
    }
    if (type == "5") {
        return SlipType::FiveColumns;
    }
    return Error{"", "--type: 1 (1-column slip) or 5 (5-column slip)"};
}

std::string calibrationFileOf(const ParsedArgs& args, SlipType type) {
    return args.has("--calibration") ? args.option("--calibration") : standardCalibrationPath(type);
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
