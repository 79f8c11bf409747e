#include "ui/conditions/FixedDialog.h"

#include "core/Conditions.h"
#include "ui/widgets/CellGrid.h"
#include "ui/WindowLoad.h"

#include <array>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

FixedDialog::FixedDialog(SystemState& state, Language& language, QWidget* parent)
    : ConditionDialog(QStringLiteral("frmFisse"), QStringLiteral(" Fisse"),
                      QStringLiteral("optCondFisse"), state.conditions.fixedActive,
                      conditionsEditable(state), parent)
    , state_(state)
    , grid_(new CellGrid(QStringLiteral("labGriglia"), CellGrid::numberCaptions(MainNumberCount),
                         10, CellLook::red(), true, panel()))
    , count_(new QLabel(panel())) {
    const NumberMask playing = numbersInPlayMask(state.header);
    for (int i = 0; i < MainNumberCount; ++i) {
        grid_->cell(i)->setSelectable((playing & numberBit(i + 1)) != 0);
        grid_->setMarked(i, (playing & numberBit(i + 1)) != 0 &&
                                state.conditions.fixedNumbers[static_cast<std::size_t>(i)] == 1);
    }
    connect(grid_, &CellGrid::cellActivated, this, &FixedDialog::toggle);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Numeri fissi selezionati"), panel());
    caption->setObjectName(QStringLiteral("lblSelezionati"));
    count_->setObjectName(QStringLiteral("l1"));
    row->addWidget(caption);
    row->addWidget(count_);
    row->addStretch();
    panelLayout()->addWidget(grid_);
    panelLayout()->addLayout(row);
    showCount();
    loadWindowTexts(this, language);
}

void FixedDialog::toggle(int index) {
    if (grid_->marked(index)) {
        grid_->setMarked(index, false);
    } else if (canSelectAnotherFixed(grid_->markedCount())) {
        grid_->setMarked(index, true);
    }
    showCount();
}

void FixedDialog::showCount() {
    count_->setNum(grid_->markedCount());
}

void FixedDialog::done(int result) {
    if (editable()) {
        std::array<bool, MainNumberCount> marks{};
        for (int i = 0; i < MainNumberCount; ++i) {
            marks[static_cast<std::size_t>(i)] = grid_->marked(i);
        }
        storeFixedNumbers(state_.conditions, marks);
    }
    ConditionDialog::done(result);
}

} // namespace quintora
