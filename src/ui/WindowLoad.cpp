#include "ui/WindowLoad.h"

#include "settings/Language.h"
#include "ui/LanguageApplier.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace quintora {

namespace {

// Room a title bar takes besides the title: the icon and the close button, with a margin.
constexpr int TitleBarExtras = 120;

void fitTitle(QWidget* window) {
    if (const int needed = widthForTitle(window->windowTitle()); window->width() < needed) {
        window->resize(needed, window->height());
    }
}

} // namespace

int widthForTitle(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + TitleBarExtras;
}

void loadWindowTexts(QWidget* window, const Language& language, QSize minimumSize) {
    applyLanguage(window, language.load());
    window->adjustSize();
    window->resize(window->size().expandedTo(minimumSize));
    fitTitle(window);
    centerForm(window);
}

void reloadWindowTexts(QWidget* window, const Language& language) {
    applyLanguage(window, language.load());
    window->resize(window->size().expandedTo(window->sizeHint()));
    fitTitle(window);
}

} // namespace quintora
