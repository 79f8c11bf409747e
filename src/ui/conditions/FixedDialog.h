#pragma once

#include "ui/conditions/ConditionDialog.h"

class QLabel;

namespace quintora {

class CellGrid;
class Language;
class SystemDocument;

// frmFisse: up to four fixed numbers chosen among the numbers in play (the header's number
// list must be up to date). Closing an editable dialog stores the marks and their count.
class FixedDialog : public ConditionDialog {
    Q_OBJECT
public:
    FixedDialog(SystemDocument& document, Language& language, QWidget* parent);

    void done(int result) override;
    CellGrid* grid() const { return grid_; }

private:
    void toggle(int index);
    void showCount();

    SystemDocument& document_;
    CellGrid* grid_;
    QLabel* count_;
};

} // namespace quintora
