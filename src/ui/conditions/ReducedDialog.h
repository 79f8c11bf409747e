#pragma once

#include "ui/conditions/ReductionDialog.h"

namespace quintora {

// frmRidotto: the level N 0..5 of the reduced-N guarantee. Closing with it on switches the
// minimum distance off (text::GuaranteeAndDistanceExclusiveAgain).
class ReducedDialog : public ReductionDialog {
    Q_OBJECT
public:
    ReducedDialog(SystemDocument& document, Prompt& prompt, Language& language, QWidget* parent);
};

} // namespace quintora
