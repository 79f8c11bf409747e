#pragma once

#include <functional>
#include <QString>

class QWidget;

namespace quintora {
class MainWindow;
}

namespace quintora::test {

// Saves a window under a name without extension ("check", "stats-somma").
using SaveShot = std::function<void(QWidget* window, const QString& name)>;

// The check windows, the archive and the statistics as a user sees them: the archive window with
// the real history (built from `historyPath` when the data folder has no archive yet), the check
// dialog after a check of the latest draw, the archive-check grid before and with the filter on
// "Max", and each of the six charts. The window's system must hold columns; nothing prompts.
void saveArchiveScreenshots(MainWindow& window, const QString& historyPath, const SaveShot& save);

} // namespace quintora::test
