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
                reducedLevelOnOpening(document.state().conditions.reducedN),
                text::GuaranteeAndDistanceExclusiveAgain, document.state().conditions.reducedOn(),
                [&document](bool on) {
                    return document.editCondition(SystemDocument::ReducedEdit{on, {}});
                },
                [&document](bool on, int value) -> Result<bool> {
                    const bool otherWasOn = document.state().minimumDistance.on();
                    const auto edited =
                        document.editCondition(SystemDocument::ReducedEdit{on, value});
                    if (!edited) {
                        return edited.error();
                    }
                    return otherWasOn && !document.state().minimumDistance.on();
                },
                QStringLiteral("lblSpiegazioneNx"),
                QStringLiteral("garantisce 5-N punti se i 5 numeri estratti sono "
                               "tra quelli in gioco")},
          parent) {}

} // namespace quintora
