#include "ui/conditions/EvenOddDialog.h"

#include "core/Conditions.h"
#include "document/SystemDocument.h"
#include "ui/widgets/CellGrid.h"
#include "ui/WindowLoad.h"

#include <algorithm>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

namespace {

QStringList evenOddCaptions() {
    QStringList captions;
    for (int even = 0; even <= 5; ++even) {
        captions << QStringLiteral("  %1                 %2").arg(even).arg(5 - even);
    }
    return captions;
}

} // namespace

EvenOddDialog::EvenOddDialog(SystemDocument& document, Language& language, QWidget* parent)
    : ConditionDialog(
          QStringLiteral("frmPari"), QStringLiteral("Pari e Dispari"),
          QStringLiteral("optCondizione"), document.state().conditions.evenOddOn(),
          document.canEditConditions(),
          [&document](bool on) {
              return document.editCondition(SystemDocument::EvenOddEdit{on, {}});
          },
          parent)
    , document_(document)
    // Marked rows are the accepted ones: the selection colour, not the red that reads as
    // excluded.
    , grid_(new CellGrid(QStringLiteral("labPariDispari"), evenOddCaptions(), 1, CellLook::blue(),
                         true, panel())) {
    // Centre each heading over its column of digits in the cells' captions.
    auto* even = new QLabel(QStringLiteral("Pari"), panel());
    even->setObjectName(QStringLiteral("lblPari"));
    auto* odd = new QLabel(QStringLiteral("Dispari"), panel());
    odd->setObjectName(QStringLiteral("lblDispari"));
    const QFontMetrics cellFont(grid_->cell(0)->font());
    const int textStart =
        grid_->cell(0)->frameWidth() + cellFont.horizontalAdvance(QLatin1Char('x')) / 2;
    const int digit = cellFont.horizontalAdvance(QLatin1Char('0'));
    const int evenCentre = textStart + cellFont.horizontalAdvance(QStringLiteral("  ")) + digit / 2;
    const int oddCentre =
        textStart + cellFont.horizontalAdvance(QStringLiteral("  0                 ")) + digit / 2;
    const QFontMetrics headingFont(even->font());
    const int evenLeft = std::max(0, evenCentre - headingFont.horizontalAdvance(even->text()) / 2);
    const int oddLeft = std::max(evenLeft + headingFont.horizontalAdvance(even->text()) + 4,
                                 oddCentre - headingFont.horizontalAdvance(odd->text()) / 2);
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->addSpacing(evenLeft);
    headings->addWidget(even);
    headings->addSpacing(oddLeft - evenLeft - headingFont.horizontalAdvance(even->text()));
    headings->addWidget(odd);
    headings->addStretch();
    panelLayout()->addLayout(headings);
    panelLayout()->addWidget(grid_);

    for (int k = 0; k < grid_->count(); ++k) {
        grid_->cell(k)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid_->setMarked(k, document.state().conditions.evenCounts().contains(k));
    }
    connect(grid_, &CellGrid::cellActivated, this, &EvenOddDialog::toggle);
    loadWindowTexts(this, language);
}

void EvenOddDialog::toggle(int index) {
    const bool marked = !grid_->marked(index);
    grid_->setMarked(index, marked);
    auto counts = document_.state().conditions.evenCounts();
    counts.set(index, marked);
    report(document_.editCondition(
        SystemDocument::EvenOddEdit{document_.state().conditions.evenOddOn(), counts}));
}

} // namespace quintora
