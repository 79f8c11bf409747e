#include "ui/conditions/MinimumDistanceDialog.h"

#include "core/Conditions.h"

namespace quintora {

MinimumDistanceDialog::MinimumDistanceDialog(SystemState& state, Prompt& prompt, Language& language,
                                             QWidget* parent)
    : ReductionDialog(
          state, prompt, language, state.minimumDistance.minDistanceActive,
          Setup{QStringLiteral("frmDistanzaMinima"), QStringLiteral(" Ridotto Distanza Minima"),
                QStringLiteral("optCond"), QStringLiteral("frameDistanza"),
                QStringLiteral("Distanza"), QStringLiteral("hsDistanzaMinima"),
                QStringLiteral("lblDistanzaMinima"), 1, 5,
                minimumDistanceOnOpening(state.minimumDistance.minDistance), "0005",
                QStringLiteral("Il Ridotto a Garanzia e il Ridotto a Distanza Minima non possono "
                               "essere attivi insieme: il Ridotto a Garanzia è stato disattivato."),
                &closeMinimumDistance},
          parent) {}

} // namespace quintora
