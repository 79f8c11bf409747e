#include "ui/conditions/FixedDialog.h"

#include "core/Conditions.h"
#include "document/SystemDocument.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <array>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

FixedDialog::FixedDialog(SystemDocument& document, Language& language, QWidget* parent)
    : ConditionDialog(
          QStringLiteral("frmFisse"), QStringLiteral(" Fisse"), QStringLiteral("optCondFisse"),
          document.state().conditions.fixedOn(), document.canEditConditions(),
          [&document](bool on) {
              return document.editCondition(SystemDocument::FixedEdit{on, {}});
          },
          parent)
    , document_(document)
    , grid_(new CellGrid(QStringLiteral("labGriglia"), CellGrid::numberCaptions(MainNumberCount),
                         10, CellLook::red(), true, panel()))
    , count_(new QLabel(panel())) {
    const auto playing = document.state().header.numbers();
    const auto fixed = document.state().conditions.fixed();
    for (int i = 0; i < MainNumberCount; ++i) {
        grid_->cell(i)->setSelectable(playing.contains(i + 1));
        grid_->setMarked(i, playing.contains(i + 1) && fixed.contains(i + 1));
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
        NumberSet fixed;
        for (int i = 0; i < MainNumberCount; ++i) {
            if (grid_->marked(i)) {
                fixed.insert(i + 1);
            }
        }
        report(
            document_.editCondition(SystemDocument::FixedEdit{conditionSwitch()->isOn(), fixed}));
    }
    ConditionDialog::done(result);
}

} // namespace quintora
