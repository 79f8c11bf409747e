#pragma once

#include "core/Conditions.h"
#include "ui/conditions/ConditionDialog.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace quintora {

class Language;
class Prompt;
class SystemDocument;

// frmSomma: the sum condition. Shows the lowest and highest sum the numbers in play allow
// (the header's number list must be up to date) and edits sumFrom / sumTo. Closing an
// editable dialog checks the fields, warning for each failure and staying open, and stores
// the non-empty fields in any case.
class SumDialog : public ConditionDialog {
    Q_OBJECT
public:
    SumDialog(SystemDocument& document, Prompt& prompt, Language& language, QWidget* parent);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::optional<int> fieldValue(const QLineEdit* field);
    QLineEdit* makeField(const QString& name, int value);

    SystemDocument& document_;
    Prompt& prompt_;
    Language& language_;
    SumRange range_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
};

} // namespace quintora
