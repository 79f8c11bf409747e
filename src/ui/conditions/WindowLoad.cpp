#include "ui/conditions/WindowLoad.h"

#include "settings/Language.h"
#include "ui/LanguageApplier.h"

#include <QWidget>

namespace quintora {

void loadWindowTexts(QWidget* window, const Language& language) {
    applyLanguage(window, language.load());
    window->adjustSize();
    centerForm(window);
}

} // namespace quintora
