#include "ui/conditions/ReducedDialog.h"

#include "core/Conditions.h"

namespace quintora {

ReducedDialog::ReducedDialog(SystemState& state, Prompt& prompt, Language& language,
                             QWidget* parent)
    : ReductionDialog(
          state, prompt, language, state.conditions.reducedActive,
          Setup{QStringLiteral("frmRidotto"), QStringLiteral("Ridotto a Garanzia"),
                QStringLiteral("optCondizione"), QStringLiteral("frameNx"), QStringLiteral("N-"),
                QStringLiteral("hsRidottoNx"), QStringLiteral("lblRidottoNx"), 0, 5,
                reducedLevelOnOpening(state.conditions.reducedN), "0021",
                QStringLiteral("Il Ridotto a Garanzia e il Ridotto a Distanza Minima non possono "
                               "essere attivi insieme: il Ridotto a Distanza Minima è stato "
                               "disattivato."),
                &closeReduced},
          parent) {}

} // namespace quintora
