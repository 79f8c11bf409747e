#include "ui/widgets/OnOffSwitch.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quintora {

namespace {

void paintOption(QPushButton* button, bool chosen) {
    button->setChecked(chosen);
    button->setStyleSheet(chosen ? QStringLiteral("QPushButton { background: yellow; color: black; "
                                                  "font-weight: bold; }")
                                 : QStringLiteral("QPushButton { color: grey; }"));
}

} // namespace

OnOffSwitch::OnOffSwitch(const QString& optionName, QWidget* parent, const QString& title)
    : QGroupBox(title, parent)
    , on_button_(new QPushButton(QStringLiteral("ON"), this))
    , off_button_(new QPushButton(QStringLiteral("OFF"), this)) {
    setObjectName(optionName + QStringLiteral("Frame"));
    on_button_->setObjectName(optionName + QStringLiteral("(0)"));
    off_button_->setObjectName(optionName + QStringLiteral("(1)"));
    auto* layout = new QHBoxLayout(this);
    for (auto* b : {on_button_, off_button_}) {
        b->setCheckable(true);
        b->setMinimumWidth(60);
        layout->addWidget(b);
    }
    connect(on_button_, &QPushButton::clicked, this, [this] { choose(true); });
    connect(off_button_, &QPushButton::clicked, this, [this] { choose(false); });
    refresh();
}

void OnOffSwitch::setOn(bool on) {
    on_ = on;
    refresh();
}

void OnOffSwitch::choose(bool on) {
    const bool changed = on != on_;
    on_ = on;
    refresh();
    if (changed) {
        emit toggled(on_);
    }
}

void OnOffSwitch::refresh() {
    paintOption(on_button_, on_);
    paintOption(off_button_, !on_);
}

} // namespace quintora
