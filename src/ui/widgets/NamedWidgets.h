#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace quintora {

// Controls built with the objectName that the language files address them by; the text is
// the program's own, until the window's language replaces it.

inline QLabel* namedLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

// A command button. Return belongs to the dialog's default button, not to whichever button
// has the focus; a minimum height keeps a row of commands even.
inline QPushButton* namedButton(const char* name, const char* text, QWidget* parent,
                                int minimumHeight = 0) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    if (minimumHeight > 0) {
        button->setMinimumHeight(minimumHeight);
    }
    return button;
}

inline QCheckBox* namedCheckBox(const char* name, const char* text, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

} // namespace quintora
