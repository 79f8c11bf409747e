#include "support/ScriptedPrompt.h"

#include <QTest>

namespace quintora::test {

namespace {

const char* kindName(ScriptedPrompt::Kind kind) {
    switch (kind) {
    case ScriptedPrompt::Kind::Message:
        return "message";
    case ScriptedPrompt::Kind::Question:
        return "question";
    case ScriptedPrompt::Kind::SaveQuestion:
        return "save question";
    case ScriptedPrompt::Kind::Input:
        return "input box";
    case ScriptedPrompt::Kind::OpenFile:
        return "open-file dialog";
    case ScriptedPrompt::Kind::SaveFile:
        return "save-file dialog";
    }
    return "prompt";
}

} // namespace

void ScriptedPrompt::acceptMessage() {
    answers_.push_back({Kind::Message, false, {}, SaveChoice::Cancel});
}
void ScriptedPrompt::answerQuestion(bool yes) {
    answers_.push_back({Kind::Question, yes, {}, SaveChoice::Cancel});
}
void ScriptedPrompt::answerSaveQuestion(SaveChoice choice) {
    answers_.push_back({Kind::SaveQuestion, false, {}, choice});
}
void ScriptedPrompt::answerInput(std::optional<QString> text) {
    answers_.push_back(
        {Kind::Input, text.has_value(), text.value_or(QString()), SaveChoice::Cancel});
}
void ScriptedPrompt::answerOpenFile(const QString& path) {
    answers_.push_back({Kind::OpenFile, true, path, SaveChoice::Cancel});
}
void ScriptedPrompt::answerSaveFile(const QString& path) {
    answers_.push_back({Kind::SaveFile, true, path, SaveChoice::Cancel});
}

std::vector<ScriptedPrompt::Call> ScriptedPrompt::callsOf(Kind kind) const {
    std::vector<Call> out;
    for (const auto& c : calls_) {
        if (c.kind == kind) {
            out.push_back(c);
        }
    }
    return out;
}

void ScriptedPrompt::reset() {
    answers_.clear();
    calls_.clear();
    beeps_ = 0;
}

ScriptedPrompt::Answer ScriptedPrompt::take(const Call& call) {
    calls_.push_back(call);
    if (observer_) {
        observer_(call);
    }
    if (answers_.empty() || answers_.front().kind != call.kind) {
        const QString expected = answers_.empty()
                                     ? QStringLiteral("nothing")
                                     : QString::fromUtf8(kindName(answers_.front().kind));
        const QByteArray why =
            QStringLiteral("unexpected %1 \"%2\": \"%3\" (expected %4)")
                .arg(QString::fromUtf8(kindName(call.kind)), call.title, call.text, expected)
                .toUtf8();
        QTest::qFail(why.constData(), __FILE__, __LINE__);
        return {call.kind, false, {}, SaveChoice::Cancel};
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedPrompt::message(QWidget*, const QString& title, const QString& text, Icon icon) {
    take({Kind::Message, title, text, icon, {}});
}

bool ScriptedPrompt::question(QWidget*, const QString& title, const QString& text, Icon icon) {
    return take({Kind::Question, title, text, icon, {}}).yes;
}

Prompt::SaveChoice ScriptedPrompt::askToSave(QWidget*, const QString& title, const QString& text) {
    return take({Kind::SaveQuestion, title, text, Icon::Exclamation, {}}).choice;
}

std::optional<QString> ScriptedPrompt::inputText(QWidget*, const QString& title,
                                                 const QString& label, const QString&) {
    auto answer = take({Kind::Input, title, label, Icon::None, {}});
    return answer.yes ? std::optional<QString>(answer.text) : std::nullopt;
}

QString ScriptedPrompt::openFileName(QWidget*, const QString& folder, const QString& filter) {
    return take({Kind::OpenFile, filter, folder, Icon::None, {}}).text;
}

QString ScriptedPrompt::saveFileName(QWidget*, const QString& folder, const QString& proposedName,
                                     const QString& filter, const QString& defaultSuffix) {
    return take({Kind::SaveFile, filter, folder + u'/' + proposedName, Icon::None, defaultSuffix})
        .text;
}

} // namespace quintora::test
