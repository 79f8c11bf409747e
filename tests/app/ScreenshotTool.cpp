// quintora_screenshots OUTDIR: drives the real windows through a typical run and saves a PNG
// of each state (scripts/screenshots.sh runs it under a virtual X server). The prompts are
// scripted; each message box is also shown for real and captured, never waited on.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "ArchiveScreenshots.h"
#include "core/Development.h"
#include "document/SystemDocument.h"
#include "files/SystemFile.h"
#include "support/ScriptedPrompt.h"
#include "support/TemporaryXdg.h"
#include "ui/AboutDialog.h"
#include "ui/ColumnViewer.h"
#include "ui/DevelopmentRunner.h"
#include "ui/ProgressDialog.h"
#include "ui/SplashWindow.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

using namespace quintora;

namespace {

QString outDir;

void settle(int ms = 150) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void save(QWidget* w, const char* name) {
    settle();
    const QString path = outDir + u'/' + QString::fromUtf8(name);
    if (!w->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

template <typename Pred> bool waitFor(Pred done, int ms = 30000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(2);
    }
    return done();
}

// Watches the scripted prompt: shows each message box or question as the real box, runs
// what must happen while it is up, and captures it under the next name given.
class BoxCamera {
public:
    using Call = test::ScriptedPrompt::Call;
    using Kind = test::ScriptedPrompt::Kind;

    const char* nextName = nullptr;
    std::function<void()> beforeAnswer;

    void shoot(const Call& call) {
        if (call.kind != Kind::Message && call.kind != Kind::Question) {
            return;
        }
        using Icon = Prompt::Icon;
        const auto icon = call.icon;
        const auto boxIcon = icon == Icon::Critical      ? QMessageBox::Critical
                             : icon == Icon::Question    ? QMessageBox::Question
                             : icon == Icon::Exclamation ? QMessageBox::Warning
                             : icon == Icon::Information ? QMessageBox::Information
                                                         : QMessageBox::NoIcon;
        const QMessageBox::StandardButtons buttons =
            call.kind == Kind::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
        QMessageBox box(boxIcon, call.title.isEmpty() ? QStringLiteral("Quintora") : call.title,
                        call.text, buttons);
        box.show();
        if (beforeAnswer) {
            std::exchange(beforeAnswer, nullptr)();
        }
        if (nextName != nullptr) {
            save(&box, std::exchange(nextName, nullptr));
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quintora_screenshots OUTDIR\n");
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    test::TemporaryXdg xdg;

    SystemDocument document;
    test::ScriptedPrompt prompt;
    BoxCamera camera;
    bool unexpected = false;
    prompt.setObserver([&](const BoxCamera::Call& call) {
        if (prompt.pending() == 0) {
            std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(call.text));
            unexpected = true;
        }
        camera.shoot(call);
    });
    AppContext context(document, prompt, DataFolder(DataFolder::standardRoot()));
    context.dataFolder.createTree();

    {
        SplashWindow splash;
        splash.show();
        save(&splash, "splash.png");
    }

    MainWindow window(context);
    window.show();
    save(&window, "main-empty.png");

    for (int n : {3, 8, 15, 22, 30, 37, 41, 44, 49, 50}) {
        window.clickNumber(n - 1);
    }
    window.clickEuro(2);
    window.clickEuro(6);
    save(&window, "main-marked.png");

    // A development of all 50 numbers: held mid-run for the progress dialog, then to the limit.
    window.clearAll();
    for (int i = 0; i < 50; ++i) {
        window.clickNumber(i);
    }
    window.clickEuro(0);
    window.clickEuro(1);
    prompt.acceptMessage(); // the limit warning
    prompt.acceptMessage(); // the elapsed time
    window.develop();
    auto* runner = window.findChild<DevelopmentRunner*>();
    auto* dialog = window.findChild<ProgressDialog*>();
    std::atomic<bool> held{false};
    QObject::connect(
        runner, &DevelopmentRunner::progress, runner,
        [&](const DevelopmentProgress& p) {
            if (p.percent >= 5 && !held.exchange(true)) {
                runner->pause();
            }
        },
        Qt::DirectConnection);
    waitFor([&] { return held.load() && dialog->processedCount() > 0; });
    save(dialog, "progress.png");
    camera.nextName = "limit-warning.png";
    camera.beforeAnswer = [&] {
        save(dialog, "progress-limit.png");
    };
    runner->resume();
    waitFor([&] { return !window.isDeveloping(); });
    save(&window, "main-limit.png");

    camera.nextName = "question-modifiche.png";
    prompt.answerQuestion(true);
    window.reopenForChanges();
    window.clearAll();
    for (int n : {3, 8, 15, 22, 30, 37, 41, 44, 49, 50}) {
        window.clickNumber(n - 1);
    }
    window.clickEuro(2);
    window.clickEuro(6);
    camera.nextName = "elapsed-time.png";
    prompt.acceptMessage();
    window.develop();
    waitFor([&] { return !window.isDeveloping(); });
    save(&window, "main-developed.png");
    if (!saveSystemFile((outDir + QStringLiteral("/developed.qsy")).toStdString(),
                        document.state())) {
        std::fprintf(stderr, "cannot save developed.qsy\n");
    }

    window.openViewer();
    if (auto* viewer = window.findChild<ColumnViewer*>()) {
        save(viewer, "viewer.png");
        viewer->findChild<QPushButton*>(QStringLiteral("cmdTOP"))->click();
        viewer->resize(640, 560);
        save(viewer, "viewer-last-large.png");
        viewer->close();
    }

    window.showAbout();
    if (auto* about = window.findChild<AboutDialog*>()) {
        save(about, "about.png");
        about->close();
    }

    test::saveArchiveScreenshots(window,
                                 QStringLiteral(QUINTORA_SOURCE_DATA "/eurojackpot-draws.txt"),
                                 [](QWidget* w, const QString& name) {
                                     save(w, qPrintable(name + QStringLiteral(".png")));
                                 });

    window.resize(1200, 820);
    save(&window, "main-large.png");
    window.resize(window.minimumSizeHint());
    save(&window, "main-small.png");
    if (prompt.pending() != 0) {
        std::fprintf(stderr, "%d scripted answers were never asked for\n", prompt.pending());
    }
    return unexpected || prompt.pending() != 0 ? 1 : 0;
}
