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
    Q_PROPERTY(double colonneIntegrale READ colonneIntegrale WRITE setColonneIntegrale)
    Q_PROPERTY(double colonneElaborate READ colonneElaborate WRITE setColonneElaborate)
    Q_PROPERTY(double colonneSistema READ colonneSistema WRITE setColonneSistema)
public:
    ProgressDialog(Language& language, QWidget* parent);

    double colonneIntegrale() const { return integral_; }
    double colonneElaborate() const { return processed_; }
    double colonneSistema() const { return accepted_; }
    void setColonneIntegrale(double value) { integral_ = value; }
    void setColonneElaborate(double value) { processed_ = value; }
    void setColonneSistema(double value) { accepted_ = value; }

    // One report of the engine: the three values, the bar and the number labels; at the
    // limit also the alarm text.
    void showProgress(const DevelopmentProgress& progress);

    // The text of the cancel question, from the language strings "0001".."0004".
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
