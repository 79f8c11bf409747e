#pragma once

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

} // namespace quintora::test
