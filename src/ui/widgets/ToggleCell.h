#pragma once

#include <QColor>
#include <QLabel>

namespace quintora {

// How a cell looks when marked and unmarked.
struct CellLook {
    QColor markedBackground;
    QColor markedText;
    QColor unmarkedBackground;
    QColor unmarkedText;
    bool markedBold = false;

    static CellLook red();    // condition dialogs: red/white marked, white/black unmarked
    static CellLook blue();   // filter grid: blue/white marked, white/black unmarked
    static CellLook teal();   // main grid of numbers in play
    static CellLook olive();  // Euro grid
    static CellLook yellow(); // a chosen option: yellow background, black text
};

// A clickable label with a mark (its "Tag" property is "1" or "0"). It never toggles
// itself: the owner decides on clicked() whether the mark changes. A cell that is not
// selectable (a number not in play) is drawn light grey and italic and emits nothing; if it
// is marked all the same, it keeps the marked background.
class ToggleCell : public QLabel {
    Q_OBJECT
public:
    ToggleCell(const QString& caption, const CellLook& look, QWidget* parent);

    bool marked() const { return marked_; }
    void setMarked(bool marked);
    bool selectable() const { return selectable_; }
    void setSelectable(bool selectable);
    void setLook(const CellLook& look);
    // The keyboard's place in a focused grid: drawn with a thick frame.
    bool current() const { return current_; }
    void setCurrent(bool current);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    CellLook look_;
    bool marked_ = false;
    bool selectable_ = true;
    bool current_ = false;
};

} // namespace quintora
