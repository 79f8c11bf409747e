#include "ui/conditions/MinimumDistanceDialog.h"

#include "core/Conditions.h"
#include "document/SystemDocument.h"

namespace quintora {

MinimumDistanceDialog::MinimumDistanceDialog(SystemDocument& document, Prompt& prompt,
                                             Language& language, QWidget* parent)
    : ReductionDialog(
          document, prompt, language,
          Setup{QStringLiteral("frmDistanzaMinima"), QStringLiteral(" Ridotto Distanza Minima"),
                QStringLiteral("optCond"), QStringLiteral("frameDistanza"),
                QStringLiteral("Distanza"), QStringLiteral("hsDistanzaMinima"),
                QStringLiteral("lblDistanzaMinima"), 1, 5,
                minimumDistanceOnOpening(document.state().minimumDistance.minDistance),
                text::GuaranteeAndDistanceExclusive, document.state().minimumDistance.on(),
                [&document](bool on) {
                    return document.editCondition(SystemDocument::MinimumDistanceEdit{on, {}});
                },
                [&document](bool on, int value) -> Result<bool> {
                    const bool otherWasOn = document.state().conditions.reducedOn();
                    const auto edited =
                        document.editCondition(SystemDocument::MinimumDistanceEdit{on, value});
                    if (!edited) {
                        return edited.error();
                    }
                    return otherWasOn && !document.state().conditions.reducedOn();
                }},
          parent) {}

} // namespace quintora
