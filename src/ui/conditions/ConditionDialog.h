#pragma once

#include "core/GameModel.h"

#include <functional>
#include <QDialog>
#include <QGroupBox>

class QVBoxLayout;

namespace quintora {

class OnOffSwitch;

// The frame every condition dialog shares: the "Condizione" ON/OFF switch, which switches its
// condition at once through `switchCondition`, above a settings panel. Unless `editable`,
// switch and panel are read-only.
class ConditionDialog : public QDialog {
    Q_OBJECT
public:
    OnOffSwitch* conditionSwitch() const { return switch_; }
    QGroupBox* panel() const { return panel_; }
    bool editable() const { return editable_; }

protected:
    ConditionDialog(const QString& formName, const QString& title, const QString& switchName,
                    bool on, bool editable, std::function<void(bool)> switchCondition,
                    QWidget* parent);

    // Where subclasses put their controls (a layout of the panel).
    QVBoxLayout* panelLayout() const { return panelLayout_; }

private:
    OnOffSwitch* switch_;
    QGroupBox* panel_;
    QVBoxLayout* panelLayout_;
    bool editable_;
};

} // namespace quintora
