#include "app/StartUp.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/ShippedLanguages.h"
#include "app/ShippedMatrices.h"
#include "app/SingleInstance.h"
#include "app/VersionCheck.h"
#include "archive/ShippedHistory.h"
#include "document/SystemDocument.h"
#include "ui/SplashWindow.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <utility>

namespace quintora {

void waitProcessingEvents(double milliseconds) {
    // The loop sleeps until an event or the timer comes; Qt's timers run on a monotonic clock,
    // so midnight or a clock change cannot stretch the wait.
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(std::llround(std::max(0.0, milliseconds))),
                       Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QString commandLineFile(const QStringList& arguments) {
    QString path = arguments.join(u' ');
    path.remove(u'"');
    if (path.isEmpty()) {
        return {};
    }
    return QFileInfo(path).absoluteFilePath();
}

StartUp::StartUp(SystemDocument& document, Prompt& prompt, VersionCheck& versionCheck,
                 const QString& dataRoot)
    : context_(std::make_unique<AppContext>(document, prompt, DataFolder(dataRoot)))
    , versionCheck_(versionCheck) {}

StartUp::~StartUp() = default;

bool StartUp::run(const QStringList& arguments) {
    context_->closing = false;
    context_->dataFolder.createTree();
    copyMissingLanguageFiles(shippedLanguageFolders(), context_->dataFolder.root());
    installMatricesOnFirstStart(shippedMatrixFolders(), context_->dataFolder.matrixFolder());
    // The splash already speaks the chosen language.
    const std::string chosen = context_->settingsDocument.settings().language;
    if (!chosen.empty()) {
        context_->language.select(chosen);
    }
    const QString systemFile = commandLineFile(arguments);

    instance_ = std::make_unique<SingleInstance>(
        SingleInstance::serverName(context_->dataFolder.root()), nullptr);
    if (!instance_->claim(systemFile)) {
        return false; // the running copy comes to the front and opens the file
    }
    QObject::connect(instance_.get(), &SingleInstance::activationRequested, instance_.get(),
                     [this](const QString& file) { onActivationRequested(file); });

    SplashWindow splash(context_->language);
    splash.closeForOtherWindows();
    splash.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();

    if (!versionCheck_.run(*context_)) {
        QApplication::restoreOverrideCursor();
        return false;
    }

    const bool firstStart = context_->askSettingsWithoutLanguage && chosen.empty();
    if (firstStart) {
        // The settings dialog of a first start comes now and waits for the user: no splash
        // on top of it and no busy pointer over it.
        splash.hide();
        QApplication::restoreOverrideCursor();
    }
    window_ = std::make_unique<MainWindow>(*context_);
    if (firstStart) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    // A first start has no archive yet: it begins with the real history that comes with the
    // program. Without it the archive starts empty until the user updates it.
    const QString archivePath = context_->dataFolder.archivePath();
    if (!QFileInfo::exists(archivePath)) {
        if (const QString history = findShippedFile(QString::fromUtf8(ShippedHistoryFileName));
            !history.isEmpty()) {
            (void)buildArchiveFromHistory(history.toStdString(), archivePath.toStdString());
        }
    }
    // Hidden for the whole run: the archive stays in memory, the statistics are ready.
    window_->loadArchiveWindows(); // the window's load began with an empty system

    waitProcessingEvents(SplashMilliseconds);
    splash.close();
    QApplication::restoreOverrideCursor();
    window_->show();
    shown_ = true;

    if (!systemFile.isEmpty()) {
        pendingFiles_.prepend(systemFile);
    }
    if (!pendingFiles_.isEmpty()) {
        QTimer::singleShot(0, window_.get(), [this] {
            const auto files = std::exchange(pendingFiles_, {});
            for (const auto& file : files) {
                window_->openSystemFile(file);
            }
        });
    }
    return true;
}

void StartUp::onActivationRequested(const QString& systemFile) {
    if (!shown_) {
        if (!systemFile.isEmpty()) {
            pendingFiles_.append(systemFile);
        }
        return;
    }
    window_->activateFromOtherCopy(systemFile);
}

} // namespace quintora
