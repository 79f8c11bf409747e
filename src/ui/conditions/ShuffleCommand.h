#pragma once

class QAction;
class QWidget;

namespace quintora {

class Prompt;
struct SystemState;

// The shuffle command: asks first, then puts the system's columns in a random order (whole
// columns move; the numbers inside each keep their order). `entry`, when given, is disabled
// while it runs. Returns true when the columns were shuffled.
bool runShuffleCommand(SystemState& state, Prompt& prompt, QAction* entry, QWidget* parent);

} // namespace quintora
