#pragma once

#include "core/GameModel.h"

#include <QDialog>
#include <QGroupBox>

class QVBoxLayout;

namespace quintora {

class OnOffSwitch;

// The frame every condition dialog shares: the "Condizione" ON/OFF switch, which writes its
// flag at once, above a settings panel. Unless `editable`, switch and panel are read-only.
// The dialog holds a reference to the flag, so the system must outlive it.
class ConditionDialog : public QDialog {
    Q_OBJECT
public:
    OnOffSwitch* conditionSwitch() const { return switch_; }
    QGroupBox* panel() const { return panel_; }
    bool editable() const { return editable_; }

protected:
    ConditionDialog(const QString& formName, const QString& title, const QString& switchName,
                    Flag& flag, bool editable, QWidget* parent);

    // Where subclasses put their controls (a layout of the panel).
    QVBoxLayout* panelLayout() const { return panelLayout_; }

private:
    OnOffSwitch* switch_;
    QGroupBox* panel_;
    QVBoxLayout* panelLayout_;
    bool editable_;
};

} // namespace quintora
