#include "ui/conditions/ConditionDialog.h"

#include "ui/widgets/OnOffSwitch.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace quintora {

ConditionDialog::ConditionDialog(const QString& formName, const QString& title,
                                 const QString& switchName, bool on, bool editable,
                                 std::function<Status(bool)> switchCondition, QWidget* parent)
    : QDialog(parent)
    , switch_(new OnOffSwitch(switchName, this))
    , panel_(new QGroupBox(this))
    , panelLayout_(new QVBoxLayout(panel_))
    , editable_(editable) {
    setObjectName(formName);
    setWindowTitle(title);
    panel_->setObjectName(QStringLiteral("framePanel"));

    switch_->setOn(on);
    connect(switch_, &OnOffSwitch::toggled, this,
            [this, change = std::move(switchCondition)](bool on) { report(change(on)); });
    switch_->setEnabled(editable);
    panel_->setEnabled(editable);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(switch_);
    layout->addWidget(panel_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ConditionDialog::report(const Status& status) {
    if (status.failed()) {
        emit refused(status.error());
    }
}

void ConditionDialog::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took (a grid toggles its cell) confirms the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quintora
