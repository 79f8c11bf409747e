#pragma once

class QWidget;

namespace quintora {

class Language;

// What every window does as it loads, once its controls exist: take its texts from the
// current language file, then centre itself on the screen.
void loadWindowTexts(QWidget* window, const Language& language);

} // namespace quintora
