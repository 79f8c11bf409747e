#include "ui/conditions/ConditionDialog.h"

#include "ui/widgets/OnOffSwitch.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace quintora {

ConditionDialog::ConditionDialog(const QString& formName, const QString& title,
                                 const QString& switchName, bool on, bool editable,
                                 std::function<void(bool)> switchCondition, QWidget* parent)
    : QDialog(parent)
    , switch_(new OnOffSwitch(switchName, this))
    , panel_(new QGroupBox(this))
    , panelLayout_(new QVBoxLayout(panel_))
    , editable_(editable) {
    setObjectName(formName);
    setWindowTitle(title);
    panel_->setObjectName(QStringLiteral("framePanel"));

    switch_->setOn(on);
    connect(switch_, &OnOffSwitch::toggled, this, std::move(switchCondition));
    switch_->setEnabled(editable);
    panel_->setEnabled(editable);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(switch_);
    layout->addWidget(panel_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quintora
