#pragma once

#include "check/SystemAnalysis.h"
#include "core/GameModel.h"

#include <atomic>
#include <optional>
#include <QDialog>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace quintora {

class Language;

// frmAnalisi: the exact odds of each prize category of a system in one draw and its
// guarantee. The work runs on its own thread over a copy of the columns, with progress; the
// window stays alive meanwhile, and closing it stops the work.
class AnalysisDialog : public QDialog {
    Q_OBJECT
public:
    AnalysisDialog(std::vector<Column> columns, std::vector<std::uint8_t> systemEuro, int euroMax,
                   Language& language, QWidget* parent);
    ~AnalysisDialog() override;

    // The result once the work is done.
    const std::optional<SystemAnalysis>& result() const { return result_; }

signals:
    void analysisDone();

protected:
    void changeEvent(QEvent* event) override;

private:
    void start();
    void showProgress(int percent);
    void showResult();
    void writeTexts();

    std::vector<Column> columns_;
    std::vector<std::uint8_t> systemEuro_;
    int euroMax_;
    Language& language_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
    std::optional<SystemAnalysis> result_;

    QLabel* outcomes_ = nullptr;
    QTableWidget* odds_ = nullptr;
    QTableWidget* guarantee_ = nullptr;
    QLabel* progressText_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

} // namespace quintora
