#include "ui/WindowLoad.h"

#include "settings/Language.h"
#include "ui/LanguageApplier.h"

#include <QWidget>

namespace quintora {

void loadWindowTexts(QWidget* window, const Language& language, QSize minimumSize) {
    applyLanguage(window, language.load());
    window->adjustSize();
    window->resize(window->size().expandedTo(minimumSize));
    centerForm(window);
}

} // namespace quintora
