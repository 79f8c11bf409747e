#include "ui/print/PrintFooter.h"

#include "core/Result.h"
#include "ui/print/PdfNotice.h"
#include "ui/widgets/MessageLine.h"

#include <QVBoxLayout>

namespace quintora {

PrintFooter::PrintFooter(Language& language, QWidget* parent)
    : QWidget(parent) {
    notice_ = new PdfNotice(language, this);
    outputProblem_ = new MessageLine(language, this);
    outputProblem_->setObjectName(QStringLiteral("lblUscitaNonRicordata"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 0, 9, 9);
    layout->addWidget(notice_);
    layout->addWidget(outputProblem_);
}

void PrintFooter::showOutputKept(const Status& kept) {
    if (kept.failed()) {
        outputProblem_->showMessage(Message{text::OutputNotRemembered, {kept.error().what}});
    } else {
        outputProblem_->clear();
    }
}

} // namespace quintora
