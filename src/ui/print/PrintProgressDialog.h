#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quintora {

class Language;
class Prompt;

// frmPrnInCorso: the slip in hand while slips print, and cmdInterrompi, which asks before it
// requests the stop. Closing the window asks the same. It only shows and asks; the run that
// prints decides when to stop.
class PrintProgressDialog : public QDialog {
    Q_OBJECT
public:
    PrintProgressDialog(Language& language, Prompt& prompt, QWidget* parent);

    // "Scheda n. 00012".
    void showSlip(int slipNumber);
    // Closes for good once the run is over (no question then).
    void finish();

signals:
    // The stop question opens and closes: nothing should print while it is asked.
    void questionOpened();
    void questionClosed();
    // The user confirmed the stop.
    void stopRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void askStop();

    Language& language_;
    Prompt& prompt_;
    QLabel* slip_;        // lblScheda
    QString slipCaption_; // "Scheda n. "
    bool finished_ = false;
    bool asking_ = false;
};

} // namespace quintora
