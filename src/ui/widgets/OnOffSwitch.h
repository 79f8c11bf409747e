#pragma once

#include <QGroupBox>

class QPushButton;

namespace quintora {

// The "Condizione" ON/OFF pair of the condition dialogs: option "<name>(0)" is ON,
// "<name>(1)" is OFF. The chosen option has a yellow background and black text, the other the
// button face and grey text. toggled() fires when the user picks the other option.
class OnOffSwitch : public QGroupBox {
    Q_OBJECT
public:
    OnOffSwitch(const QString& optionName, QWidget* parent,
                const QString& title = QStringLiteral("Condizione"));

    bool isOn() const { return on_; }
    void setOn(bool on); // no signal
    QPushButton* onButton() const { return on_button_; }
    QPushButton* offButton() const { return off_button_; }

signals:
    void toggled(bool on);

private:
    void choose(bool on);
    void refresh();

    QPushButton* on_button_;
    QPushButton* off_button_;
    bool on_ = false;
};

} // namespace quintora
