#include "render/Printers.h"

#include "print/SlipLayout.h"

#include <QPrinterInfo>
#include <vector>

namespace quintora {

QStringList installedPrinters() {
    return QPrinterInfo::availablePrinterNames();
}

QString defaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

bool printerInstalled(const QString& name) {
    return !name.isEmpty() && installedPrinters().contains(name);
}

QString printerOrDefault(const QString& wanted) {
    return printerInstalled(wanted) ? wanted : defaultPrinter();
}

int printerResolution(const QString& name, short quality) {
    const QList<int> offered = QPrinterInfo::printerInfo(name).supportedResolutions();
    const std::vector<int> supported(offered.begin(), offered.end());
    return resolutionForQuality(quality, supported);
}

} // namespace quintora
