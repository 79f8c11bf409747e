#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <QString>
#include <QStringList>

namespace quintora {

struct AppContext;
class MainWindow;
class Prompt;
class SingleInstance;
class SystemDocument;
class VersionCheck;

// Entry k is 2^k: the filter-column test looks bits up here.
inline constexpr std::array<std::int32_t, 31> PowersOfTwo = [] {
    std::array<std::int32_t, 31> powers{};
    for (int k = 0; k < 31; ++k) {
        powers[static_cast<std::size_t>(k)] = std::int32_t{1} << k;
    }
    return powers;
}();

// Waits `milliseconds` while the windows keep working (Wait): an event loop that a timer ends.
void waitProcessingEvents(double milliseconds);

// The command line as one system file path: the arguments joined by blanks, quotes removed,
// made absolute (a second copy may run in another folder). Empty when there is none.
QString commandLineFile(const QStringList& arguments);

// The program's start: data folders, one running copy, the splash window, the version check,
// the main window with an empty system, and a system file named on the command line.
class StartUp {
public:
    StartUp(SystemDocument& document, Prompt& prompt, VersionCheck& versionCheck,
            const QString& dataRoot);
    ~StartUp();

    // Everything up to the main window on screen. False when this copy is to end at once:
    // another copy runs (and got the command line) or the version check ended the program.
    bool run(const QStringList& arguments);

    AppContext& context() const { return *context_; }
    MainWindow* mainWindow() const { return window_.get(); }
    SingleInstance* instance() const { return instance_.get(); }

    static constexpr double SplashMilliseconds = 500;

private:
    void onActivationRequested(const QString& systemFile);

    std::unique_ptr<AppContext> context_;
    VersionCheck& versionCheck_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<MainWindow> window_;
    QStringList pendingFiles_; // asked for by another copy before the window was shown
    bool shown_ = false;
};

} // namespace quintora
