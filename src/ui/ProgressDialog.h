#pragma once

#include "core/Development.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quintora {

class Language;

// frmCalcolo: the progress of a development. It only shows values; the cancel button is
// reported by cancelClicked() (so is closing the dialog), and whoever runs the development
// decides what happens.
class ProgressDialog : public QDialog {
    Q_OBJECT
    Q_PROPERTY(double integralCount READ integralCount WRITE setIntegralCount)
    Q_PROPERTY(double processedCount READ processedCount WRITE setProcessedCount)
    Q_PROPERTY(double acceptedCount READ acceptedCount WRITE setAcceptedCount)
public:
    ProgressDialog(Language& language, QWidget* parent);

    // The integral size, the combinations processed and the columns accepted.
    double integralCount() const { return integral_; }
    double processedCount() const { return processed_; }
    double acceptedCount() const { return accepted_; }
    void setIntegralCount(double value) { integral_ = value; }
    void setProcessedCount(double value) { processed_ = value; }
    void setAcceptedCount(double value) { accepted_ = value; }

    // One report of the engine: the three values, the bar and the number labels; at the
    // limit also the alarm text.
    void showProgress(const DevelopmentProgress& progress);

    // The text of the cancel question, from text::IntegralColumns .. text::StopDevelopmentQuestion.
    QString cancelQuestionText();

signals:
    void cancelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void refreshNumbers();

    Language& language_;
    QProgressBar* bar_;
    QLabel* integralLabel_;
    QLabel* processedLabel_;
    QLabel* acceptedLabel_;
    QLabel* alarmLabel_;
    QPushButton* cancelButton_;
    double integral_ = 0;
    double processed_ = 0;
    double accepted_ = 0;
};

} // namespace quintora
