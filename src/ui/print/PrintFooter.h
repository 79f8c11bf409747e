#pragma once

#include "core/Result.h"

#include <QWidget>

namespace quintora {

class Language;
class MessageLine;
class PdfNotice;

// The foot of a printing window: where the PDF just written went, and a line when the output
// chosen could not be remembered for the next print.
class PrintFooter : public QWidget {
    Q_OBJECT
public:
    PrintFooter(Language& language, QWidget* parent);

    PdfNotice* notice() const { return notice_; }
    MessageLine* outputProblem() const { return outputProblem_; }
    // What the settings said when told the output: a failure is said on the line, not in a
    // box, since the print goes on; the next one only offers the default output again.
    void showOutputKept(const Status& kept);

protected:
    // Shown only while one of its lines is: an empty foot takes no room in the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PdfNotice* notice_ = nullptr;
    MessageLine* outputProblem_ = nullptr; // lblUscitaNonRicordata
};

} // namespace quintora
