#include "ui/conditions/ReducedDialog.h"

#include "core/Conditions.h"
#include "document/SystemDocument.h"

namespace quintora {

ReducedDialog::ReducedDialog(SystemDocument& document, Prompt& prompt, Language& language,
                             QWidget* parent)
    : ReductionDialog(
          document, prompt, language,
          Setup{QStringLiteral("frmRidotto"), QStringLiteral("Ridotto a Garanzia"),
                QStringLiteral("optCondizione"), QStringLiteral("frameNx"), QStringLiteral("N-"),
                QStringLiteral("hsRidottoNx"), QStringLiteral("lblRidottoNx"), 0, 5,
                reducedLevelOnOpening(document.state().conditions.reducedN), "0021",
                QStringLiteral("Il Ridotto a Garanzia e il Ridotto a Distanza Minima non possono "
                               "essere attivi insieme: il Ridotto a Distanza Minima è stato "
                               "disattivato."),
                document.state().conditions.reducedOn(),
                [&document](bool on) { (void)document.setReducedOn(on); },
                [&document](bool on, int value) {
                    return document.setReduced(on, value);
                }},
          parent) {}

} // namespace quintora
