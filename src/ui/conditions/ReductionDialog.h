#pragma once

#include "core/Result.h"
#include "core/TextId.h"
#include "ui/conditions/ConditionDialog.h"

#include <cstdint>
#include <functional>

class QLabel;
class QScrollBar;

namespace quintora {

class Language;
class Prompt;
class SystemDocument;

// What the two reduction dialogs share: a scroll bar with a label that follows it, inside a
// titled frame. Closing an editable dialog stores the value; when that leaves both
// reductions on, the other one is switched off and the language string `warningId` says so.
class ReductionDialog : public ConditionDialog {
    Q_OBJECT
public:
    QScrollBar* scrollBar() const { return scrollBar_; }

    void done(int result) override;

protected:
    struct Setup {
        QString formName;
        QString title;
        QString switchName;
        QString frameName;
        QString frameTitle;
        QString scrollBarName;
        QString labelName;
        int minimum;
        int maximum;
        int value;
        TextId warningId;
        bool on;
        std::function<Status(bool)> switchCondition;
        // Stores the switch and the value; true when the other reduction had to be switched off.
        std::function<Result<bool>(bool, int)> close;
        // A line under the scroll bar that says what its value means (none when empty).
        QString explanationName = {};
        QString explanation = {};
    };
    ReductionDialog(SystemDocument& document, Prompt& prompt, Language& language, Setup setup,
                    QWidget* parent);

private:
    Prompt& prompt_;
    Language& language_;
    Setup setup_;
    QScrollBar* scrollBar_;
    QLabel* valueLabel_;
};

} // namespace quintora
