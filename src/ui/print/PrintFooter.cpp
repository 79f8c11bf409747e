#include "ui/print/PrintFooter.h"

#include "ui/print/PdfNotice.h"
#include "ui/widgets/MessageLine.h"

#include <QEvent>
#include <QVBoxLayout>

namespace quintora {

PrintFooter::PrintFooter(Language& language, QWidget* parent)
    : QWidget(parent) {
    notice_ = new PdfNotice(language, this);
    outputProblem_ = new MessageLine(language, this);
    outputProblem_->setObjectName(QStringLiteral("lblUscitaNonRicordata"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 0, 9, 0); // the window keeps the room below
    layout->addWidget(notice_);
    layout->addWidget(outputProblem_);
    notice_->installEventFilter(this);
    outputProblem_->installEventFilter(this);
    hide();
}

bool PrintFooter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        setVisible(!notice_->isHidden() || !outputProblem_->isHidden());
        // A line that comes grows the window rather than squeezing the controls above it.
        QWidget* shown = window();
        if (const int wanted = shown->sizeHint().height(); shown->height() < wanted) {
            shown->resize(shown->width(), wanted);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PrintFooter::showOutputKept(const Status& kept) {
    if (kept.failed()) {
        outputProblem_->showMessage(Message{text::OutputNotRemembered, {kept.error().what}});
    } else {
        outputProblem_->clear();
    }
}

} // namespace quintora
