#include "ui/WindowLoad.h"

#include "settings/Language.h"
#include "ui/LanguageApplier.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QSpacerItem>
#include <QVariant>
#include <QWidget>

namespace quintora {

namespace {

// Room a title bar takes besides the title: the icon and the close button, with a margin.
constexpr int TitleBarExtras = 120;
constexpr const char* TitleStrut = "quintoraTitleStrut";

void fitTitle(QWidget* window) {
    const int needed = widthForTitle(window->windowTitle());
    QLayout* layout = window->layout();
    if (layout != nullptr && layout->sizeConstraint() == QLayout::SetFixedSize) {
        // A fixed layout sets the window's size itself: an empty strut as wide as the title
        // widens it, and follows the title when the language changes.
        auto* strut =
            reinterpret_cast<QSpacerItem*>(window->property(TitleStrut).value<quintptr>());
        if (strut == nullptr) {
            strut = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
            layout->addItem(strut);
            window->setProperty(TitleStrut, QVariant::fromValue(reinterpret_cast<quintptr>(strut)));
        }
        const QMargins margins = layout->contentsMargins();
        strut->changeSize(needed - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                          QSizePolicy::Fixed);
        layout->invalidate();
        layout->activate();
        return;
    }
    if (window->width() < needed) {
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
