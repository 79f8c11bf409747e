#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QString>
#include <QTest>
#include <QWidget>

namespace quintora::test {

// The child widget of that objectName; a test that names a missing control stops at once.
template <typename T = QWidget> T* child(const QWidget& parent, const QString& name) {
    auto* w = parent.findChild<T*>(name);
    if (!w) {
        qFatal("no child %s", qPrintable(name));
    }
    return w;
}

template <typename T = QWidget> T* child(const QWidget& parent, const char* name) {
    return child<T>(parent, QString::fromUtf8(name));
}

// A left click in the middle of a widget.
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The caption a language file reaches on an object (label and button text, frame and menu
// title, menu entry text); a null string for an object that has none.
inline QString captionOf(const QObject* object) {
    if (auto* label = qobject_cast<const QLabel*>(object)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(object)) {
        return button->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(object)) {
        return group->title();
    }
    if (auto* menu = qobject_cast<const QMenu*>(object)) {
        return menu->title();
    }
    if (auto* action = qobject_cast<const QAction*>(object)) {
        return action->text();
    }
    return {};
}

} // namespace quintora::test
