#pragma once

#include "ui/Prompt.h"

#include <deque>
#include <functional>
#include <optional>
#include <QString>
#include <QStringList>
#include <vector>

namespace quintora::test {

// A Prompt that answers from a queue and records every call. A prompt that the test did not
// queue, or of another kind than the next queued answer, fails the running test at once
// (and answers No / cancel) instead of waiting for a user.
class ScriptedPrompt final : public Prompt {
public:
    enum class Kind { Message, Question, SaveQuestion, Input, OpenFile, SaveFile };

    struct Call {
        Kind kind;
        QString title;
        QString text; // message, question or input label; the folder for file dialogs
        Icon icon = Icon::None;
        QString defaultSuffix; // save-file dialogs
    };

    // Queue the answers in the order the program will ask.
    void acceptMessage();
    void answerQuestion(bool yes);
    void answerSaveQuestion(SaveChoice choice);
    void answerInput(std::optional<QString> text);
    void answerOpenFile(const QString& path);
    void answerSaveFile(const QString& path);

    const std::vector<Call>& calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<Call> callsOf(Kind kind) const;
    int beeps() const { return beeps_; }
    // Answers still queued (the program asked less than expected).
    int pending() const { return static_cast<int>(answers_.size()); }
    void reset();
    // Called with every prompt before it is answered: lets a test look at the windows while
    // the program waits for the answer.
    void setObserver(std::function<void(const Call&)> observer) { observer_ = std::move(observer); }

    void message(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    bool question(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial) override;
    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& filter, const QString& defaultSuffix) override;
    void beep() override { ++beeps_; }

private:
    struct Answer {
        Kind kind;
        bool yes = false; // a question's answer; an input box's "not cancelled"
        QString text;     // an input box's text, a file dialog's path
        SaveChoice choice = SaveChoice::Cancel; // a save question's answer
    };
    // Records the call and takes the next answer if it is of the call's kind; otherwise the
    // test fails and the answer is No / cancel.
    Answer take(const Call& call);

    std::deque<Answer> answers_;
    std::vector<Call> calls_;
    std::function<void(const Call&)> observer_;
    int beeps_ = 0;
};

} // namespace quintora::test
