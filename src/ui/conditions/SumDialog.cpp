#include "ui/conditions/SumDialog.h"

#include "core/SystemState.h"
#include "document/SystemDocument.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/MoveOnWhenFull.h"
#include "ui/WindowLoad.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace quintora {

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

SumDialog::SumDialog(SystemDocument& document, Prompt& prompt, Language& language, QWidget* parent)
    : ConditionDialog(
          QStringLiteral("frmSomma"), QStringLiteral("  Somma"), QStringLiteral("optCondSomma"),
          document.state().conditions.sumOn(), document.canEditConditions(),
          [&document](bool on) {
              return document.editCondition(SystemDocument::SumEdit{on, {}, {}});
          },
          parent)
    , document_(document)
    , prompt_(prompt)
    , language_(language)
    , range_(sumRangeOf(numbersInPlay(document.state().header))) {
    auto* grid = new QGridLayout;
    panelLayout()->addLayout(grid);

    auto* labMin = namedLabel(QStringLiteral("labMin"), QString::number(range_.minimum), panel());
    auto* labMax = namedLabel(QStringLiteral("labMax"), QString::number(range_.maximum), panel());
    for (auto* l : {labMin, labMax}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(48);
    }
    grid->addWidget(namedLabel(QStringLiteral("lblMinimo"), QStringLiteral("Minimo"), panel()), 0,
                    0);
    grid->addWidget(labMin, 0, 1);
    grid->addWidget(namedLabel(QStringLiteral("lblMassimo"), QStringLiteral("Massimo"), panel()), 0,
                    2);
    grid->addWidget(labMax, 0, 3);

    const auto& c = document.state().conditions;
    from_ = makeField(QStringLiteral("meDa"), sumFieldValue(c.sumFrom, range_, range_.minimum));
    to_ = makeField(QStringLiteral("meA"), sumFieldValue(c.sumTo, range_, range_.maximum));
    grid->addWidget(namedLabel(QStringLiteral("lblDa"), QStringLiteral("DA"), panel()), 1, 0);
    grid->addWidget(from_, 1, 1);
    grid->addWidget(namedLabel(QStringLiteral("lblA"), QStringLiteral("A"), panel()), 1, 2);
    grid->addWidget(to_, 1, 3);
    grid->setHorizontalSpacing(12);
    loadWindowTexts(this, language);
}

QLineEdit* SumDialog::makeField(const QString& name, int value) {
    auto* field = new QLineEdit(panel());
    field->setObjectName(name);
    field->setInputMask(QStringLiteral("000;_")); // up to three digits
    field->setText(QString::number(value));
    field->setAlignment(Qt::AlignCenter);
    field->setMaximumWidth(56);
    field->installEventFilter(this);
    moveOnWhenFull(field);
    return field;
}

bool SumDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == from_ || watched == to_)) {
        // After the focus change (and a click's cursor placement) select the whole value.
        auto* field = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return ConditionDialog::eventFilter(watched, event);
}

std::optional<int> SumDialog::fieldValue(const QLineEdit* field) {
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void SumDialog::done(int result) {
    if (!editable()) {
        ConditionDialog::done(result);
        return;
    }
    const auto from = fieldValue(from_);
    const auto to = fieldValue(to_);
    const auto failures = checkSumFields(from, to, range_);
    for (const auto& f : failures) {
        prompt_.beep();
        prompt_.message(this, shownText(language_, f.title), shownText(language_, f.text),
                        Prompt::Icon::Exclamation);
        (f.focus == SumField::From ? from_ : to_)->setFocus();
    }
    report(document_.editCondition(
        SystemDocument::SumEdit{document_.state().conditions.sumOn(), from, to}));
    if (failures.empty()) {
        ConditionDialog::done(result);
    }
}

} // namespace quintora
