#pragma once

#include "core/SystemState.h"
#include "ui/ProgressDialog.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace quintora {

class DevelopmentRunner;
class Language;
class Prompt;
class SystemDocument;
struct DevelopmentProgress;

// One development as the user sees it: frmCalcolo with the engine's progress, the cancel
// question (the engine pauses while it is open), then the limit warning and the elapsed time.
// The worker develops `snapshot`, the document's copy of the system; developed() is emitted
// when the document has taken the result and those boxes are closed; the owner then closes
// the dialog and deletes the session.
class DevelopmentSession : public QObject {
    Q_OBJECT
public:
    // `owner` is the main window: it stays disabled while the session runs, the dialog
    // (its child) stays usable.
    DevelopmentSession(SystemDocument& document, SystemState snapshot, Prompt& prompt,
                       Language& language, QWidget* owner);
    ~DevelopmentSession() override;

    // Shows the dialog; the engine starts once the event loop has drawn it.
    void start();
    void closeDialog();

    ProgressDialog* dialog() const { return dialog_; }
    DevelopmentRunner* runner() const { return runner_; }

signals:
    void developed();

private:
    void onProgress(const DevelopmentProgress& progress);
    void onCancelClicked();
    void onEngineFinished();
    void complete();

    SystemDocument& document_;
    const SystemState snapshot_;
    Prompt& prompt_;
    Language& language_;
    QPointer<ProgressDialog> dialog_;
    DevelopmentRunner* runner_;
    bool asking_ = false;
    bool finishPending_ = false;
    bool completed_ = false;
};

} // namespace quintora
