#pragma once

#include <QLabel>

namespace quintora {

// A label that keeps its whole text but shows as much as fits, cut in the middle
// ("/home/…/sistemi/nome.qsy"). While the text is cut, hovering shows `cutToolTip` (the whole
// text unless set otherwise); otherwise the label's own tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }
    void setCutToolTip(const QString& tip) { cutToolTip_ = tip; }
    bool isCut() const { return text() != fullText_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
    QString cutToolTip_;
};

} // namespace quintora
