#pragma once

#include "ui/conditions/ConditionDialog.h"

namespace quintora {

class CellGrid;
class Language;
class SystemDocument;

// frmPari: which counts of even numbers a column may have. Each cell writes its
// evenCountAllowed flag at once; closing stores nothing more.
class EvenOddDialog : public ConditionDialog {
    Q_OBJECT
public:
    EvenOddDialog(SystemDocument& document, Language& language, QWidget* parent);

    CellGrid* grid() const { return grid_; }

private:
    void toggle(int index);

    SystemDocument& document_;
    CellGrid* grid_;
};

} // namespace quintora
