#include "ui/conditions/EvenOddDialog.h"

#include "core/Conditions.h"
#include "ui/conditions/WindowLoad.h"
#include "ui/widgets/CellGrid.h"

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

EvenOddDialog::EvenOddDialog(SystemState& state, Language& language, QWidget* parent)
    : ConditionDialog(QStringLiteral("frmPari"), QStringLiteral("Pari e Dispari"),
                      QStringLiteral("optCondizione"), state.conditions.evenOddActive,
                      conditionsEditable(state), parent)
    , state_(state)
    , grid_(new CellGrid(QStringLiteral("labPariDispari"), evenOddCaptions(), 1, CellLook::red(),
                         true, panel())) {
    auto* headings = new QHBoxLayout;
    auto* even = new QLabel(QStringLiteral("Pari"), panel());
    even->setObjectName(QStringLiteral("lblPari"));
    auto* odd = new QLabel(QStringLiteral("Dispari"), panel());
    odd->setObjectName(QStringLiteral("lblDispari"));
    headings->addWidget(even);
    headings->addStretch();
    headings->addWidget(odd);
    panelLayout()->addLayout(headings);
    panelLayout()->addWidget(grid_);

    for (int k = 0; k < grid_->count(); ++k) {
        grid_->cell(k)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid_->setMarked(k, isOn(state.conditions.evenCountAllowed[static_cast<std::size_t>(k)]));
    }
    connect(grid_, &CellGrid::cellActivated, this, &EvenOddDialog::toggle);
    loadWindowTexts(this, language);
}

void EvenOddDialog::toggle(int index) {
    const bool marked = !grid_->marked(index);
    grid_->setMarked(index, marked);
    state_.conditions.evenCountAllowed[static_cast<std::size_t>(index)] = toFlag(marked);
}

} // namespace quintora
