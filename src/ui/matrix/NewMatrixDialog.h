#pragma once

#include "core/Result.h"
#include "matrix/OleDate.h"
#include "matrix/WheelMaker.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

namespace quintora {

class Language;
class Prompt;

// frmNuovaMatrice: makes a wheel of our own for V, T, M and F on a worker thread, with its
// progress and a stop button, and saves it into the matrix folder. Accepted once a file is
// saved; savedFileName() then names it.
class NewMatrixDialog : public QDialog {
    Q_OBJECT
public:
    NewMatrixDialog(Prompt& prompt, Language& language, QString matrixFolder, CalendarDate today,
                    std::uint8_t v, QWidget* parent);
    ~NewMatrixDialog() override; // stops a running search and waits for it

    const QString& savedFileName() const { return savedName_; }
    bool running() const { return thread_ != nullptr; }

    // cmdCrea: checks the fields, asks before replacing a file, starts the search.
    void start();
    // cmdStop: the search ends with the best wheel found so far, which is saved.
    void stop() { stop_ = true; }

    void done(int result) override;

private:
    void finish();
    void showRunning(bool running);

    Prompt& prompt_;
    Language& language_;
    const QString folder_;
    const CalendarDate today_;
    QString savedName_;
    QString target_;

    QSpinBox* v_ = nullptr;
    QSpinBox* t_ = nullptr;
    QSpinBox* m_ = nullptr;
    QSpinBox* f_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QLineEdit* author_ = nullptr;
    QLineEdit* description_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* columns_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* close_ = nullptr;

    std::atomic<bool> stop_{false};
    QThread* thread_ = nullptr;
    WheelShape shape_;
    std::optional<Result<Wheel>> outcome_; // written by the worker, read after it ended
};

} // namespace quintora
