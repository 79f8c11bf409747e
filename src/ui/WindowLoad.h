#pragma once

#include <QSize>

class QWidget;

namespace quintora {

class Language;

// What every window does as it loads, once its controls exist: take its texts from the
// current language file, fit its size to them (never below minimumSize), then centre itself
// on the screen. Fitting after the texts keeps longer translations from being cut off.
void loadWindowTexts(QWidget* window, const Language& language, QSize minimumSize = {});

} // namespace quintora
