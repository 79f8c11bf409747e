#pragma once

#include "ui/conditions/ReductionDialog.h"

namespace quintora {

// frmDistanzaMinima: the minimum distance 1..5 between kept columns. Closing with it on
// switches the reduced-N guarantee off (text::GuaranteeAndDistanceExclusive).
class MinimumDistanceDialog : public ReductionDialog {
    Q_OBJECT
public:
    MinimumDistanceDialog(SystemDocument& document, Prompt& prompt, Language& language,
                          QWidget* parent);
};

} // namespace quintora
