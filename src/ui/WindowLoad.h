#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace quintora {

class Language;

// What every window does as it loads, once its controls exist: take its texts from the
// current language file, fit its size to them (never below minimumSize), then centre itself
// on the screen. Fitting after the texts keeps longer translations from being cut off.
void loadWindowTexts(QWidget* window, const Language& language, QSize minimumSize = {});

// The width a window needs for the whole of its title in the title bar's bold face, so that
// no window manager has to cut it short.
int widthForTitle(const QString& title);

// The texts of a window that is already up, after the language changed: it grows where the
// new texts need more room, and stays where it is.
void reloadWindowTexts(QWidget* window, const Language& language);

} // namespace quintora
