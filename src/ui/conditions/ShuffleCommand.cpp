#include "ui/conditions/ShuffleCommand.h"

#include "core/Shuffle.h"
#include "core/SystemState.h"
#include "ui/Prompt.h"

#include <QAction>

namespace quintora {

bool runShuffleCommand(SystemState& state, Prompt& prompt, QAction* entry, QWidget* parent) {
    if (!prompt.question(parent, QString(), QStringLiteral("Vuoi mescolare le colonne"),
                         Prompt::Icon::None)) {
        return false;
    }
    if (entry) {
        entry->setEnabled(false);
    }
    shuffleColumns(state.columns, seedFromClock());
    if (entry) {
        entry->setEnabled(true);
    }
    return true;
}

} // namespace quintora
