#pragma once

#include "core/GameModel.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace quintora {

class Language;
struct SystemState;

// frmVisualizza: the developed columns ten at a time ("panels"). Reads the system only.
// Home and End show the first and the last panel, PageUp and PageDown move by ten panels,
// the arrows by one.
class ColumnViewer : public QDialog {
    Q_OBJECT
public:
    ColumnViewer(const SystemState& state, Language& language, QWidget* parent);

    int currentPanel() const { return current_; }
    int lastPanel() const { return last_; }
    // Moves by `delta` panels, kept between the first and the last panel (never below 1).
    void movePanels(int delta);
    void showPanel(int panel);

    // The text of one row: two blanks, then each nonzero number as "0#" and four blanks.
    static QString rowText(const Column& column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Moves as the paging key `key` asks; false for any other key.
    bool pageByKey(int key);
    QPushButton* addButton(const char* name, const QString& caption, const char* tooltip);

    const SystemState& state_;
    QLabel* rows_[10] = {};
    QLabel* panelLabel_ = nullptr;
    QPushButton* steppers_[4] = {}; // a key on one of these acts as its click
    int current_ = 1;
    int last_ = 0;
};

} // namespace quintora
