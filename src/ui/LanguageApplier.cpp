#include "ui/LanguageApplier.h"

#include "settings/LanguageFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <string>

namespace quintora {

namespace {

class Applier {
public:
    Applier(const LanguageFile& file, const QString& section)
        : file_(file)
        , section_(section.toStdString()) {}

    // Non-empty value of name + suffix, or a null QString.
    QString text(const QString& name, const char* suffix) const {
        const std::string value = file_.value(section_, name.toStdString() + suffix);
        return value.empty() ? QString() : QString::fromStdString(value);
    }

    void applyCommon(QObject* object, const QString& name) const {
        if (const QString tag = text(name, ".Tag"); !tag.isNull()) {
            object->setProperty("Tag", tag);
        }
    }

    void applyWidget(QWidget* widget) const {
        const QString name = widget->objectName();
        if (const QString caption = text(name, ".Caption"); !caption.isNull()) {
            setCaption(widget, caption);
        }
        if (const QString tip = text(name, ".ToolTipText"); !tip.isNull()) {
            widget->setToolTip(tip);
        }
        applyCommon(widget, name);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int t = 0; t < tabs->count(); ++t) {
                const QString caption =
                    text(name, (".TabCaption(" + std::to_string(t) + ")").c_str());
                if (!caption.isNull()) {
                    tabs->setTabText(t, caption);
                }
            }
        }
    }

    void applyAction(QAction* action) const {
        const QString name = action->objectName();
        if (const QString caption = text(name, ".Caption"); !caption.isNull()) {
            action->setText(caption);
        }
        if (const QString tip = text(name, ".ToolTipText"); !tip.isNull()) {
            action->setToolTip(tip);
        }
        applyCommon(action, name);
    }

    // Walks the window's own objects; a separate window parented to it (a dialog) has its own
    // section and is left alone, while its menus belong to it.
    void walk(const QObject* parent) const {
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) {
                continue;
            }
            if (!child->objectName().isEmpty()) {
                if (widget) {
                    applyWidget(widget);
                } else if (auto* action = qobject_cast<QAction*>(child)) {
                    applyAction(action);
                }
            }
            walk(child);
        }
    }

private:
    // Widgets without a caption (lists, text boxes) are skipped.
    static void setCaption(QWidget* widget, const QString& caption) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(caption);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(caption);
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            menu->setTitle(caption);
        }
    }

    const LanguageFile& file_;
    std::string section_;
};

} // namespace

void applyLanguage(QWidget* window, const LanguageFile& file) {
    if (!window || file.empty()) {
        return;
    }
    const QString name = window->objectName();
    const Applier applier(file, name);
    if (const QString caption = applier.text(name, ".Caption"); !caption.isNull()) {
        window->setWindowTitle(caption);
    }
    if (const QString tip = applier.text(name, ".ToolTipText"); !tip.isNull()) {
        window->setToolTip(tip);
    }
    applier.applyCommon(window, name);
    applier.walk(window);
}

void centerForm(QWidget* window) {
    if (!window) {
        return;
    }
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

} // namespace quintora
