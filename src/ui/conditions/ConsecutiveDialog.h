#pragma once

#include "ui/conditions/ConditionDialog.h"

namespace quintora {

class CellGrid;
class Language;
class SystemDocument;

// frmConsecutivi: which lengths of the longest run of consecutive numbers a column may
// have. Cells lbPresenze(1..5) stand for the lengths; "Max" shows the longest run among the
// numbers in play. Closing an editable dialog stores the allowedRuns bits.
class ConsecutiveDialog : public ConditionDialog {
    Q_OBJECT
public:
    ConsecutiveDialog(SystemDocument& document, Language& language, QWidget* parent);

    void done(int result) override;
    CellGrid* grid() const { return grid_; }

private:
    SystemDocument& document_;
    CellGrid* grid_;
};

} // namespace quintora
