#pragma once

#include <QString>
#include <QStringList>

namespace quintora {

// The installed printers (the print system's queues) by device name, in the system's order.
QStringList installedPrinters();
// The system's default printer; empty when there is none.
QString defaultPrinter();
bool printerInstalled(const QString& name);
// `wanted` when it is installed, otherwise the default printer: a saved printer that was
// removed leaves the current choice as it was.
QString printerOrDefault(const QString& wanted);
// The resolution (dpi) a slip quality selects on that printer.
int printerResolution(const QString& name, short quality);

} // namespace quintora
