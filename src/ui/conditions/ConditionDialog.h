#pragma once

#include "core/GameModel.h"
#include "core/Result.h"

#include <functional>
#include <QDialog>
#include <QGroupBox>

class QVBoxLayout;

namespace quintora {

class OnOffSwitch;

// The frame every condition dialog shares: the "Condizione" ON/OFF switch, which switches its
// condition at once through `switchCondition`, above a settings panel. Unless `editable`,
// switch and panel are read-only. Enter confirms the dialog.
class ConditionDialog : public QDialog {
    Q_OBJECT
public:
    OnOffSwitch* conditionSwitch() const { return switch_; }
    QGroupBox* panel() const { return panel_; }
    bool editable() const { return editable_; }

signals:
    // The document refused a change (the system changed under the dialog): the window shows
    // the reason.
    void refused(const quintora::Error& error);

protected:
    ConditionDialog(const QString& formName, const QString& title, const QString& switchName,
                    bool on, bool editable, std::function<Status(bool)> switchCondition,
                    QWidget* parent);

    // The document's answer to a change: a refusal is passed on.
    void report(const Status& status);

    void keyPressEvent(QKeyEvent* event) override;

    // Where subclasses put their controls (a layout of the panel).
    QVBoxLayout* panelLayout() const { return panelLayout_; }

private:
    OnOffSwitch* switch_;
    QGroupBox* panel_;
    QVBoxLayout* panelLayout_;
    bool editable_;
};

} // namespace quintora
