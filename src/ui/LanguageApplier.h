#pragma once

class QWidget;

namespace quintora {

class LanguageFile;

// Replaces the texts of a window from a language file: in the section named after the window,
// "name.Caption", "name.ToolTipText" and "name.Tag" for the window and for every widget and
// action on it that has an objectName (array elements are named "name(index)"), and
// "name.TabCaption(t)" for the tabs of a tab widget. Empty or missing values change nothing;
// other windows parented to this one keep their own texts.
void applyLanguage(QWidget* window, const LanguageFile& file);

// Centres the window on its screen, in whole pixels.
void centerForm(QWidget* window);

} // namespace quintora
