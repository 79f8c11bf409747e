#include "ui/conditions/ReductionDialog.h"

#include "core/Conditions.h"
#include "document/SystemDocument.h"
#include "settings/Language.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/OnOffSwitch.h"
#include "ui/WindowLoad.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quintora {

ReductionDialog::ReductionDialog(SystemDocument& document, Prompt& prompt, Language& language,
                                 Setup setup, QWidget* parent)
    : ConditionDialog(setup.formName, setup.title, setup.switchName, setup.on,
                      document.canEditConditions(), setup.switchCondition, parent)
    , prompt_(prompt)
    , language_(language)
    , setup_(std::move(setup))
    , scrollBar_(new QScrollBar(Qt::Horizontal, panel()))
    , valueLabel_(new QLabel(panel())) {
    panel()->setObjectName(setup_.frameName);
    panel()->setTitle(setup_.frameTitle);

    scrollBar_->setObjectName(setup_.scrollBarName);
    scrollBar_->setRange(setup_.minimum, setup_.maximum);
    scrollBar_->setPageStep(1);
    scrollBar_->setValue(setup_.value);
    scrollBar_->setMinimumWidth(200);
    valueLabel_->setObjectName(setup_.labelName);
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
    if (!setup_.explanation.isEmpty()) {
        auto* explanation = new QLabel(setup_.explanation, panel());
        explanation->setObjectName(setup_.explanationName);
        panelLayout()->addWidget(explanation);
    }
    loadWindowTexts(this, language);
}

void ReductionDialog::done(int result) {
    const auto switchedOther =
        editable() ? setup_.close(conditionSwitch()->isOn(), scrollBar_->value()) : false;
    if (switchedOther.failed()) {
        emit refused(switchedOther.error());
    } else if (switchedOther && switchedOther.value()) {
        prompt_.message(this, QString(), languageText(language_, setup_.warningId),
                        Prompt::Icon::Exclamation);
    }
    ConditionDialog::done(result);
}

} // namespace quintora
