#include "ui/conditions/ReductionDialog.h"

#include "core/Conditions.h"
#include "settings/Language.h"
#include "ui/Prompt.h"
#include "ui/WindowLoad.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quintora {

ReductionDialog::ReductionDialog(SystemState& state, Prompt& prompt, Language& language, Flag& flag,
                                 Spec spec, QWidget* parent)
    : ConditionDialog(spec.formName, spec.title, spec.switchName, flag, conditionsEditable(state),
                      parent)
    , state_(state)
    , prompt_(prompt)
    , language_(language)
    , spec_(std::move(spec))
    , scrollBar_(new QScrollBar(Qt::Horizontal, panel()))
    , valueLabel_(new QLabel(panel())) {
    panel()->setObjectName(spec_.frameName);
    panel()->setTitle(spec_.frameTitle);

    scrollBar_->setObjectName(spec_.scrollBarName);
    scrollBar_->setRange(spec_.minimum, spec_.maximum);
    scrollBar_->setPageStep(1);
    scrollBar_->setValue(spec_.value);
    scrollBar_->setMinimumWidth(200);
    valueLabel_->setObjectName(spec_.labelName);
    valueLabel_->setNum(scrollBar_->value());
    valueLabel_->setAlignment(Qt::AlignCenter);
    valueLabel_->setMinimumWidth(32);
    valueLabel_->setFrameShape(QFrame::Panel);
    valueLabel_->setFrameShadow(QFrame::Sunken);
    connect(scrollBar_, &QScrollBar::valueChanged, valueLabel_, qOverload<int>(&QLabel::setNum));

    auto* row = new QHBoxLayout;
    row->addWidget(scrollBar_, 1);
    row->addWidget(valueLabel_);
    panelLayout()->addLayout(row);
    loadWindowTexts(this, language);
}

void ReductionDialog::done(int result) {
    if (editable() && spec_.close(state_, scrollBar_->value())) {
        auto text = QString::fromStdString(language_.getLangString(spec_.warningId));
        if (text.isEmpty()) {
            text = spec_.fallbackWarning;
        }
        prompt_.message(this, QString(), text, Prompt::Icon::Exclamation);
    }
    ConditionDialog::done(result);
}

} // namespace quintora
