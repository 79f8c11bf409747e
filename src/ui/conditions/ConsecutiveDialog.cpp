#include "ui/conditions/ConsecutiveDialog.h"

#include "core/Conditions.h"
#include "core/Format.h"
#include "document/SystemDocument.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <array>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quintora {

ConsecutiveDialog::ConsecutiveDialog(SystemDocument& document, Language& language, QWidget* parent)
    : ConditionDialog(
          QStringLiteral("frmConsecutivi"), QStringLiteral("Numeri Consecutivi"),
          QStringLiteral("optCond"), document.state().consecutive.on(),
          document.canEditConditions(),
          [&document](bool on) {
              return document.editCondition(SystemDocument::ConsecutiveEdit{on, {}});
          },
          parent)
    , document_(document)
    // Cell k is run length k; cell 0 only keeps the numbering and stays hidden.
    , grid_(new CellGrid(QStringLiteral("lbPresenze"),
                         {QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5")},
                         6, CellLook::red(), true, panel())) {
    grid_->cell(0)->setSelectable(false);
    grid_->cell(0)->hide();
    grid_->cell(0)->setFixedSize(0, 0); // so that a drag never finds it under the pointer
    for (int k = 1; k <= 5; ++k) {
        grid_->cell(k)->setMinimumWidth(36);
        grid_->setMarked(k, document.state().consecutive.runs().contains(k));
    }
    connect(grid_, &CellGrid::cellActivated, this,
            [this](int k) { grid_->setMarked(k, !grid_->marked(k)); });

    auto* heading = new QLabel(QStringLiteral("Consecutivi"), panel());
    heading->setObjectName(QStringLiteral("lblConsecutivi"));
    heading->setAlignment(Qt::AlignCenter);

    auto* maxRow = new QHBoxLayout;
    auto* maxCaption = new QLabel(QStringLiteral("Max"), panel());
    maxCaption->setObjectName(QStringLiteral("lblMax"));
    auto* maxValue = new QLabel(
        QString::fromStdString(twoDigits(longestRun(numbersInPlay(document.state().header)))),
        panel());
    maxValue->setObjectName(QStringLiteral("l1"));
    maxValue->setFrameShape(QFrame::Panel);
    maxValue->setFrameShadow(QFrame::Sunken);
    maxRow->addStretch();
    maxRow->addWidget(maxCaption);
    maxRow->addWidget(maxValue);

    panelLayout()->addWidget(heading);
    panelLayout()->addWidget(grid_);
    panelLayout()->addLayout(maxRow);
    loadWindowTexts(this, language);
}

void ConsecutiveDialog::done(int result) {
    if (editable()) {
        CountSet runs;
        for (int k = 1; k <= 5; ++k) {
            runs.set(k, grid_->marked(k));
        }
        report(document_.editCondition(
            SystemDocument::ConsecutiveEdit{conditionSwitch()->isOn(), runs}));
    }
    ConditionDialog::done(result);
}

} // namespace quintora
